#pragma once

#include <QString>

class cOptionen;

// Hands messages to a company SMS server by dropping one small XML request
// file per message into a shared folder that the server watches. Nothing here
// shows anything: failures come back as German text for the caller to show.
namespace xmlServer {

// Values of an account request: the service login travels in plain text.
struct AccountRequest {
    QString login;
    QString password;
    QString user;
    QString to; // already in "+" form, see toServerRecipient()
    QString from;
    QString text;
    QString name;
    QString version;
};

// Values of a group request: a hash over the values and a shared secret key
// stands in for the password.
struct GroupRequest {
    QString group;
    QString user;
    QString to; // already in "+" form, see toServerRecipient()
    QString from;
    QString text;
    QString name;
    QString version;
    QString secretKey;
};

// The outcome of writing or delivering a request file.
struct HandoverResult {
    bool ok = false;
    QString error; // German, for the user, when !ok
    QString file;  // the written file (temp copy or delivered request), when ok
};

// "&", "<", ">" to entities, then "€" to "E"; only the message text is escaped.
// Control characters other than tab, LF and CR are dropped first.
QString xmlEscapeText(const QString& text);

// MD5 over group, user, to, from, text ("€" as "E", not XML-escaped), name,
// version and secret key, joined without separators; 32 lower-case hex digits.
// The text loses the control characters that xmlEscapeText() drops.
QString requestHash(const GroupRequest& r);

// A fresh GUID (upper case, no braces) followed by ".xml".
QString newRequestName();

// The two documents: 13 lines each, tab-indented, every line ending in LF.
QString buildAccountRequestXml(const AccountRequest& r);
QString buildGroupRequestXml(const GroupRequest& r);

// Writes the document as Windows-1252 bytes to a file of the given name in
// FileSystem::tempDirectory(); result.file is its path. A failed write leaves
// no file behind.
HandoverResult writeTempRequestFile(const QString& name, const QString& document);

// Copies the complete temp file into the folder under the temp file's name
// (written once, never renamed there) and removes the temp file in every case.
// A failed copy leaves nothing under that name. result.file is the delivered path.
HandoverResult deliverRequestFile(const QString& tempPath, const QString& folder);

// Build, write to temp, deliver: one request file in the folder.
HandoverResult writeAccountRequest(const AccountRequest& r, const QString& folder);
HandoverResult writeGroupRequest(const GroupRequest& r, const QString& folder);

// The recipient as the server expects it: the first "00" (wherever it stands)
// becomes "+", once. "00436641234567" gives "+436641234567".
QString toServerRecipient(const QString& recipient);

// Everything the send path knows when it hands one message part over.
struct HandoverValues {
    QString xmlPfad;
    bool singleUser = false;
    bool groupUser = false;
    QString login;    // setting Username
    QString password; // the password of this send
    QString user;     // setting xmlUser
    QString group;    // setting xmlGroup
    QString secretKey;
    QString recipient; // international form, "00..."; converted by handOver()
    QString from;      // setting Absenderkennung, as stored
    QString text;      // this part of the message
    QString name;      // product name
    QString version;   // "3.0.99"
};

// Fills the values from the settings, the product name and the program
// version; recipient, text and password are those of the current send.
HandoverValues handoverValues(const cOptionen& o, const QString& recipient, const QString& text,
                              const QString& password);

struct HandoverOutcome {
    enum class Kind {
        Written,   // a request file is in the folder
        NoFolder,  // XmlPfad shorter than 3 characters: nothing written
        NoAccount, // neither account nor group request chosen: nothing written
        Failed,    // writing or delivering failed: see error
    };
    Kind kind = Kind::NoAccount;
    QString file;  // the delivered file (Written)
    QString error; // German, for the user (Failed)
};

// Chooses and writes the request for one message part: no folder, account
// request when singleUser, else group request when groupUser, else nothing.
HandoverOutcome handOver(const HandoverValues& v);

// The confirmation after a hand-over, shown under the fixed title
// Product::applicationTitle(), chosen in this order: missing folder, account
// request, group request, no account chosen.
QString reportHandoverText(const QString& xmlPfad, bool singleUser, bool groupUser);

} // namespace xmlServer
