#pragma once

#include <QString>

#include <optional>

// Rules of the recipient inputs of the main window: prefix plus typed number
// to international number, the live checks of the number field, the cost per
// SMS shown beside it, recent-recipient tags and the phone-book boxes.
namespace RecipientNumber {

// Prefix key and typed number to the international number: "G170" + "1234567"
// gives "00491701234567", "W" keeps the typed text. The typed text is used as
// it is (separators and a typed leading zero stay). An unknown key letter (or
// an empty key) gives nullopt; the caller shows unknownPrefixText() and sends
// nothing.
std::optional<QString> resolveRecipient(const QString& key, const QString& typed);
// The number a mass send goes to: one that does not begin with "00" is a
// German national number, its first character replaced by "0049"
// ("01700000001" becomes "00491700000001"); a leading "+" stands for "00".
QString numberForSend(const QString& number);

QString unknownPrefixText(); // "Unbekannte Vorwahl. Die SMS kann nicht gesendet werden."

// The whole text is a finite number under the user's locale or the C locale:
// blanks around it, a sign, separators and an exponent pass; an empty text,
// letters and "0170-123" do not.
bool isNumeric(const QString& text);

// Outcome of the number-field check: when marked, the field goes light red and
// the warning goes into the header.
struct Check {
    QString warning; // empty when nothing is wrong
    bool marked = false;
};
// key: the selected prefix key, empty when none is selected. The digits rule
// runs after the "00" rule, so its text wins when both apply.
Check checkNumberField(const QString& key, const QString& text);
QString mustStartWith00Text(); // "Die Nummer muss mit der internationalen Vorwahl '00' beginnen."
QString digitsOnlyText();      // "Die Rufnummer darf nur aus Ziffern bestehen."

// Header information and tool tip after a prefix choice.
QString worldwideHint(); // "Bitte geben sie die Rufnummer inklusive der internationalen Vorwahl ein."
QString nationalHint();  // "Geben Sie die Rufnummer ohne Vorwahl ein."

// Credits per SMS shown in txtKostenProSMS: 10, 14 with sender name, +1 for
// reply, +1 for status report; a worldwide number beginning "0049" costs 19
// whatever the options.
int costPerSms(const QString& key, const QString& number, bool isAbsenderkennung, bool isAntwortEnabled,
               bool isStatusberichtEnabled);

// Tag of a recent recipient: key + "-" + typed number ("G170-1234567"). The old
// key letter "V" reads as "G". nullopt when the tag has no "-" or its key is
// not in the catalogue: the selection then changes nothing.
struct RecentTag {
    QString key;
    QString number;
};
std::optional<RecentTag> splitRecentTag(const QString& tag);

// The "privat" box after a click on "öffentlich": checked public greys and
// disables privat (which then sends "false"); unchecked public leaves privat
// checked and enabled.
struct PrivateBox {
    bool greyed = false; // true: third state; false: checked
    bool enabled = true;
};
PrivateBox privateBoxFor(bool publicChecked);

} // namespace RecipientNumber
