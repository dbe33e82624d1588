#include "mass/ui/MassMode.h"

#include "widgets/HeaderArea.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "history/ResumeOffer.h"
#include "history/SendJournal.h"
#include "mass/UnsendableNumbers.h"
#include "mass/ui/frmMultiSMS.h"
#include "mass/ui/frmMultiSMSLog.h"
#include "mass/ui/frmOpenWebGroup.h"
#include "messaging/CreditBalance.h"
#include "messaging/MessageText.h"
#include "messaging/SendContext.h"
#include "messaging/SendRules.h"
#include "messaging/SendSession.h"
#include "widgets/SmsTextEdit.h"
#include "platform/Prompts.h"
#include "widgets/FieldMark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

MassMode::MassMode(const Fields& fields, const Parts& parts, QObject* parent)
    : QObject(parent), m_f(fields), m_p(parts) {
    ensureWindows();
    SendSession& session = m_p.session;
    connect(&session, &SendSession::runStarted, this, [this](int maximum) {
        if (m_log)
            m_log->startRun(maximum);
    });
    connect(&session, &SendSession::runProgress, this, [this](const SendSession::Progress& p) {
        if (!m_log)
            return;
        m_log->setStatus(p.status);
        m_log->setProgress(p.value);
    });
    connect(&session, &SendSession::runLogLine, this, [this](const QString& line) {
        if (m_log)
            m_log->addLine(line);
    });
    connect(&session, &SendSession::runFinished, this, &MassMode::onRunFinished);
    connect(&session, &SendSession::actionEnded, this, [this] {
        if (std::exchange(m_runEnding, false))
            emit runEnded();
    });
}

MassMode::~MassMode() = default;

void MassMode::ensureWindows() {
    if (!m_list) {
        m_list = new frmMultiSMS(m_f.window);
        connect(m_list, &frmMultiSMS::maxSizesChanged, this, &MassMode::recount);
        // The list's preview and marks follow the message as it is typed.
        connect(m_f.text, &SmsTextEdit::textChanged, m_list, [this] { showMessageInList(); });
        connect(m_list, &frmMultiSMS::closedByUser, this, &MassMode::onListClosed);
        attachWebGroups(*m_list);
    }
    if (!m_log) {
        m_log = new frmMultiSMSLog(m_f.window);
        connect(m_log, &frmMultiSMSLog::cancelRequested, &m_p.session, &SendSession::cancelRun);
    }
}

void MassMode::recount() {
    emit listFiguresChanged(figures());
}

MessageText::ListFigures MassMode::figures() const {
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
    return m_p.session.runActive();
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
    emit phonebookCloseRequested();
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
    recount();
    offerResume();
}

void MassMode::showMessageInList() {
    const cOptionen& o = options();
    m_list->setMessage(m_f.text->toPlainText(),
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
    recount();
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
    SendSession::Action action;
    action.text = m_f.text->toPlainText();
    action.password = m_p.context.password;
    action.schedule = m_p.context.schedule;
    action.privateBook = m_f.privat->checkState() == Qt::Checked;
    action.publicBook = m_f.publicBook->checkState() == Qt::Checked;
    setRunActive(true);
    if (!m_p.session.startMass(entries, action))
        setRunActive(false);
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

void MassMode::onRunFinished(const QString& status) {
    if (m_log)
        m_log->finishRun(status);
    setRunActive(false);
    recount(); // the send button follows the text's limit again
    // The balance is fetched once the session has confirmed the run's hand-overs.
    m_runEnding = true;
}

void MassMode::cancelRun() {
    // As the log's "Abbrechen": the cancel line once, the rest of the run sends nothing.
    if (runActive() && m_log && !m_log->cancelSend())
        m_log->onCloseClicked();
}

void MassMode::mainWindowClosing() {
    // Not a cancel the user chose: the run stays open in the record and is
    // offered again at the next start.
    m_p.session.interruptRun();
    cancelRun();
    if (m_log)
        m_log->close();
    if (m_list)
        m_list->closeQuietly();
}

void MassMode::offerResume() {
    if (!m_p.journal || runActive())
        return;
    const std::optional<SendJournal::OpenRun> run = m_p.journal->unfinishedRun();
    if (!run)
        return;
    if (run->remaining.isEmpty()) {
        // Everything went out; only its end was not written down.
        if (m_p.journal->claimRun(run->action))
            m_p.journal->actionEnded(run->action, false);
        return;
    }
    Prompts::Message question{Prompts::Icon::Question, Product::productName(), ResumeOffer::questionText(*run),
                              Prompts::Buttons::YesNoCancel, ResumeOffer::captions()};
    switch (Prompts::show(question)) {
    case Prompts::Answer::Yes:
        sendRecorded(*run, run->remaining, false);
        break;
    case Prompts::Answer::No: // "Verwerfen"
        m_p.journal->discardRun(run->action);
        break;
    default: // "Nein", or the box closed: kept for later
        break;
    }
}

void MassMode::resend(qint64 action, const QList<int>& places) {
    if (!m_p.journal || runActive() || places.isEmpty())
        return;
    const std::optional<SendJournal::OpenRun> run = m_p.journal->runOf(action);
    if (!run)
        return;
    // The history window has asked whether to send them again; what follows
    // is what any run asks: the credits, then the number of messages.
    sendRecorded(*run, places, true);
}

bool MassMode::sendRecorded(const SendJournal::OpenRun& run, const QList<int>& places, bool reopen) {
    ensureWindows();
    const cOptionen& o = options();
    // The same checks as a new run: the credits for what is left, then the question.
    const qint64 sms = ResumeOffer::smsCount(run.entries, places, run.text, o.isAbsenderkennung, o.isLongSmsEnabled);
    const int perSms = CreditBalance::creditsPerSms(o.isAbsenderkennung, o.isAntwortEnabled);
    if (!CreditBalance::creditsSuffice(m_p.context.creditBalance, sms, perSms)) {
        Prompts::show(Prompts::Icon::Warning, Product::productName(), CreditBalance::notEnoughForAllText());
        return false;
    }
    if (!places.isEmpty() &&
        Prompts::show(Prompts::Icon::Warning, Product::productName(), SendRules::massConfirmText(int(places.size())),
                      Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return false;
    if (!m_p.journal->claimRun(run.action, reopen)) {
        Prompts::show(Prompts::Icon::Information, Product::productName(), ResumeOffer::takenElsewhereText());
        return false;
    }
    SendSession::Action a;
    a.text = run.text;
    a.schedule = run.schedule;
    a.password = getPassword();
    setRunActive(true);
    if (!m_p.session.resumeMass(run.action, run.entries, places, a)) {
        setRunActive(false);
        return false;
    }
    return true;
}
