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
        lines.append(stamp + QStringLiteral(" - ") + piece + QStringLiteral("\r\n"));
    return lines;
}

QString prependToLog(const QString& log, const QStringList& lines) {
    QString result = log;
    for (const QString& line : lines)
        result.prepend(line);
    return result;
}

QString timeoutText() {
    return QStringLiteral("Das SMS Gateway hat auf die Anfrage nicht reagiert.\r\n"
                          "Mit hoher Wahrscheinlichkeit wurde die Nachricht NICHT versendet.");
}

} // namespace GatewayReply
