#pragma once

#include <QString>

// Registration of the Outlook add-in with Office for the current user.
namespace OutlookAddin {

// "Software\Microsoft\Office\<app>\Addins\Velvox_OutlookAddin.Connect"
QString addinKey(const QString& officeApplication);

// Writes the add-in's four values when the key is new, or when it exists
// without "LoadBehavior" (a registration cut short), and otherwise leaves the
// key alone, so a load behaviour the user changed stays. Silent; true when
// the values were written.
bool registerOutlookAddin(const QString& officeApplication = QStringLiteral("Outlook"));

} // namespace OutlookAddin
