#pragma once

#include <QString>

// The credit balance shown in lblCredits and checked before every send. -1
// means unknown (not logged in, no connection, not fetched yet) and never
// blocks a send.
namespace CreditBalance {

inline constexpr qint32 kUnknown = -1;
// A balance of this or less is low: dark red label and the buy-credits label.
inline constexpr qint32 kLowThreshold = 500;

// What becomes of lblCredits' enabled state.
enum class Enabled { Keep, On, Off };

// Everything the window applies after a balance query.
struct Display {
    QString labelText;         // "nicht angemeldet", "1234 Credits" or "kein Internet"
    qint32 balance = kUnknown; // the new credit balance
    Enabled enabled = Enabled::Keep;
    bool low = false; // dark red label, lblBuyCredits shown; else normal colour, hidden
};
// reply: the text of the SmsCount query; transferOk: whether it arrived.
Display interpretBalanceReply(const QString& reply, bool transferOk);

QString notLoggedInText(); // "nicht angemeldet"
QString noInternetText();  // "kein Internet"
QString buyCreditsText();  // "Klicken Sie hier um neue Credits zu bestellen."

// Credits one SMS costs for the credit check: 10, 14 with sender name, one
// more with reply. (The displayed cost also counts the status report and the
// worldwide rule; the check does not.)
int creditsPerSms(bool isAbsenderkennung, bool isAntwortEnabled);

// The balance pays for count SMS at perSms credits each, or is unknown.
bool creditsSuffice(qint32 balance, qint64 count, int perSms);
QString notEnoughForMessageText(); // single send
QString notEnoughForAllText();     // mass send
// "Guthaben reicht nicht: 30 Credits nötig, 25 vorhanden" (no window to point at).
QString shortfallText(qint64 needed, qint32 available);

// The SMS a mass run costs when some entries are left out: the list's total
// (txtAnzahlMultiSMS) shared out over the entries sent; left-out entries cost nothing.
qint64 massSmsFor(qint64 listTotal, qsizetype chosen, qsizetype all);

// One tick of the refresh timer: at 10 the balance is fetched and the counter
// starts again at 0, otherwise it counts up. Returns whether to fetch.
bool tickFetches(qint16& counter);
inline constexpr int kRefreshIntervalMs = 60000;

} // namespace CreditBalance
