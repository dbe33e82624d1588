#include "account/FirstStart.h"

#include "config/Product.h"
#include "config/cOptionen.h"
#include "platform/Prompts.h"
#include "platform/TransferFailure.h"

namespace FirstStart {

namespace {

using AccountRequests::Reply;

QString unknownAccountTitle() {
    return QStringLiteral("Unbekanntes Benutzerkonto");
}

void warn(const QString& title, const QString& text) {
    Prompts::show(Prompts::Icon::Warning, title, text);
}

void warnFailed(const Reply& r) {
    warn(Product::productName(), failedText(r.status));
}

} // namespace

QString failedText(int status) {
    // Only a missing answer points at the user's own connection.
    return TransferFailure::text(status) +
           (status == 0 ? QStringLiteral("\r\n\r\nBitte überprüfen Sie Ihre Internetverbindung und versuchen Sie es "
                                         "später noch einmal.")
                        : QStringLiteral("\r\n\r\nBitte versuchen Sie es später noch einmal."));
}

bool signIn(const Reply& r, const AccountFields::ExistingAccount& a) {
    switch (r.kind) {
    case Reply::Kind::Accepted: {
        cOptionen& o = options();
        o.Username = a.email;
        if (a.rememberPassword)
            o.kennwort = a.password;
        o.FirstStartHasRun = true;
        o.save();
        return true;
    }
    case Reply::Kind::Refused:
        warn(unknownAccountTitle(),
             QStringLiteral("Für diese Kombination aus eMail und Kennwort ist kein Konto vorhanden.\r\n\r\n"
                            "Bitte überprüfen Sie Ihre Daten."));
        return false;
    case Reply::Kind::Failed:
        warnFailed(r);
        return false;
    }
    return false;
}

bool termsAccepted() {
    if (Prompts::dialog(QString::fromLatin1(Prompts::Dialog::Terms)).toBool())
        return true;
    warn(Product::productName(), QStringLiteral("Um ") + Product::productName() +
                                     QStringLiteral(" nutzen zu können, müssen Sie die AGBs akzeptieren."));
    return false;
}

bool registerAccount(const Reply& r, const AccountFields::NewAccount& a) {
    switch (r.kind) {
    case Reply::Kind::Accepted: {
        cOptionen& o = options();
        o.Username = a.email;
        o.WaitingForPassword = true;
        o.save();
        return true;
    }
    case Reply::Kind::Refused:
        warn(Product::productName(),
             QStringLiteral("Es ist ein Fehler beim Übertragen der Daten aufgetreten, "
                            "bitte versuchen Sie es später nocheinmal."));
        return false;
    case Reply::Kind::Failed:
        warnFailed(r);
        return false;
    }
    return false;
}

bool activateAccount(const Reply& r, const QString& password, bool rememberPassword) {
    cOptionen& o = options();
    switch (r.kind) {
    case Reply::Kind::Accepted:
        if (rememberPassword)
            o.kennwort = password;
        o.WaitingForPassword = false;
        o.FirstStartHasRun = true;
        o.save();
        Prompts::show(Prompts::Icon::Information, Product::productName(),
                      QStringLiteral("Ihr Konto ist jetzt freigeschaltet."));
        return true;
    case Reply::Kind::Refused:
        warn(unknownAccountTitle(),
             QStringLiteral(
                 "Das eingegebene Kennwort ist nicht korrekt.\r\n\r\nBitte überprüfen Sie Ihre Daten."));
        return false;
    case Reply::Kind::Failed:
        warnFailed(r);
        return false;
    }
    return false;
}

void skip() {
    cOptionen& o = options();
    o.FirstStartHasRun = true;
    o.save();
}

QString completionText(bool justRegistered) {
    QString text = QStringLiteral("Ihr persönliches Kennwort für die Nutzung von ") + Product::productName() +
                   QStringLiteral(" wurde an die eMailadresse: '") + options().Username +
                   QStringLiteral("' versand. ");
    if (justRegistered)
        text += QStringLiteral("Ihr neues Konto wird von uns in den nächsten Minuten freigeschaltet.");
    return text;
}

} // namespace FirstStart
