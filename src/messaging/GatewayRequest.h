#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// One gateway send request: how a text is split into parts and how the form
// body of one part is built. The body goes to SendSMS, or to CronSMS when a
// schedule is present, as a POST with contentTypeHeader().
namespace GatewayRequest {

// The three schedule fields of a scheduled send, as texts.
struct Schedule {
    QString StartTime;
    QString CronString;
    QString EndTime;
};

// Every value of one request, read by the caller at the moment of the request.
struct Fields {
    QString email;            // setting Username
    QString password;         // password of the send
    QString recipient;        // international form, "00491701234567"
    QString recipientName;    // display name
    bool privateBook = false; // chkPrivat fully checked (a greyed box is not)
    bool publicBook = false;  // chkPublic checked
    bool massMode = false;    // in mass mode both books send "false"
    bool pushEnabled = false; // isPushEnabled; off sends "&skippush=1"
    QString version;          // "3.0.99"
    QString text;             // the text of this part
    bool isAbsenderkennung = false;
    QString absender;           // Absenderkennung, sent whether or not it is switched on
    bool statusbericht = false; // isStatusberichtEnabled
    bool antwort = false;       // isAntwortEnabled
    bool einlieferung = false;  // isControlEmail
    QString referer;            // product name
    bool isLongSmsEnabled = false;
    std::optional<Schedule> schedule;
};

// The form body as text: 17 fields, 20 with a schedule ("&term=",
// "&cronjobstring=", "&enddate=" before "&long="), every blank as "%20".
// The message text and every free-text value (e-mail, password, recipient,
// name, sender, product name, schedule fields) are escaped with
// encodeFormText, so "&", "+" and "%" in them reach the service intact.
QString buildBodyText(const Fields& f);
// The same as the Windows-1252 bytes that go on the wire.
QByteArray buildBody(const Fields& f);

// The one extra header line of the POST.
QString contentTypeHeader(); // "Content-Type: application/x-www-form-urlencoded"

// "&long=true": the part is over 160 counted characters and long SMS are in
// force (both settings on).
bool isLongRequest(const QString& text, bool isLongSmsEnabled, bool isAbsenderkennung);

// How many characters of t go into one part: the longest start of at most 160
// characters whose counted size ("€" and '"' twice) is at most 160.
int partCutLength(const QString& t);

// The texts of the requests for one message, in order. With sender name and
// long SMS both on, the whole text is one request; otherwise parts of at most
// 160 counted characters, cut at character positions. An empty text gives one
// empty part.
QStringList splitForSending(const QString& text, bool isAbsenderkennung, bool isLongSmsEnabled);

// Sender name switched on but empty: asks the user (Yes/No) whether to send
// anyway. True when the part goes out: the check does not apply, or Yes.
bool confirmMissingSender(bool isAbsenderkennung, const QString& absender);
QString missingSenderTitle(); // "Kein Absendername vorhanden"
QString missingSenderText();  // "Sie haben keinen Absender eingegeben, soll die Nachricht" CR LF "dennoch
                              // versendet werden?"

} // namespace GatewayRequest
