#include "messaging/ui/SmsTextEdit.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

SmsTextEdit::SmsTextEdit(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

QString SmsTextEdit::fitting(const QString& text) const {
    const QTextCursor cursor = textCursor();
    const int selected = int(cursor.selectionEnd() - cursor.selectionStart());
    const int room = m_maxLength - int(toPlainText().size()) + selected;
    return room <= 0 ? QString() : text.left(room);
}

void SmsTextEdit::replaceSelection(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.insertText(fitting(text));
    setTextCursor(cursor);
}

void SmsTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        if (m_filter && m_filter(typed.at(0)))
            return;
        const QTextCursor cursor = textCursor();
        if (!cursor.hasSelection() && toPlainText().size() >= m_maxLength)
            return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SmsTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText())
        replaceSelection(source->text());
}

void SmsTextEdit::dropEvent(QDropEvent* event) {
    const QMimeData* dropped = event->mimeData();
    if (!dropped || !dropped->hasText()) {
        event->ignore();
        return;
    }
    // The text goes where the selection (or caret) is, not where it was dropped.
    replaceSelection(dropped->text());
    event->acceptProposedAction();
}
