#include "outlook/OutlookAddin.h"

#include "platform/ToolRegistry.h"

namespace {
const QString kProgId = QStringLiteral("Velvox_OutlookAddin.Connect");
const QString kLoadBehavior = QStringLiteral("LoadBehavior");
constexpr qint32 kLoadAtStartup = 3;
} // namespace

namespace OutlookAddin {

QString addinKey(const QString& officeApplication) {
    return QStringLiteral("Software\\Microsoft\\Office\\") + officeApplication +
           QStringLiteral("\\Addins\\") + kProgId;
}

bool registerOutlookAddin(const QString& officeApplication) {
    const QString key = addinKey(officeApplication);
    const int disposition = ToolRegistry::createKey(key);
    if (disposition == ToolRegistry::Failed)
        return false;
    if (disposition == ToolRegistry::OpenedExistingKey &&
        ToolRegistry::getNumber(key, kLoadBehavior, nullptr))
        return false;
    bool ok = ToolRegistry::setString(key, QStringLiteral("FriendlyName"), kProgId);
    ok = ToolRegistry::setString(
             key, QStringLiteral("Description"),
             QStringLiteral("Mit Hilfe von Velvox eine SMS aus Outlook heraus versenden.")) &&
         ok;
    // The load behaviour last: its presence says the registration is complete.
    ok = ToolRegistry::setNumber(key, QStringLiteral("CommandLineSafe"), 0) && ok;
    ok = ToolRegistry::setNumber(key, kLoadBehavior, kLoadAtStartup) && ok;
    return ok;
}

} // namespace OutlookAddin
