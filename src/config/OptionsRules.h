#pragma once

#include "config/cOptionen.h"

#include <QString>

class cOptionen;

// The rules of the options dialog, without widgets: what a field accepts,
// which fields are enabled, what the send options cost, and how the edited
// values become settings.
namespace OptionsRules {

// Title of the dialog's own message boxes: fixed, not the branded name.
QString messageTitle();

// --- Sender id -------------------------------------------------------------

inline constexpr int kSenderIdMaxLetters = 11;
inline constexpr int kSenderIdMaxDigits = 16;

QString onlyLettersAndDigitsText();
QString senderIdTooLongText();

// "-", ASCII letters and digits.
bool isSenderIdChar(QChar c);
// Text pasted or dropped into the field, without the characters it may not hold.
QString keepSenderIdChars(const QString& text);
// The whole text is a number: digits, optionally after one leading minus.
// Not what a number parser accepts ("1e5", "1.5", " 12" are not numbers).
bool isSignedNumber(const QString& text);

struct SenderIdState {
    bool acceptable = true; // "&OK" and "&Übernehmen" may apply it
    QString warning;        // shown beside the field; empty hides it
    bool marked = false;    // light red background
    int maxLength = kSenderIdMaxLetters;
};
SenderIdState checkSenderId(const QString& text);

// --- Send options and their cost ------------------------------------------

struct SendOptionStates {
    bool senderEnabled;  // label and text of the sender id
    bool replyEnabled;   // the reply box; a sender id unchecks it
    bool longSmsEnabled; // the long-message box (its check state is kept)
};
SendOptionStates sendOptionStates(bool senderIdChecked);

struct CostDisplay {
    int credits;
    QString costText;   // "14 Credits"
    QString detailText; // the label before it
};
CostDisplay costDisplay(bool senderId, bool longSms, bool reply);

// --- Company server --------------------------------------------------------

struct ServerStates {
    bool useGroup; // the booking choice after the rule ran
    bool useSingle;
    bool bookingEnabled;     // the two booking options
    bool userEnabled;        // "User" text and the folder button
    bool groupAndKeyEnabled; // "Gruppe" and "Persönlicher Schlüssel"
};
// The server rule with the booking rule: with neither booking chosen the own
// account is chosen, whether or not the server is in use.
ServerStates serverStates(bool useServer, bool groupChosen, bool singleChosen);

QString folderPromptText();
// Empty when the folder can take request files, else the German reason.
QString serverFolderProblem(const QString& folder);

// --- Proxy -----------------------------------------------------------------

enum class ProxyChoice { SystemDefault, NoProxy, Custom };

// The access type text that goes with a choice: "0", "1", "2".
QString accessTypeText(ProxyChoice choice);
// The stored option booleans, as the option buttons would take them one after
// the other; none set gives the system default.
ProxyChoice proxyChoiceFromSettings(bool custom, bool systemDefault, bool noProxy);
bool proxyTextsEnabled(ProxyChoice choice);

QString hostPlaceholder();
QString portPlaceholder();
QString proxyNoteText();

// Empty for a port of 1 to 65535 in plain digits, else the German message.
QString portProblem(const QString& port);

// --- Service pages ---------------------------------------------------------

// A colour as six upper-case hexadecimal digits, red, green, blue, no "#".
QString colourText(int red, int green, int blue);
// The credit shop ("passwort") and scheduled-send ("kennwort") pages:
// endpoint + "?email=" + e-mail + "&" + key + "=" + password + "&backcolor=" +
// colour. The password is URL-encoded with blanks as "%20"; the e-mail gets
// only what keeps the query whole.
QString buyCreditsAddress(const QString& endpoint, const QString& email, const QString& password,
                          const QString& colour);
QString editCronAddress(const QString& endpoint, const QString& email, const QString& password,
                        const QString& colour);
// A link target on these pages that closes the dialog (exact case).
bool isCloseLink(const QString& target);

// --- Load and apply ----------------------------------------------------------

// Everything the dialog edits. An empty proxy host or port is one that shows
// its placeholder.
struct OptionsForm {
    QString email;
    QString password;
    QString senderId;
    bool useSenderId = false;
    bool longSms = false;
    bool reply = false;
    bool push = false;
    bool controlEmail = false;
    int journalKeepDays = 365;
    int parallelTransfers = cOptionen::kDefaultParallel; // a mass run's requests under way

    bool useServer = false;
    bool groupBooking = false;
    bool singleBooking = false;
    QString serverUser;
    QString serverGroup;
    QString serverKey;
    QString serverFolder;

    ProxyChoice proxyChoice = ProxyChoice::SystemDefault;
    QString proxyHost;
    QString proxyPort;

    QString outlookProfile;
    QString contactFolderName;
    QString contactStoreId;
    QString contactEntryId;
};

// The form as the dialog load fills it, the booking rule included.
OptionsForm formFromSettings(const cOptionen& o);

enum class ApplyFailure { None, SenderId, ServerFolder, ProxyHost, ProxyPort };

struct ApplyResult {
    ApplyFailure failure = ApplyFailure::None;
    QString message; // for the message box; empty when none is due
    bool ok() const { return failure == ApplyFailure::None; }
};

// Copies the form into the settings and saves them. A sender id that cannot
// be used stops the apply before anything changes. The company-server folder
// is checked only when the folder or the hand-off switch changed; one that
// cannot be used is not taken (both keep their stored values) while the rest
// is saved.
// A proxy that cannot be used still saves the rest, with the proxy choice
// set to the system default throughout (options and access type), so the
// next start never runs on a half-given named proxy. After a save with a
// usable proxy every live transfer component whose proxy changed uses it for
// its next request.
ApplyResult applyOptions(const OptionsForm& form, cOptionen& o);

// The line under the password field while no keyring takes the password, so
// that it goes into the settings file; empty while the keychain holds it.
QString passwordStorageNote();

} // namespace OptionsRules
