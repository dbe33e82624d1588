#include "messaging/ServiceContract.h"

#include "platform/mUrlEncode.h"

#include <algorithm>

namespace ServiceContract {

namespace {

// Reply pieces lose blanks only: a line feed at a piece's edge is removed
// later, and the blanks next to it stay.
QString trimBlanks(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && s.at(end - 1) == QLatin1Char(' '))
        --end;
    return s.mid(begin, end - begin);
}

} // namespace

QString acceptedPhrase() {
    return QStringLiteral("wurde erfolgreich an das Gateway übermittelt.");
}

QString createdPhrase() {
    return QStringLiteral("wurde angelegt.");
}

QStringList splitGatewayReply(const QString& reply) {
    QStringList pieces = reply.split(QLatin1Char(';'));
    for (QString& piece : pieces) {
        piece = trimBlanks(piece);
        piece.remove(QLatin1Char('\n'));
    }
    return pieces;
}

bool isAcceptedPiece(const QString& piece) {
    return piece.contains(acceptedPhrase(), Qt::CaseInsensitive) ||
           piece.contains(createdPhrase(), Qt::CaseInsensitive);
}

bool isAcceptedReply(const QString& reply) {
    // Neither phrase holds a ";" or a line feed: found in the reply, it is
    // found in one of its pieces. Without a line feed to remove, the pieces
    // hold nothing the reply does not.
    if (reply.contains(acceptedPhrase(), Qt::CaseInsensitive) || reply.contains(createdPhrase(), Qt::CaseInsensitive))
        return true;
    if (!reply.contains(QLatin1Char('\n')))
        return false;
    const QStringList pieces = splitGatewayReply(reply);
    return std::any_of(pieces.cbegin(), pieces.cend(), isAcceptedPiece);
}

QString balanceUrl(const QString& smsCountEndpoint, const QString& email) {
    return smsCountEndpoint + mUrlEncode::encodeQueryValue(email);
}

BalanceReply parseBalanceReply(const QString& reply) {
    const QString t = reply.trimmed();
    BalanceReply r;
    if (t == QLatin1String("-1")) {
        r.kind = BalanceReply::Kind::NotLoggedIn;
        return r;
    }
    bool ok = false;
    const qint32 n = t.toInt(&ok);
    if (ok) {
        r.kind = BalanceReply::Kind::Balance;
        r.balance = n;
    }
    return r;
}

bool isAccountAccepted(const QString& reply) {
    bool ok = false;
    const qint64 n = reply.trimmed().toLongLong(&ok);
    return ok && n == 0;
}

qint64 Version::number() const {
    return qint64(major) * 1000000 + qint64(minor) * 1000 + revision;
}

bool isNoConnectionReply(const QString& reply) {
    return reply.isEmpty();
}

std::optional<Version> parseVersionReply(const QString& reply) {
    const QStringList fields = reply.trimmed().split(QLatin1Char('.'));
    if (fields.size() < 3)
        return std::nullopt;
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = fields.at(i).trimmed().toShort(&ok);
        if (!ok)
            return std::nullopt;
    }
    return Version{values[0], values[1], values[2]};
}

std::optional<qint16> parseNewsNumber(const QString& reply) {
    bool ok = false;
    const qint16 n = reply.trimmed().toShort(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

bool isTelefonLink(const QString& url) {
    return url.contains(QLatin1String("telefon://"));
}

std::optional<TelefonLink> parseTelefonLink(const QString& url) {
    if (!isTelefonLink(url))
        return std::nullopt;
    QString rest = url;
    rest.remove(QLatin1String("telefon://"));
    const QStringList fields = rest.split(QLatin1Char('@'));
    if (fields.size() < 2)
        return std::nullopt;
    TelefonLink link;
    link.name = fields.at(0);
    link.name.replace(QLatin1String("%20"), QLatin1String(" "));
    link.number = fields.at(1);
    return link;
}

bool isGroupLink(const QString& url) {
    return url.contains(QLatin1String("gruppe://")) || url.contains(QLatin1String("gruppe//"));
}

std::optional<QString> groupFileFromLink(const QString& url, const QString& webGroupDir) {
    for (const QLatin1String prefix : {QLatin1String("http://gruppe://"), QLatin1String("http://gruppe//")}) {
        if (url.startsWith(prefix))
            return webGroupDir + url.mid(prefix.size());
    }
    return std::nullopt;
}

bool isCloseLink(const QString& url) {
    return url.contains(QLatin1String("close://"));
}

} // namespace ServiceContract
