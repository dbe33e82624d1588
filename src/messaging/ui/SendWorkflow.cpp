#include "messaging/ui/SendWorkflow.h"

#include "widgets/HeaderArea.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "lists/clsMRU.h"
#include "messaging/CreditBalance.h"
#include "messaging/RecipientNumber.h"
#include "messaging/SendContext.h"
#include "messaging/SendRules.h"
#include "messaging/SendSession.h"
#include "messaging/ui/CreditDisplay.h"
#include "messaging/ui/MessageEditor.h"
#include "messaging/ui/RecipientInput.h"
#include "widgets/SmsTextEdit.h"
#include "platform/Prompts.h"
#include "widgets/FieldMark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

SendWorkflow::SendWorkflow(const Fields& fields, const Parts& parts, QObject* parent)
    : QObject(parent), m_f(fields), m_p(parts) {
    connect(&m_p.session, &SendSession::singleAccepted, this, &SendWorkflow::onAccepted);
    connect(&m_p.session, &SendSession::headerCleared, this, [this] { m_p.header.resetHeader(); });
    connect(&m_p.session, &SendSession::headerWarning, this,
            [this](const QString& text) { m_p.header.showHeaderWarning(text); });
    connect(&m_p.session, &SendSession::busyChanged, this, [this](bool busy) {
        if (busy)
            m_f.window->setCursor(Qt::WaitCursor);
        else
            m_f.window->unsetCursor();
    });
}

void SendWorkflow::setSendTimeoutMs(int ms) {
    m_p.session.setSendTimeoutMs(ms);
}

bool SendWorkflow::validateSendForm() {
    m_p.header.resetHeader();
    markField(m_f.name, false);
    markField(m_f.prefix, false);
    markField(m_f.text, false);

    SendRules::FormInput in;
    in.massMode = m_p.context.massMode;
    in.prefixSelected = m_f.prefix->currentIndex() >= 0;
    in.number = m_f.number->text();
    in.text = m_f.text->toPlainText();
    const SendRules::FormCheck check = SendRules::validateSendForm(in);
    if (check.markPrefix)
        markField(m_f.prefix, true);
    if (check.markNumber)
        markField(m_f.number, true);
    if (check.markText)
        markField(m_f.text, true);
    if (check.ok)
        return true;
    m_p.header.showHeaderWarning(SendRules::correctFieldsText());
    Prompts::show(Prompts::Icon::Warning, Product::productName(), check.boxText);
    return false;
}

void SendWorkflow::onSendClicked() {
    // One send at a time: a running mass run owns the sending component.
    if (m_p.context.massRunActive)
        return;
    if (!validateSendForm())
        return;
    m_p.context.password = getPassword();
    const cOptionen& o = options();
    const int perSms = CreditBalance::creditsPerSms(o.isAbsenderkennung, o.isAntwortEnabled);
    m_p.editor.onTextChanged();

    if (m_p.context.massMode) {
        emit massSendRequested(perSms);
        m_p.context.password.clear();
        return;
    }
    const int count = m_f.count->text().toInt();
    if (!CreditBalance::creditsSuffice(m_p.context.creditBalance, count, perSms)) {
        Prompts::show(Prompts::Icon::Warning, Product::productName(),
                      CreditBalance::notEnoughForMessageText());
        m_p.context.password.clear();
        return;
    }
    m_p.mru.Add(
        SendRules::recentEntry(m_f.name->currentText(), m_p.recipient.selectedKey(), m_f.number->text()));
    m_p.mru.StoreSettings();
    sendSingle();
    m_p.recipient.fillNameList(m_p.mru);
    m_p.context.password.clear();
}

void SendWorkflow::sendSingle() {
    const auto recipient = RecipientNumber::resolveRecipient(m_p.recipient.selectedKey(), m_f.number->text());
    if (!recipient) {
        Prompts::show(Prompts::Icon::Error, Product::productName(), RecipientNumber::unknownPrefixText());
        return;
    }
    SendSession::Action action;
    action.text = m_f.text->toPlainText();
    action.name = m_f.name->currentText();
    action.number = m_f.number->text();
    action.password = m_p.context.password;
    action.schedule = m_p.context.schedule;
    action.privateBook = m_f.privat->checkState() == Qt::Checked;
    action.publicBook = m_f.publicBook->checkState() == Qt::Checked;
    m_p.session.sendSingle(*recipient, action);
    m_p.credits.refreshCredits();
}

void SendWorkflow::onAccepted(const QString& text, const QString& name, const QString& number) {
    // The whole text of the send action, also after a split send; and only
    // fields that still hold what was sent are emptied, so nothing typed
    // while the reply was on its way is lost.
    m_p.context.lastSentText = text;
    m_f.reuseLabel->setToolTip(text);
    if (m_f.text->toPlainText() == text)
        m_f.text->clear();
    m_f.reuseBox->show();
    if (m_f.number->text() == number && m_f.name->currentText() == name) {
        m_f.name->setCurrentIndex(-1);
        m_f.name->setEditText(QString());
        m_f.number->clear();
        markField(m_f.number, false);
    }
}

void SendWorkflow::onScheduledSendClicked() {
    const QVariant record = Prompts::dialog(QString::fromLatin1(Prompts::Dialog::TimeControl),
                                            {{QStringLiteral("lastStart"), m_p.context.lastScheduleStart}});
    const std::optional<CCronjob> job = CCronjob::fromVariant(record);
    if (!job)
        return;
    m_p.context.schedule = *job;
    onSendClicked();
    m_p.context.lastScheduleStart = job->StartTime;
    m_p.context.schedule.reset();
}

void SendWorkflow::reportHandover() {
    m_p.session.countHandover();
}

void SendWorkflow::confirmHandovers() {
    m_p.session.confirmHandovers();
}

void SendWorkflow::onReuseClicked() {
    m_f.text->setPlainText(m_p.context.lastSentText);
    m_f.reuseLabel->parentWidget()->hide();
}
