// The gateway's reply to a send: decoded by its content type, split into
// pieces, shown in the reply box and logged during a mass run.
#include "FuzzSupport.h"

#include "messaging/GatewayReply.h"
#include "messaging/ServiceContract.h"
#include "platform/Transfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [contentType, body] = fuzz::splitAtNul(fuzz::bytes(data, size));
    const QString reply = decodeReplyBody(body, contentType);

    const QStringList pieces = ServiceContract::splitGatewayReply(reply);
    const GatewayReply::SingleOutcome single = GatewayReply::interpretSingleReply(reply);
    fuzz::require(single.acceptedPieces >= 0 && single.acceptedPieces <= pieces.size(),
                  "more accepted pieces than pieces", reply);
    fuzz::require((single.acceptedPieces > 0) == ServiceContract::isAcceptedReply(reply),
                  "reply box and accepted check disagree", reply);
    QString joined;
    for (const QString& piece : pieces) {
        fuzz::require(!piece.contains(QLatin1Char('\n')), "a piece keeps a line feed", piece);
        fuzz::require(!piece.contains(QLatin1Char(';')), "a piece keeps a separator", piece);
        joined += piece + QStringLiteral("\r\n");
    }
    fuzz::require(single.boxText == joined, "reply box is not the pieces in order", reply);

    const QString stamp = QStringLiteral("09.12.26 10:00:00");
    const QStringList lines = GatewayReply::massLogLines(reply, stamp);
    fuzz::require(lines.size() == pieces.size(), "one log line per piece", reply);
    for (qsizetype i = 0; i < lines.size(); ++i)
        fuzz::require(lines[i] == stamp + QStringLiteral(" - ") + pieces[i] + QStringLiteral("\r\n"),
                      "log line is not stamp and piece", lines[i]);
    return 0;
}
