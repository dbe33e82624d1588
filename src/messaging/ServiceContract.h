#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the client relies on in the web SMS service's answers and links, in one
// place. Every caller reads replies and links through these functions.
namespace ServiceContract {

// --- Gateway send reply --------------------------------------------------

// A reply piece holding either phrase (ignoring case) means the message was accepted.
QString acceptedPhrase(); // "wurde erfolgreich an das Gateway übermittelt."
QString createdPhrase();  // "wurde angelegt." (scheduled sends)

// The reply split at ";": each piece trimmed of blanks at both ends, then every
// line feed removed (carriage returns and blanks next to a line feed stay).
// Empty pieces are kept.
QStringList splitGatewayReply(const QString& reply);
bool isAcceptedPiece(const QString& piece);
// True when any piece of the split reply is accepted.
bool isAcceptedReply(const QString& reply);

// --- Credit balance (SmsCount + e-mail) ----------------------------------

// The balance address: SmsCount followed by the account e-mail, escaped as a
// query value.
QString balanceUrl(const QString& smsCountEndpoint, const QString& email);

struct BalanceReply {
    enum class Kind {
        NotLoggedIn, // "-1"
        Balance,     // a whole number
        Invalid,     // anything else
    };
    Kind kind = Kind::Invalid;
    qint32 balance = -1; // the number for Kind::Balance, -1 otherwise
};
// The reply is trimmed at both ends first (blanks, and a trailing line break
// too); " 1234 " is 1234.
BalanceReply parseBalanceReply(const QString& reply);

// --- Account check and creation (CheckUser, CreateUser) ------------------

// Reply trimmed at both ends, read as a whole number; 0 is success. Anything else, also a
// reply that is no number or empty, is a refusal.
bool isAccountAccepted(const QString& reply);

// --- Version (CheckVersion) ----------------------------------------------

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
    // major * 1000000 + minor * 1000 + revision
    qint64 number() const;
};
// An empty reply means the service was not reached.
bool isNoConnectionReply(const QString& reply);
// At least three "."-separated fields, the first three 16-bit whole numbers
// (further fields are ignored): "3.0.99". nullopt for "4.0", "3.x.1" or empty.
std::optional<Version> parseVersionReply(const QString& reply);

// --- News number (CheckInfo) ---------------------------------------------

// The number of the newest news page, or -1 for news shown at every start;
// nullopt when the reply is not a 16-bit whole number (then there is no news).
std::optional<qint16> parseNewsNumber(const QString& reply);

// --- Links in the service's pages ----------------------------------------

// A contact link: "telefon://" + name + "@" + number. The name may carry "%20"
// for blanks (no other escape is decoded); the number is international and
// may hold "/" as separator, kept here.
struct TelefonLink {
    QString name;
    QString number;
};
bool isTelefonLink(const QString& url);
// Every "telefon://" removed, the rest split at "@": nullopt when there is no
// "@" (or no "telefon://" at all).
std::optional<TelefonLink> parseTelefonLink(const QString& url);

// A group link contains "gruppe://" or "gruppe//" (the browser turns
// "http://gruppe://x" into "http://gruppe//x"). Case-sensitive.
bool isGroupLink(const QString& url);
// The group file address: the leading "http://gruppe://" or "http://gruppe//"
// replaced by the WebGroupDir address. nullopt when the link carries neither
// prefix.
std::optional<QString> groupFileFromLink(const QString& url, const QString& webGroupDir);

// A link containing "close://" closes the window that shows it.
bool isCloseLink(const QString& url);

} // namespace ServiceContract
