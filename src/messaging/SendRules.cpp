#include "messaging/SendRules.h"

#include "messaging/MessageText.h"
#include "messaging/RecipientNumber.h"

namespace SendRules {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
} // namespace

FormCheck validateSendForm(const FormInput& in) {
    FormCheck c;
    if (!in.massMode) {
        if (!in.prefixSelected) {
            c.complaints.append(noPrefixComplaint());
            c.markPrefix = true;
        }
        if (in.number.isEmpty()) {
            c.complaints.append(noNumberComplaint());
            c.markNumber = true;
        } else if (!RecipientNumber::isNumeric(in.number)) {
            c.complaints.append(badNumberComplaint());
            c.markNumber = true;
        }
    }
    if (in.text.isEmpty()) {
        c.complaints.append(noMessageComplaint());
        c.markText = true;
    }
    c.ok = c.complaints.isEmpty();
    if (!c.ok)
        c.boxText = complaintBoxText(c.complaints);
    return c;
}

QString correctFieldsText() {
    return QStringLiteral("Bitte korrigieren Sie die rot markierten Felder.");
}

QString complaintBoxText(const QStringList& complaints) {
    QString text = correctFieldsText() + kCrLf + kCrLf;
    for (const QString& complaint : complaints)
        text += complaint + kCrLf;
    return text;
}

QString noPrefixComplaint() {
    return QStringLiteral("  - Bitte wählen Sie eine Vorwahl aus.");
}

QString noNumberComplaint() {
    return QStringLiteral("  - Bitte geben Sie eine Rufnummer an.");
}

QString badNumberComplaint() {
    return QStringLiteral("  - Die Rufnummer darf nur Ziffern enthalten.");
}

QString noMessageComplaint() {
    return QStringLiteral("  - Bitte geben Sie eine Nachricht ein.");
}

QString recentEntry(const QString& name, const QString& key, const QString& typedNumber) {
    return name + QLatin1Char(';') + key + QLatin1Char('-') + typedNumber;
}

MassJob massJob(const MassEntry& entry, const QString& text) {
    return {RecipientNumber::numberForSend(entry.number),
            MessageText::fillPlaceholders(text, entry.name, entry.frei1, entry.frei2), entry.name};
}

int massProgressMaximum(int entries) {
    return entries + 3;
}

QString massConfirmText(int entries) {
    return QStringLiteral("Achtung! Sie versenden eine MassenSMS!") + kCrLf +
           QStringLiteral("Wollen Sie die ") + QString::number(entries) +
           QStringLiteral(" Nachrichten wirklich versenden?");
}

QString massProgressText(int sent, int entries) {
    return QStringLiteral("Es wurden bereits ") + QString::number(sent) + QStringLiteral(" von ") +
           QString::number(entries) + QStringLiteral(" SMS versendet.");
}

QString massCancellingText() {
    return QStringLiteral("Wird abgebrochen bitte warten ...");
}

QString massNoSenderText() {
    return QStringLiteral("Vorgang abgebrochen: ohne Absendername wurde keine SMS versendet.");
}

QString massFinishedText() {
    return QStringLiteral("Vorgang abgeschlossen");
}

} // namespace SendRules
