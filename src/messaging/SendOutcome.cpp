#include "messaging/SendOutcome.h"

#include "messaging/GatewayReply.h"
#include "messaging/ServiceContract.h"

#include <QLocale>

namespace SendOutcome {

Kind classify(const Ending& e) {
    if (e.complete)
        return ServiceContract::isAcceptedReply(e.reply) ? Kind::Confirmed : Kind::Refused;
    if (e.status > 0)
        return Kind::Refused;
    // Anything else (time-out, connection dropped after the request left)
    // may have reached the gateway.
    return e.failedBeforeSending ? Kind::NotSent : Kind::NoAnswer;
}

QString noAnswerText(const QString& recipient) {
    return QStringLiteral("Die SMS an ") + recipient +
           QStringLiteral(" wurde vielleicht versendet: das SMS Gateway hat nicht geantwortet (Status unbekannt).");
}

QString errorStatusText(const QString& recipient, int status) {
    return QStringLiteral("Die SMS an ") + recipient +
           QStringLiteral(" wurde nicht versendet: das SMS Gateway hat mit einem Fehler geantwortet (Status ") +
           QString::number(status) + QStringLiteral(").");
}

QString notSentText(const QString& recipient) {
    return QStringLiteral("Die SMS an ") + recipient +
           QStringLiteral(" wurde NICHT versendet: das SMS Gateway war nicht erreichbar.");
}

QStringList massLogLines(const Ending& e, const QString& recipient, const QString& stamp) {
    if (e.complete)
        return GatewayReply::massLogLines(e.reply, stamp);
    QString text;
    switch (classify(e)) {
    case Kind::Refused:
        text = errorStatusText(recipient, e.status);
        break;
    case Kind::NotSent:
        text = notSentText(recipient);
        break;
    case Kind::NoAnswer:
    case Kind::Confirmed:
        text = noAnswerText(recipient);
        break;
    }
    return {GatewayReply::massLogLine(text, stamp)};
}

void RunCounts::add(Kind k) {
    switch (k) {
    case Kind::Confirmed:
        ++confirmed;
        break;
    case Kind::Refused:
        ++refused;
        break;
    case Kind::NotSent:
        ++notSent;
        break;
    case Kind::NoAnswer:
        ++noAnswer;
        break;
    }
}

QString RunCounts::endLine() const {
    const QLocale german(QLocale::German, QLocale::Germany);
    QString line = german.toString(confirmed) + QStringLiteral(" übermittelt, ") + german.toString(refused) +
                   QStringLiteral(" abgelehnt, ") + german.toString(noAnswer) + QStringLiteral(" ohne Antwort");
    if (notSent > 0)
        line += QStringLiteral(", ") + german.toString(notSent) + QStringLiteral(" nicht versendet");
    return line;
}

} // namespace SendOutcome
