#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// What the window does with a complete gateway reply. Splitting and the
// success phrases are those of ServiceContract.
namespace GatewayReply {

// A reply to a single send.
struct SingleOutcome {
    QString boxText;        // every piece followed by CR LF, empty pieces included
    int acceptedPieces = 0; // the accepted steps run once for each
};
SingleOutcome interpretSingleReply(const QString& reply);
QString replyBoxTitle(); // "Antwort des SMS Gateways"

// A reply during a mass run: one log line per piece, stamp + " - " + piece +
// CR LF, in reply order. Each goes in front of the run log, newest first.
QStringList massLogLines(const QString& reply, const QString& stamp);
QString massLogLine(const QString& piece, const QString& stamp);
// The time stamp of a log line: the locale's short date and time, always with
// seconds (many short time forms have none, and a run sends many per minute).
QString logStamp(const QDateTime& at = QDateTime::currentDateTime(),
                 const QLocale& locale = QLocale::system());

// The send time-out message (60 s without a reply to a single send).
QString timeoutText();

} // namespace GatewayReply
