// The settings file: whatever it holds loads, saves and loads again to the
// same settings.
#include "FuzzSupport.h"

#include "config/cOptionen.h"
#include "platform/ToolRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A value that is blank after trimming is deleted on save, and reads back empty.
QString stored(const QString& text) {
    return text.trimmed().isEmpty() ? QString() : text;
}

QString differences(const cOptionen& a, const cOptionen& b) {
    QString out;
    const auto text = [&](const char* name, const QString& x, const QString& y) {
        if (stored(x) != y)
            out += QString::fromLatin1(name) + QStringLiteral(": '") + x + QStringLiteral("' -> '") + y +
                   QStringLiteral("'\n");
    };
    const auto flag = [&](const char* name, bool x, bool y) {
        if (x != y)
            out += QString::fromLatin1(name) + QStringLiteral(" flag changed\n");
    };
#define VX_TEXT(f) text(#f, a.f, b.f)
#define VX_FLAG(f) flag(#f, a.f, b.f)
    VX_TEXT(kennwort); VX_TEXT(Username); VX_TEXT(Absenderkennung); VX_TEXT(ContactEntryID);
    VX_TEXT(ContactStoreID); VX_TEXT(ContactFolderName); VX_TEXT(OutlookProfil); VX_TEXT(XmlPfad);
    VX_TEXT(xmlGroup); VX_TEXT(xmlUser); VX_TEXT(xmlSecretKey); VX_TEXT(ProxyAddress); VX_TEXT(ProxyPort);
    VX_TEXT(ProxyAccessType); VX_TEXT(WebProxyWebAddress); VX_TEXT(WebProxyName); VX_TEXT(WebProxyPort);
    VX_TEXT(WebProxyUserName); VX_TEXT(WebProxyUserPasswd);
    VX_FLAG(isAbsenderkennung); VX_FLAG(isAntwortEnabled); VX_FLAG(isStatusberichtEnabled);
    VX_FLAG(isControlEmail); VX_FLAG(FirstStartHasRun); VX_FLAG(WaitingForPassword);
    VX_FLAG(DontDisplayMinimizeWarning); VX_FLAG(isLongSmsEnabled); VX_FLAG(xmlGroupUser);
    VX_FLAG(xmlSingleUser); VX_FLAG(xmlIsServerUsed); VX_FLAG(ProxyOptionCustom); VX_FLAG(ProxyOptionDefault);
    VX_FLAG(ProxyOptionNoProxy); VX_FLAG(ProxyOptionWebProxy); VX_FLAG(isPushEnabled);
#undef VX_TEXT
#undef VX_FLAG
    if (a.InfoVersion != b.InfoVersion)
        out += QStringLiteral("InfoVersion: %1 -> %2\n").arg(a.InfoVersion).arg(b.InfoVersion);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A fresh name each time: the settings reader caches a file it has seen
    // by name, size and time.
    static int round = 0;
    const QString path = QDir(folder().path()).filePath(QStringLiteral("settings-%1.ini").arg(++round));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ToolRegistry::setStoreFile(path);
    const cOptionen first;
    const bool saved = first.save();
    ToolRegistry::setStoreFile(path);
    const cOptionen second;
    if (saved) {
        const QString diff = differences(first, second);
        fuzz::require(diff.isEmpty(), "settings change on a save", diff);
    }
    QFile::remove(path);
    return 0;
}
