#include "messaging/GatewayReply.h"

#include "messaging/ServiceContract.h"

namespace GatewayReply {

SingleOutcome interpretSingleReply(const QString& reply) {
    SingleOutcome o;
    for (const QString& piece : ServiceContract::splitGatewayReply(reply)) {
        o.boxText += piece + QStringLiteral("\r\n");
        if (ServiceContract::isAcceptedPiece(piece))
            ++o.acceptedPieces;
    }
    return o;
}

QString replyBoxTitle() {
    return QStringLiteral("Antwort des SMS Gateways");
}

QStringList massLogLines(const QString& reply, const QString& stamp) {
    QStringList lines;
    for (const QString& piece : ServiceContract::splitGatewayReply(reply))
        lines.append(massLogLine(piece, stamp));
    return lines;
}

QString massLogLine(const QString& piece, const QString& stamp) {
    return stamp + QStringLiteral(" - ") + piece + QStringLiteral("\r\n");
}

QString logStamp(const QDateTime& at, const QLocale& locale) {
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    if (!timeFormat.contains(QLatin1Char('s'))) {
        const qsizetype minutes = timeFormat.lastIndexOf(QLatin1String("mm"));
        if (minutes >= 0)
            timeFormat.insert(minutes + 2, QLatin1String(":ss"));
        else
            timeFormat = QStringLiteral("HH:mm:ss");
    }
    return locale.toString(at.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(at.time(), timeFormat);
}

QString timeoutText() {
    return QStringLiteral("Das SMS Gateway hat auf die Anfrage nicht reagiert.\r\n"
                          "Mit hoher Wahrscheinlichkeit wurde die Nachricht NICHT versendet.");
}

} // namespace GatewayReply
