#include "cli/SendRun.h"

#include "cli/SendPlan.h"
#include "cli/StderrPrompts.h"
#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/ProxyConfig.h"
#include "config/cOptionen.h"
#include "messaging/CreditBalance.h"
#include "history/SendJournal.h"
#include "messaging/SendSession.h"
#include "messaging/ServiceContract.h"
#include "platform/PasswordStore.h"
#include "platform/Prompts.h"
#include "platform/Transfer.h"
#include "schedule/Clock.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kBalanceTimeoutMs = 15000;

QString noConnectionText() {
    return QStringLiteral("Keine Verbindung zum Dienst.");
}
QString noPasswordText() {
    return QStringLiteral("Kein Kennwort: in den Einstellungen, in VELVOX_PASSWORD oder mit "
                          "--password-stdin angeben.");
}

} // namespace

SendRun::SendRun(const SendArguments& args, QByteArray stdinBytes, QObject* parent)
    : QObject(parent), m_args(args), m_stdin(std::move(stdinBytes)),
      m_out({args.json, ::isatty(STDOUT_FILENO) == 1}) {
    m_prompts = std::make_unique<StderrPrompts>(args.yes, args.skipInvalid,
                                                [this](const QString& line) { m_out.message(line); });
    Prompts::install(m_prompts.get());
}

SendRun::~SendRun() {
    Prompts::install(nullptr);
}

SendRun::Input SendRun::splitInput(const QByteArray& bytes, bool passwordFirst) {
    Input in;
    QString all = QString::fromUtf8(bytes);
    if (passwordFirst) {
        const qsizetype nl = all.indexOf(QLatin1Char('\n'));
        in.password = nl < 0 ? all : all.left(nl);
        if (in.password.endsWith(QLatin1Char('\r')))
            in.password.chop(1);
        all = nl < 0 ? QString() : all.mid(nl + 1);
    }
    if (all.endsWith(QStringLiteral("\r\n")))
        all.chop(2);
    else if (all.endsWith(QLatin1Char('\n')))
        all.chop(1);
    in.text = all;
    return in;
}

int SendRun::exec() {
    PasswordStore::setEnabled(true);
    Product::loadProductName();
    if (m_args.mode == SendArguments::Mode::Balance)
        return balanceOnly();

    const Input in = splitInput(m_stdin, m_args.passwordStdin);
    const QString text = m_args.hasText ? m_args.text : in.text;
    const SendPlanner::Result planned = SendPlanner::make(m_args, text, Clock::now());
    if (!planned.error.isEmpty()) {
        m_out.message(planned.error);
        return ExitCode::BadInput;
    }
    for (const QString& notice : planned.notices)
        m_out.message(notice);
    const SendPlan& plan = planned.plan;

    if (m_args.dryRun) {
        for (const RunOutput::Planned& p : plan.planned)
            m_out.planned(p);
        m_out.plannedTotal(plan.planned.size(), plan.sms, plan.credits());
        return ExitCode::AllSent;
    }

    QString password = in.password;
    if (!m_args.passwordStdin)
        password = qEnvironmentVariable("VELVOX_PASSWORD");
    if (password.isEmpty() && !m_args.passwordStdin)
        password = options().kennwort;
    if (password.isEmpty()) {
        m_out.message(noPasswordText());
        return ExitCode::BadInput;
    }

    // The company server takes the requests without the service: as in the
    // window, an unknown balance never stops a send.
    if (!options().xmlIsServerUsed) {
        int code = ExitCode::AllSent;
        const std::optional<qint32> balance = fetchBalance(&code);
        if (!balance)
            return code;
        if (!CreditBalance::creditsSuffice(*balance, plan.sms, plan.perSms)) {
            m_out.message(CreditBalance::shortfallText(plan.credits(), *balance));
            return ExitCode::CreditsShort;
        }
    }
    return send(plan, password);
}

std::optional<qint32> SendRun::fetchBalance(int* exitCode) {
    Transfer t;
    ProxyConfig::configure(t);
    t.setTimeoutMs(kBalanceTimeoutMs);
    bool ok = false;
    const QString reply = t.openUrl(ServiceContract::balanceUrl(urlStore().getSmsCount(), options().Username), &ok);
    if (!ok) {
        m_out.message(noConnectionText());
        *exitCode = ExitCode::NoConnection;
        return std::nullopt;
    }
    const ServiceContract::BalanceReply parsed = ServiceContract::parseBalanceReply(reply);
    if (parsed.kind == ServiceContract::BalanceReply::Kind::NotLoggedIn) {
        m_out.message(QStringLiteral("Guthaben: ") + CreditBalance::notLoggedInText() +
                      QStringLiteral(" (E-Mail-Adresse in den Einstellungen prüfen)."));
        *exitCode = ExitCode::BadInput;
        return std::nullopt;
    }
    return CreditBalance::interpretBalanceReply(reply, ok).balance;
}

