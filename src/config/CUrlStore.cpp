#include "config/CUrlStore.h"

#include "config/iniHandler.h"

#include <memory>

namespace {

struct Default {
    const char* key;
    const char* value; // a path on the built-in host, or a file name
};

constexpr std::array<Default, CUrlStore::EntryCount> kDefaults = {{
    {"Homepage", "/"},
    {"Helppage", "/hilfe/"},
    {"SendSMS", "/smsv3/smsv3.php"},
    {"CronSMS", "/cronjob/send_repeat.php"},
    {"EditCronSMS", "/terminversand/deleteSMS.php"},
    {"Phonebook", "/telefonbuch/telefonbuch.php"},
    {"WebGroup", "/sms/gruppenv2/gruppenv2.php"},
    {"BuyCredits", "/sms/buyCredits.php"},
    {"CheckUser", "/sms/checkUser.php"},
    {"CreateUser", "/sms/createUser.php"},
    {"SmsCount", "/sms/count.php?email="},
    {"CheckVersion", "/update/version"},
    {"CheckInfo", "/update/infoVersion2"},
    {"AGB", "/sms_agb/sms_agb.htm"},
    {"WebGroupDir", "/sms/gruppenv2/"},
    {"News", "/news2.htm"},
    {"Update", "/update/velvox.exe"},
    {"Updater", "velvoxupdater.exe"},
    {"Main", "velvox.exe"},
}};

std::unique_ptr<CUrlStore>& instance() {
    static std::unique_ptr<CUrlStore> slot;
    return slot;
}

} // namespace

CUrlStore::CUrlStore() {
    for (int i = 0; i < EntryCount; ++i)
        m_values[i] = builtInDefault(Entry(i));
}

void CUrlStore::loadProfile(const QString& profileFile) {
    for (int i = 0; i < EntryCount; ++i) {
        const auto e = Entry(i);
        m_values[i] = readIniValue(profileFile, sectionName(e), keyName(e), m_values[i]);
    }
}

// A reserved name: the built-in host never reaches anybody's real server.
QString CUrlStore::builtInHost() { return QStringLiteral("https://sms.velvox.example"); }

QString CUrlStore::builtInDefault(Entry e) {
    const QString value = QString::fromLatin1(kDefaults[e].value);
    if (e == UpdaterName || e == ExeName)
        return value;
    return builtInHost() + value;
}

QString CUrlStore::keyName(Entry e) { return QString::fromLatin1(kDefaults[e].key); }

QString CUrlStore::sectionName(Entry e) {
    return (e == UpdaterName || e == ExeName) ? QStringLiteral("Files") : QStringLiteral("URLs");
}

CUrlStore& urlStore() {
    auto& slot = instance();
    if (!slot) {
        slot = std::make_unique<CUrlStore>();
        if (profileExists())
            slot->loadProfile(profilePath());
    }
    return *slot;
}

void resetUrlStore() { instance().reset(); }
