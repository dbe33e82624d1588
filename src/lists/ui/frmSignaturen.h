#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// Edits the text of one signature. There is no cancel button: closing by the
// frame discards the input.
class frmSignaturen : public QDialog {
    Q_OBJECT
public:
    explicit frmSignaturen(QWidget* parent = nullptr);

    void setText(const QString& text);
    // Set once "&Speichern" was pressed.
    bool saved() const { return m_saved; }
    QString text() const;

private:
    QPlainTextEdit* m_text;
    QLineEdit* m_count;
    bool m_saved = false;
};

// Shows the dialog modally with the given text; returns the saved text, or an
// invalid value when it was closed without saving.
QVariant editSignature(const QString& text, QWidget* parent = nullptr);
// Makes the dialog reachable through the prompts seam.
void registerSignatureDialog();
