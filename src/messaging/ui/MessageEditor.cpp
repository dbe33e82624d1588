#include "messaging/ui/MessageEditor.h"

#include "widgets/HeaderArea.h"
#include "config/cOptionen.h"
#include "messaging/MessageText.h"
#include "messaging/SendContext.h"
#include "widgets/SmsTextEdit.h"
#include "widgets/FieldMark.h"
#include "widgets/ToolbarButton.h"

#include <QFrame>
#include <QLineEdit>

MessageEditor::MessageEditor(const Fields& fields, SendContext& context, HeaderArea& header, QObject* parent)
    : QObject(parent), m_f(fields), m_context(context), m_header(header) {
    m_f.text->setMaxLength(MessageText::kMaxCountedSize);
    m_f.text->setTypedCharFilter(&MessageText::isDiscardedTypedChar);
    connect(m_f.text, &SmsTextEdit::textChanged, this, &MessageEditor::onTextChanged);
    const auto connectPlaceholder = [this](ToolbarButton* button, const QString& text) {
        connect(button, &ToolbarButton::Click, this, [this, text] { insertPlaceholder(text); });
    };
    connectPlaceholder(m_f.replaceName, MessageText::nameInsert());
    connectPlaceholder(m_f.replaceFrei1, MessageText::frei1Insert());
    connectPlaceholder(m_f.replaceFrei2, MessageText::frei2Insert());
}

void MessageEditor::onTextChanged() {
    m_f.reuseBox->hide();
    recalcSmsSize();
}

void MessageEditor::setListFigures(const ListFigures& figures) {
    m_figures = figures;
    recalcSmsSize();
}

void MessageEditor::recalcSmsSize() {
    const cOptionen& o = options();
    const ListFigures& figures = m_figures;
    MessageText::SizeInput in;
    in.text = m_f.text->toPlainText();
    in.longSms = MessageText::longSmsInForce(o.isLongSmsEnabled, o.isAbsenderkennung);
    in.massMode = m_context.massMode;
    in.maxName = figures.maxName;
    in.maxFrei1 = figures.maxFrei1;
    in.maxFrei2 = figures.maxFrei2;
    in.entries = figures.entries;
    const MessageText::SizeResult r = MessageText::recalcSmsSize(in);

    markField(m_f.text, r.overLimit);
    if (r.overLimit)
        m_header.showHeaderWarning(MessageText::overLimitWarning());
    else
        m_header.resetHeader();
    m_f.sendButton->setEnabled(!r.overLimit && !m_context.massRunActive);
    if (m_context.massMode) {
        m_f.massSize->setText(QString::number(r.estimate));
        m_f.perMessage->setText(QString::number(r.perMessage));
        m_f.massCount->setText(QString::number(r.massTotal));
    } else {
        m_f.size->setText(QString::number(r.size));
        m_f.count->setText(QString::number(r.smsCount));
    }
}

void MessageEditor::insertPlaceholder(const QString& placeholder) {
    m_f.text->replaceSelection(placeholder);
    m_f.text->setFocus();
}
