#include "account/AccountFields.h"

#include <initializer_list>
#include <utility>

namespace AccountFields {

namespace {

using Required = std::initializer_list<std::pair<const char*, const QString*>>;

// Marks each empty field of the list; the warning when any was empty.
Check markMissing(Required fields) {
    Check c;
    for (const auto& [name, value] : fields) {
        if (value->isEmpty())
            c.marks.insert(QString::fromLatin1(name), Mark::Missing);
    }
    if (!c.marks.isEmpty())
        c.warning = missingFieldsText();
    return c;
}

} // namespace

QString missingFieldsText() {
    return QStringLiteral("Bitte füllen Sie alle rot markierten Felder aus.");
}

Check validateExistingAccountFields(const ExistingAccount& a) {
    return markMissing({{"txtOldEmail", &a.email}, {"txtPassword", &a.password}});
}

Check validateNewAccountFields(const NewAccount& a) {
    Check c = markMissing({{"txtFirstName", &a.firstName},
                           {"txtName", &a.name},
                           {"txtEmail", &a.email},
                           {"txtEmailRepeat", &a.emailRepeat},
                           {"txtStrasse", &a.strasse},
                           {"txtPLZ", &a.plz},
                           {"txtOrt", &a.ort}});
    if (!c.ok())
        return c;
    const Mark both = a.email == a.emailRepeat ? Mark::Normal : Mark::Mismatch;
    c.marks.insert(QStringLiteral("txtEmail"), both);
    c.marks.insert(QStringLiteral("txtEmailRepeat"), both);
    if (both == Mark::Mismatch)
        c.warning = QStringLiteral("Die beiden angegebenen eMailadressen sind nicht identisch.");
    return c;
}

} // namespace AccountFields
