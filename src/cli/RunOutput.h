#pragma once

#include "messaging/SendOutcome.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

// What velvox-send prints: messages on standard error; on standard output
// one line (or one JSON object) per request outcome and a summary. On a
// terminal a mass run shows a progress bar instead of a line per request.
class RunOutput {
public:
    struct Style {
        bool json = false;
        bool progressBar = false; // standard output is a terminal
    };
    RunOutput(Style style, FILE* out = stdout, FILE* err = stderr);

    // A German message for the user.
    void message(const QString& text);

    // "confirmed", "refused", "not_sent", "no_answer".
    static QString outcomeName(SendOutcome::Kind kind);
    // "übermittelt", "abgelehnt", "nicht versendet", "ohne Antwort (Status unbekannt)".
    static QString outcomeText(SendOutcome::Kind kind);

    // The number of requests the action is expected to make (for the bar).
    void begin(qint64 expected);
    void outcome(const QString& recipient, SendOutcome::Kind kind, const QString& reply);
    // counts: every outcome of the action; cancelled: Ctrl+C ended it early.
    void summary(const SendOutcome::RunCounts& counts, bool cancelled, int exitCode);

    // What --dry-run and --balance print.
    struct Planned {
        QString recipient;
        int requests = 0; // parts handed over one by one
        int characters = 0;
        int sms = 0;
    };
    void planned(const Planned& p);
    void plannedTotal(qint64 recipients, qint64 sms, qint64 credits);
    void balance(qint32 credits);

    // The progress bar line without the carriage return (for tests too).
    static QString barLine(qint64 done, qint64 expected, const SendOutcome::RunCounts& counts, double perSecond);

private:
    void line(FILE* f, const QString& text);
    void json(const class QJsonObject& object);
    void drawBar();
    void clearBar();

    Style m_style;
    FILE* m_out;
    FILE* m_err;
    qint64 m_expected = 0;
    SendOutcome::RunCounts m_counts;
    QElapsedTimer m_clock;
    bool m_barShown = false;
};
