#include "widgets/SmsTextEdit.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

SmsTextEdit::SmsTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

int SmsTextEdit::room(int replaced) const {
    const QTextCursor cursor = textCursor();
    const int selected = int(cursor.selectionEnd() - cursor.selectionStart());
    return m_maxLength - int(toPlainText().size()) + selected + replaced;
}

QString SmsTextEdit::fitting(const QString& text, int replaced) const {
    const int free = room(replaced);
    return free <= 0 ? QString() : text.left(free);
}

QString SmsTextEdit::filtered(const QString& typed) const {
    if (!m_filter)
        return typed;
    QString kept = typed;
    kept.removeIf([this](QChar c) { return m_filter(c); });
    return kept;
}

void SmsTextEdit::replaceSelection(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.insertText(fitting(text));
    setTextCursor(cursor);
}

void SmsTextEdit::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    // Ctrl+Alt is AltGr on Windows keyboards ("\" is AltGr+ß): that types text
    // too, only Ctrl alone makes a shortcut.
    const bool shortcut = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    if (!shortcut && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (room() <= 0)
            return; // a line break is one character too
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    if (shortcut || typed.isEmpty() || !typed.at(0).isPrint()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString kept = filtered(typed);
    if (kept.isEmpty() || room() <= 0)
        return;
    if (kept == typed && typed.size() <= room()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    replaceSelection(kept);
}

void SmsTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Dead keys and input methods deliver typed characters as a commit: the
    // same filter and limit as for keys. The preedit is not text yet.
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    const QString kept = fitting(filtered(commit), event->replacementLength());
    if (kept == commit) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent limited(event->preeditString(), event->attributes());
    limited.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&limited);
    event->accept();
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
