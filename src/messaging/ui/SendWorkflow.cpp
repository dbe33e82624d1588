#include "messaging/ui/SendWorkflow.h"

#include "widgets/HeaderArea.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "lists/clsMRU.h"
#include "messaging/CreditBalance.h"
#include "messaging/RecipientNumber.h"
#include "messaging/SendContext.h"
#include "messaging/SendRules.h"
#include "messaging/ui/CreditDisplay.h"
#include "messaging/ui/GatewaySender.h"
#include "messaging/ui/MessageEditor.h"
#include "messaging/ui/RecipientInput.h"
#include "widgets/SmsTextEdit.h"
#include "platform/Prompts.h"
#include "server/xmlServer.h"
#include "widgets/FieldMark.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

SendWorkflow::SendWorkflow(const Fields& fields, const Parts& parts, QObject* parent)
    : QObject(parent), m_f(fields), m_p(parts) {}

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
    // Each send action confirms its hand-overs once.
    m_p.context.handoverCounter = 0;
    m_p.context.password = getPassword();
    const cOptionen& o = options();
    const int perSms = CreditBalance::creditsPerSms(o.isAbsenderkennung, o.isAntwortEnabled);
    m_p.editor.onTextChanged();

    if (m_p.context.massMode) {
        if (m_massSend)
            m_massSend(perSms);
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
    m_p.sender.tm().setInterval(m_sendTimeoutMs);
    m_p.sender.tm().start();
    m_f.window->setCursor(Qt::WaitCursor);
    const auto recipient = RecipientNumber::resolveRecipient(m_p.recipient.selectedKey(), m_f.number->text());
    if (!recipient) {
        // No false time-out message after a send that never started.
        m_p.sender.tm().stop();
        m_f.window->unsetCursor();
        Prompts::show(Prompts::Icon::Error, Product::productName(), RecipientNumber::unknownPrefixText());
        return;
    }
    const QString text = m_f.text->toPlainText();
    m_p.sender.beginAction(text, m_f.name->currentText(), m_f.number->text(), false);
    const int started = m_p.sender.sendText(*recipient, text, m_f.name->currentText());
    if (started == 0 || options().xmlIsServerUsed) {
        m_p.sender.tm().stop();
        m_f.window->unsetCursor();
    }
    confirmHandovers();
    m_p.credits.refreshCredits();
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
    ++m_p.context.handoverCounter;
}

void SendWorkflow::confirmHandovers() {
    // Once per send action, after its last part, whatever number of parts or
    // entries it handed over (also when the folder setting is missing).
    if (m_p.context.handoverCounter == 0)
        return;
    m_p.context.handoverCounter = 0;
    const cOptionen& o = options();
    Prompts::show(Prompts::Icon::None, Product::applicationTitle(),
                  xmlServer::reportHandoverText(o.XmlPfad, o.xmlSingleUser, o.xmlGroupUser));
}

void SendWorkflow::onReuseClicked() {
    m_f.text->setPlainText(m_p.context.lastSentText);
    m_f.reuseLabel->parentWidget()->hide();
}
