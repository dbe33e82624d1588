#pragma once

#include <QString>
#include <QStringList>

// Rules of the send workflow that do not need a window: the field check before
// a send, the recently-used entry, the mass-run numbers and texts.
namespace SendRules {

// What validateSendForm reads from the window.
struct FormInput {
    bool massMode = false;
    bool prefixSelected = false; // an entry of cmbVorwahl is selected
    QString number;              // txtNummer
    QString text;                // txtSMS
};

// What the window applies: marks (light red) and, when not ok, the header
// warning correctFieldsText() and a warning box with boxText.
struct FormCheck {
    QStringList complaints; // in order, each "  - ..." without line break
    bool markPrefix = false;
    bool markNumber = false;
    bool markText = false;
    bool ok = true;
    QString boxText; // empty when ok
};
// Single mode checks prefix and number; both modes check the text.
FormCheck validateSendForm(const FormInput& in);

QString correctFieldsText(); // "Bitte korrigieren Sie die rot markierten Felder."
// correctFieldsText() + CR LF + CR LF + every complaint followed by CR LF.
QString complaintBoxText(const QStringList& complaints);

QString noPrefixComplaint();  // "  - Bitte wählen Sie eine Vorwahl aus."
QString noNumberComplaint();  // "  - Bitte geben Sie eine Rufnummer an."
QString badNumberComplaint(); // "  - Die Rufnummer darf nur Ziffern enthalten."
QString noMessageComplaint(); // "  - Bitte geben Sie eine Nachricht ein."

// The recently-used entry written after a single send:
// name + ";" + key + "-" + typed number ("Team Süd;G170-1234567").
QString recentEntry(const QString& name, const QString& key, const QString& typedNumber);

// One entry of a mass-SMS list, as the run's snapshot holds it.
struct MassEntry {
    QString name;
    QString number; // as typed in the list
    QString frei1;
    QString frei2;
};

// What the mass run sends for one entry of the list: the number for the
// gateway (RecipientNumber::numberForSend), the text with the entry's values in
// the placeholders, and the entry's name.
struct MassJob {
    QString recipient;
    QString text;
    QString name;
};
MassJob massJob(const MassEntry& entry, const QString& text);

// The progress bar of a run goes from 0 to the number of entries + 3.
int massProgressMaximum(int entries);

// The question before a mass send, naming the number of list entries.
QString massConfirmText(int entries); // "Achtung! Sie versenden eine MassenSMS!" CR LF "Wollen Sie die N
                                      // Nachrichten wirklich versenden?"

// Status lines of the mass run.
QString massProgressText(int sent, int entries); // "Es wurden bereits i von n SMS versendet."
QString massCancellingText();                    // "Wird abgebrochen bitte warten ..."
QString massFinishedText();                      // "Vorgang abgeschlossen"
// A run ended at once because the user would not send without a sender name.
QString massNoSenderText();

} // namespace SendRules
