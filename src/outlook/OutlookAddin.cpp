#include "outlook/OutlookAddin.h"

#include "platform/ToolRegistry.h"

namespace {
// Plain literals: callers may build the key during static initialisation.
constexpr char16_t kProgId[] = u"Velvox_OutlookAddin.Connect";
constexpr char16_t kLoadBehavior[] = u"LoadBehavior";
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
        ToolRegistry::getNumber(key, QString::fromUtf16(kLoadBehavior), nullptr))
        return false;
    bool ok = ToolRegistry::setString(key, QStringLiteral("FriendlyName"), QString::fromUtf16(kProgId));
    ok = ToolRegistry::setString(
             key, QStringLiteral("Description"),
             QStringLiteral("Mit Hilfe von Velvox eine SMS aus Outlook heraus versenden.")) &&
         ok;
    // The load behaviour last: its presence says the registration is complete.
    ok = ToolRegistry::setNumber(key, QStringLiteral("CommandLineSafe"), 0) && ok;
    ok = ToolRegistry::setNumber(key, QString::fromUtf16(kLoadBehavior), kLoadAtStartup) && ok;
    return ok;
}

} // namespace OutlookAddin
