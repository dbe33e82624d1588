#pragma once

#include <QPlainTextEdit>

#include <functional>

// The message field: takes at most a fixed number of characters from typing
// and pasting, drops a few characters when they are typed, and puts dropped
// text in place of the current selection.
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
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString fitting(const QString& text) const;

    int m_maxLength = 1500;
    std::function<bool(QChar)> m_filter;
};
