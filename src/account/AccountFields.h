#pragma once

#include <QMap>
#include <QString>

// The wizard's input fields and their checks. Values are used exactly as
// typed: nothing is trimmed.
namespace AccountFields {

struct ExistingAccount {
    QString email;    // txtOldEmail
    QString password; // txtPassword
    bool rememberPassword = false;
};

struct NewAccount {
    QString name;      // txtName
    QString firstName; // txtFirstName
    QString firma;
    QString email;
    QString emailRepeat;
    QString telefon;
    QString fax;
    QString strasse;
    QString plz;
    QString ort;
    QString land;
    QString gutscheincode;
};

// How a field is shown after a check.
enum class Mark {
    Normal,   // window background
    Missing,  // light red: required and empty
    Mismatch, // light yellow: the two e-mail fields differ
};

// Marks by control name ("txtOldEmail", ...) for the fields the check touched;
// a warning for the warning line, empty when the input may be sent.
struct Check {
    QMap<QString, Mark> marks;
    QString warning;
    bool ok() const { return warning.isEmpty(); }
};

Check validateExistingAccountFields(const ExistingAccount& a);
// Required fields first; only when all are there are the e-mails compared
// (exactly, letter case included).
Check validateNewAccountFields(const NewAccount& a);

QString missingFieldsText(); // "Bitte füllen Sie alle rot markierten Felder aus."

} // namespace AccountFields