int SendRun::balanceOnly() {
    int code = ExitCode::AllSent;
    const std::optional<qint32> balance = fetchBalance(&code);
    if (!balance)
        return code;
    if (*balance == CreditBalance::kUnknown) {
        m_out.message(QStringLiteral("Der Dienst hat kein Guthaben genannt."));
        return ExitCode::NoConnection;
    }
    m_out.balance(*balance);
    return ExitCode::AllSent;
}

int SendRun::send(const SendPlan& plan, const QString& password) {
    // The same journal as the window's: every request on record, and a run
    // cut short by a second Ctrl+C is offered for resuming there.
    SendJournal journal;
    journal.open();
    SendSession session;
    session.setRecord(&journal);
    // As many requests under way as asked for, or as the options say.
    session.setWindow(m_args.window > 0 ? m_args.window : SendSession::kWindowFromOptions);
    m_session = &session;
    ProxyConfig::configure(session.iNet());
    connect(&session, &SendSession::requestEnded, this,
            [this](const QString& recipient, SendOutcome::Kind kind, const QString& reply) {
                m_counts.add(kind);
                m_out.outcome(recipient, kind, reply);
            });
    connect(&session, &SendSession::headerWarning, this, [this](const QString& text) { m_out.message(text); });
    connect(&session, &SendSession::runFinished, this, [this](const QString& status, const SendOutcome::RunCounts&) {
        if (status == SendRules::massNoSenderText())
            m_senderRefused = true;
    });
    connect(&session, &SendSession::actionEnded, this, [this] {
        m_ended = true;
        m_loop.quit();
    });

    SendSession::Action action;
    action.text = plan.text;
    action.password = password;
    action.schedule = plan.schedule;
    m_out.begin(plan.requests);
    if (plan.mass) {
        if (!session.startMass(plan.entries, action)) {
            // Nothing went out: the journal could not take the run (said on stderr).
            m_session = nullptr;
            session.setRecord(nullptr);
            m_out.summary(m_counts, false, ExitCode::Incomplete);
            return ExitCode::Incomplete;
        }
    } else {
        action.name = m_args.name;
        action.number = plan.single.typed;
        // As the window's "privat" box stands when it opens.
        action.privateBook = true;
        const int started = session.sendSingle(plan.single.recipient, action);
        if (started == 0 && session.senderNameRefused())
            m_senderRefused = true;
        if (started == 0 && session.isIdle())
            m_ended = true;
    }
    if (!m_ended)
        m_loop.exec();
    m_session = nullptr;
    session.setRecord(nullptr);
    const int code = exitCodeFor(plan);
    m_out.summary(m_counts, m_cancelled, code);
    return code;
}

int SendRun::exitCodeFor(const SendPlan& plan) const {
    if (m_senderRefused || m_prompts->refusedQuestions() > 0)
        return ExitCode::BadInput;
    if (m_counts.total() > 0 && m_counts.notSent == m_counts.total() && !options().xmlIsServerUsed)
        return ExitCode::NoConnection;
    if (m_counts.confirmed == plan.requests && m_counts.total() == plan.requests && plan.requests > 0)
        return ExitCode::AllSent;
    return ExitCode::Incomplete;
}

void SendRun::interrupt(int count) {
    if (count >= 2) {
        // Whatever is out now has an outcome nobody will read: say so.
        const bool inFlight = m_session && !m_session->isIdle();
        m_out.message(inFlight ? QStringLiteral("Sofort beendet. Eine Anfrage war unterwegs: ihr Status ist unbekannt.")
                               : QStringLiteral("Sofort beendet."));
        std::fflush(stdout);
        ::_exit(ExitCode::Interrupted);
    }
    if (!m_session) {
        ::_exit(ExitCode::Interrupted);
    }
    if (m_session->runActive()) {
        m_cancelled = true;
        m_session->cancelRun();
        const qint64 handedOver = m_counts.total() + m_session->requestsUnderWay();
        m_out.message(SendRules::massCancellingText());
        m_out.message(QStringLiteral("Abbruch: %1 Anfragen übergeben, keine weiteren. Ein zweites Strg+C beendet sofort.")
                          .arg(handedOver));
    } else {
        // The parts of one message stay together: a text cut in half is worse than a wait.
        m_out.message(QStringLiteral("Die SMS wird zu Ende übergeben. Ein zweites Strg+C beendet sofort."));
    }
}
