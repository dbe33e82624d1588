#pragma once

#include "cli/RunOutput.h"
#include "cli/SendArguments.h"
#include "messaging/SendOutcome.h"

#include <QByteArray>
#include <QEventLoop>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class SendSession;
class StderrPrompts;
struct SendPlan;

// The exit codes of velvox-send, as --help and the README give them.
namespace ExitCode {
inline constexpr int AllSent = 0;
inline constexpr int Incomplete = 1; // refused, failed, without answer or cancelled
inline constexpr int BadInput = 2;
inline constexpr int CreditsShort = 3;
inline constexpr int NoConnection = 4;
inline constexpr int Interrupted = 130; // the second Ctrl+C
} // namespace ExitCode

// One invocation of velvox-send: the plan, the checks against the service
// (balance, credits), then the send action through SendSession, with every
// outcome printed as it arrives.
class SendRun : public QObject {
    Q_OBJECT
public:
    // stdinBytes: what standard input held, read only when the arguments
    // need it (the text, --password-stdin).
    SendRun(const SendArguments& args, QByteArray stdinBytes, QObject* parent = nullptr);
    ~SendRun() override;

    int exec();
    // Ctrl+C number count (1: as "Abbrechen"; 2: end at once).
    void interrupt(int count);

    // The first line of standard input is the password with --password-stdin;
    // the text is the rest (or all of it), one final line break dropped.
    struct Input {
        QString password;
        QString text;
    };
    static Input splitInput(const QByteArray& bytes, bool passwordFirst);

private:
    int balanceOnly();
    // The balance the credit check uses; sets *exitCode when the run must stop.
    std::optional<qint32> fetchBalance(int* exitCode);
    int send(const SendPlan& plan, const QString& password);
    int exitCodeFor(const SendPlan& plan) const;

    SendArguments m_args;
    QByteArray m_stdin;
    RunOutput m_out;
    std::unique_ptr<StderrPrompts> m_prompts;
    SendSession* m_session = nullptr;
    QEventLoop m_loop;
    SendOutcome::RunCounts m_counts;
    bool m_ended = false;
    bool m_cancelled = false;
    bool m_senderRefused = false;
};
