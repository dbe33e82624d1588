#pragma once

#include <QPlainTextEdit>

#include <functional>

// The message field: takes at most a fixed number of characters from typed
// keys, input-method commits, Return, pasting and dropping; drops a few
// characters when they are typed; puts dropped text in place of the current
// selection.
class SmsTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SmsTextEdit(QWidget* parent = nullptr);

    void setMaxLength(int max) { m_maxLength = max; }
    int maxLength() const { return m_maxLength; }
    // Returns true for a typed character that must be discarded.
    void setTypedCharFilter(std::function<bool(QChar)> filter) { m_filter = std::move(filter); }
    // Replaces the current selection (or inserts at the caret), within the length limit.
    void replaceSelection(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Characters that may still go in, with the selection and `replaced`
    // characters before the caret going away.
    int room(int replaced = 0) const;
    QString fitting(const QString& text, int replaced = 0) const;
    QString filtered(const QString& typed) const;

    int m_maxLength = 1500;
    std::function<bool(QChar)> m_filter;
};
