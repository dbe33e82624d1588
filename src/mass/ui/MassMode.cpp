#include "mass/ui/MassMode.h"

#include "widgets/HeaderArea.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "mass/UnsendableNumbers.h"
#include "mass/ui/MassRun.h"
#include "mass/ui/frmMultiSMS.h"
#include "mass/ui/frmMultiSMSLog.h"
#include "mass/ui/frmOpenWebGroup.h"
#include "messaging/CreditBalance.h"
#include "messaging/MessageText.h"
#include "messaging/SendContext.h"
#include "messaging/SendRules.h"
#include "messaging/ui/CreditDisplay.h"
#include "messaging/ui/GatewaySender.h"
#include "messaging/ui/SendWorkflow.h"
#include "widgets/SmsTextEdit.h"
#include "platform/Prompts.h"
#include "widgets/FieldMark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

MassMode::MassMode(const Fields& fields, const Parts& parts, QObject* parent)
    : QObject(parent), m_f(fields), m_p(parts) {
    ensureWindows();
    m_p.editor.setListFigures([this] { return figures(); });
    m_p.workflow.setMassSend([this](int perSms) { sendMass(perSms); });
    m_p.sender.setMassLog([this](const QString& line) {
        if (m_log)
            m_log->addLine(line);
    });
}

MassMode::~MassMode() = default;

void MassMode::ensureWindows() {
    if (!m_list) {
        m_list = new frmMultiSMS(m_f.window);
        m_list->setOnRecalc([this] { m_p.editor.recalcSmsSize(); });
        // The list's preview and marks follow the message as it is typed.
        connect(m_p.editor.textField(), &SmsTextEdit::textChanged, m_list, [this] { showMessageInList(); });
        connect(m_list, &frmMultiSMS::closedByUser, this, &MassMode::onListClosed);
        attachWebGroups(*m_list);
    }
    if (!m_log) {
        m_log = new frmMultiSMSLog(m_f.window);
        m_run = new MassRun(m_p.sender, *m_log, this);
        m_run->setOnFinished([this] { onRunFinished(); });
    }
}

MessageEditor::ListFigures MassMode::figures() const {
    if (!m_list)
        return {};
    const RecipientList& l = m_list->list();
    return {l.getMaxNameSize(), l.getMaxFrei1Size(), l.getMaxFrei2Size(), l.count()};
}

frmMultiSMS* MassMode::listWindow() const {
    return m_list;
}

frmMultiSMSLog* MassMode::logWindow() const {
    return m_log;
}

bool MassMode::runActive() const {
    return m_run && m_run->isRunning();
}

void MassMode::toggle() {
    if (runActive())
        return;
    if (m_p.context.massMode)
        disableMultiSMS();
    else
        enableMultiSMS();
}

void MassMode::enableMultiSMS() {
    ensureWindows();
    m_phonebookWasEnabled = m_f.phonebookButton->isEnabled();
    m_f.phonebookButton->setEnabled(false);
    if (m_closePhonebook)
        m_closePhonebook();
    m_f.name->setCurrentIndex(-1);
    m_f.name->setEditText(QStringLiteral("MultiSMS"));
    m_f.name->setEnabled(false);
    m_f.number->setEnabled(false);
    m_f.number->clear();
    markField(m_f.number, false);
    m_p.header.resetHeader();
    m_f.prefix->setEnabled(false);
    m_f.prefix->setCurrentIndex(-1);
    m_list->placeBeside(m_f.window);
    m_list->show();
    m_f.placeholders->show();
    m_f.variablesBar->show();
    m_f.privat->setEnabled(false);
    m_f.publicBook->setEnabled(false);
    m_p.context.massMode = true;
    showMessageInList();
    // The mass counters show the list's figures at once, not only after the next keystroke.
    m_p.editor.recalcSmsSize();
}

void MassMode::showMessageInList() {
    const cOptionen& o = options();
    m_list->setMessage(m_p.editor.textField()->toPlainText(),
                       MessageText::longSmsInForce(o.isLongSmsEnabled, o.isAbsenderkennung));
}

void MassMode::disableMultiSMS() {
    m_f.phonebookButton->setEnabled(m_phonebookWasEnabled);
    if (m_list)
        m_list->hide();
    m_f.name->setEditText(QString());
    m_f.name->setEnabled(true);
    m_f.number->setEnabled(true);
    m_f.prefix->setEnabled(true);
    m_f.placeholders->hide();
    m_f.variablesBar->hide();
    m_f.privat->setEnabled(true);
    m_f.publicBook->setEnabled(true);
    m_p.context.massMode = false;
    m_p.editor.recalcSmsSize();
}

void MassMode::onListClosed() {
    // Closing the list during a run stops the run; mass mode ends either way.
    cancelRun();
    disableMultiSMS();
}

void MassMode::sendMass(int perSms) {
    if (runActive())
        return;
    ensureWindows();
    const QList<RecipientEntry>& all = m_list->list().entries();
    const std::optional<QList<RecipientEntry>> chosen = UnsendableNumbers::confirm(all);
    if (!chosen || chosen->isEmpty())
        return;
    QList<SendRules::MassEntry> entries;
    for (const RecipientEntry& e : *chosen)
        entries.append({e.name, e.number, e.frei1, e.frei2});
    const qint64 total = CreditBalance::massSmsFor(m_f.massCount->text().toLongLong(), entries.size(), all.size());
    if (!CreditBalance::creditsSuffice(m_p.context.creditBalance, total, perSms)) {
        Prompts::show(Prompts::Icon::Warning, Product::productName(), CreditBalance::notEnoughForAllText());
        return;
    }
    if (Prompts::show(Prompts::Icon::Warning, Product::productName(),
                      SendRules::massConfirmText(int(entries.size())),
                      Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return;
    const QString text = m_p.editor.textField()->toPlainText();
    m_p.sender.beginAction(text, QString(), QString(), true);
    setRunActive(true);
    m_run->start(entries, text);
}

void MassMode::setRunActive(bool active) {
    // While a run walks its snapshot nothing starts a second one or changes
    // the list. Afterwards the buttons are as they were before.
    m_p.context.massRunActive = active;
    if (active) {
        m_enabledBeforeRun = {m_f.scheduleButton->isEnabled(), m_f.modeButton->isEnabled()};
        m_f.scheduleButton->setEnabled(false);
        m_f.modeButton->setEnabled(false);
    } else {
        m_f.scheduleButton->setEnabled(m_enabledBeforeRun.first);
        m_f.modeButton->setEnabled(m_enabledBeforeRun.second);
    }
    m_f.sendButton->setEnabled(!active);
    if (m_list)
        m_list->setEditingLocked(active);
}

void MassMode::onRunFinished() {
    setRunActive(false);
    m_p.editor.recalcSmsSize(); // the send button follows the text's limit again
    m_p.workflow.confirmHandovers();
    m_p.credits.refreshCredits();
}

void MassMode::cancelRun() {
    // As the log's "Abbrechen": the cancel line once, the rest of the run sends nothing.
    if (runActive() && m_log && !m_log->cancelSend())
        m_log->onCloseClicked();
}

void MassMode::mainWindowClosing() {
    cancelRun();
    if (m_log)
        m_log->close();
    if (m_list)
        m_list->closeQuietly();
}
