#include "account/AccountRequests.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "messaging/ServiceContract.h"
#include "platform/mUrlEncode.h"
#include "platform/Transfer.h"

namespace AccountRequests {

namespace {

Reply fetch(Transfer& transfer, const QString& url) {
    bool ok = false;
    const QString text = transfer.openUrl(url, &ok);
    Reply r;
    if (!ok) {
        r.status = transfer.lastStatus();
        return r;
    }
    r.kind = ServiceContract::isAccountAccepted(text) ? Reply::Kind::Accepted : Reply::Kind::Refused;
    return r;
}

} // namespace

QString checkUserUrl(const QString& endpoint, const QString& email, const QString& password) {
    return endpoint + QStringLiteral("?email=") + mUrlEncode::encodeQueryValue(email) +
           QStringLiteral("&password=") + mUrlEncode::encodeQueryValue(password);
}

QString createUserUrl(const QString& endpoint, const AccountFields::NewAccount& a, const QString& referer) {
    const std::pair<const char*, const QString*> keys[] = {
        {"?name=", &a.name},
        {"&vorname=", &a.firstName},
        {"&firma=", &a.firma},
        {"&email=", &a.email},
        {"&telefon=", &a.telefon},
        {"&fax=", &a.fax},
        {"&strasse=", &a.strasse},
        {"&plz=", &a.plz},
        {"&ort=", &a.ort},
        {"&land=", &a.land},
        {"&gutschein=", &a.gutscheincode},
        {"&referer=", &referer},
    };
    QString url = endpoint;
    for (const auto& [key, value] : keys)
        url += QLatin1String(key) + mUrlEncode::urlEncode(*value, false);
    return url;
}

Reply checkUser(Transfer& transfer, const QString& email, const QString& password) {
    return fetch(transfer, checkUserUrl(urlStore().getCheckUser(), email, password));
}

Reply createNewAccount(Transfer& transfer, const AccountFields::NewAccount& a) {
    return fetch(transfer, createUserUrl(urlStore().getCreateUser(), a, Product::productName()));
}

} // namespace AccountRequests
