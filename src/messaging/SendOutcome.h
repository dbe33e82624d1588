#pragma once

#include <QString>
#include <QStringList>

// What became of one request to the gateway. Kept apart wherever it is shown
// or counted: a request that got no answer may well have been sent and
// charged, so it is never reported as not sent.
namespace SendOutcome {

enum class Kind {
    Confirmed,     // the gateway said it took the message
    Refused,       // the gateway answered with a refusal or an error status
    NotSent,       // failed before its bytes could reach the gateway
    NoAnswer,      // no answer within the deadline: status unknown
};

// What the transfer component knew when the request ended.
struct Ending {
    bool complete = false;   // a reply with a good status was read whole
    QString reply;           // its body
    int status = 0;          // HTTP status, 0 when none arrived
    bool failedBeforeSending = false;
};
Kind classify(const Ending& e);

// The run-log lines for one request of a mass run, oldest first, each
// stamp + " - " + text + CR LF: the gateway's own pieces when it answered
// with a body, else one line saying which outcome it was.
QStringList massLogLines(const Ending& e, const QString& recipient, const QString& stamp);

QString noAnswerText(const QString& recipient);
QString errorStatusText(const QString& recipient, int status);
QString notSentText(const QString& recipient);

// The requests of one run, counted by outcome.
struct RunCounts {
    qint64 confirmed = 0;
    qint64 refused = 0;
    qint64 notSent = 0;
    qint64 noAnswer = 0;

    void add(Kind k);
    qint64 total() const { return confirmed + refused + notSent + noAnswer; }
    // "9.998 übermittelt, 1 abgelehnt, 1 ohne Antwort", with ", n nicht
    // versendet" when some failed before they left.
    QString endLine() const;
};

} // namespace SendOutcome
