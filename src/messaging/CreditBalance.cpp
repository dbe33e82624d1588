#include "messaging/CreditBalance.h"

#include "messaging/ServiceContract.h"

namespace CreditBalance {

Display interpretBalanceReply(const QString& reply, bool transferOk) {
    Display d;
    if (!transferOk) {
        d.labelText = noInternetText();
        return d;
    }
    const ServiceContract::BalanceReply r = ServiceContract::parseBalanceReply(reply);
    switch (r.kind) {
    case ServiceContract::BalanceReply::Kind::NotLoggedIn:
        d.labelText = notLoggedInText();
        d.enabled = Enabled::Off;
        break;
    case ServiceContract::BalanceReply::Kind::Balance:
        d.labelText = QString::number(r.balance) + QStringLiteral(" Credits");
        d.balance = r.balance;
        d.enabled = Enabled::On;
        d.low = r.balance <= kLowThreshold;
        break;
    case ServiceContract::BalanceReply::Kind::Invalid:
        // Not a number is treated as no connection; the label keeps its enabled state.
        d.labelText = noInternetText();
        break;
    }
    return d;
}

QString notLoggedInText() {
    return QStringLiteral("nicht angemeldet");
}

QString noInternetText() {
    return QStringLiteral("kein Internet");
}

QString buyCreditsText() {
    return QStringLiteral("Klicken Sie hier um neue Credits zu bestellen.");
}

int creditsPerSms(bool isAbsenderkennung, bool isAntwortEnabled) {
    return (isAbsenderkennung ? 14 : 10) + (isAntwortEnabled ? 1 : 0);
}

bool creditsSuffice(qint32 balance, qint64 count, int perSms) {
    return balance == kUnknown || qint64(balance) >= count * perSms;
}

QString notEnoughForMessageText() {
    return QStringLiteral(
        "Sie verfügen nicht mehr über ein ausreichendes Guthaben um diese Nachricht zu verschicken.");
}

QString notEnoughForAllText() {
    return QStringLiteral(
        "Sie verfügen nicht mehr über ein ausreichendes Guthaben um alle Nachrichten zu verschicken.");
}

QString shortfallText(qint64 needed, qint32 available) {
    return QStringLiteral("Guthaben reicht nicht: %1 Credits nötig, %2 vorhanden").arg(needed).arg(available);
}

qint64 massSmsFor(qint64 listTotal, qsizetype chosen, qsizetype all) {
    return all > 0 ? listTotal * chosen / all : 0;
}

bool tickFetches(qint16& counter) {
    if (counter == 10) {
        counter = 0;
        return true;
    }
    ++counter;
    return false;
}

} // namespace CreditBalance
