#include "config/cOptionen.h"

#include "platform/PasswordStore.h"
#include "platform/Prompts.h"
#include "platform/ToolRegistry.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr const char* kPasswordValue = "Password";

// One row of the settings table: value name and how it maps to the property.
struct Row {
    const char* valueName;
    QString cOptionen::*text = nullptr;
    bool cOptionen::*flag = nullptr;
    bool flagDefault = false;
    bool isInfoVersion = false;
    // A whole number in a range; a stored value outside it, or no number, reads as the default.
    int cOptionen::*number = nullptr;
    int numberDefault = 0;
    int numberMin = 0;
    int numberMax = 0;
};

Row textRow(const char* name, QString cOptionen::*m) { return Row{name, m, nullptr, false, false}; }
Row boolRow(const char* name, bool cOptionen::*m, bool def = false) { return Row{name, nullptr, m, def, false}; }
Row numberRow(const char* name, int cOptionen::*m, int def, int min, int max) {
    return Row{name, nullptr, nullptr, false, false, m, def, min, max};
}

int parseNumber(const QString& text, const Row& row) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= row.numberMin && value <= row.numberMax ? value : row.numberDefault;
}

// Load and save order.
const std::vector<Row>& rows() {
    static const std::vector<Row> table = {
        textRow(kPasswordValue, &cOptionen::kennwort),
        textRow("eMail", &cOptionen::Username),
        textRow("Absenderkennung", &cOptionen::Absenderkennung),
        boolRow("isAbsenderkennung", &cOptionen::isAbsenderkennung),
        boolRow("isAntwortEnabled", &cOptionen::isAntwortEnabled),
        boolRow("isStatusberichtEnabled", &cOptionen::isStatusberichtEnabled),
        Row{"infoVersion", nullptr, nullptr, false, true},
        boolRow("isControlEmail", &cOptionen::isControlEmail),
        textRow("contactEntryID", &cOptionen::ContactEntryID),
        textRow("contactStoreID", &cOptionen::ContactStoreID),
        textRow("contactFolderName", &cOptionen::ContactFolderName),
        textRow("outlookProfile", &cOptionen::OutlookProfil),
        boolRow("firstStartHasRun", &cOptionen::FirstStartHasRun),
        boolRow("waitingForPassword", &cOptionen::WaitingForPassword),
        boolRow("dontDisplayMinimizeWarning", &cOptionen::DontDisplayMinimizeWarning),
        boolRow("longSMS", &cOptionen::isLongSmsEnabled),
        textRow("xmlPath", &cOptionen::XmlPfad),
        textRow("xmlGroup", &cOptionen::xmlGroup),
        textRow("xmlUser", &cOptionen::xmlUser),
        textRow("xmlSecretKey", &cOptionen::xmlSecretKey),
        boolRow("xmlGroupUser", &cOptionen::xmlGroupUser),
        boolRow("xmlSingleUser", &cOptionen::xmlSingleUser),
        boolRow("isXmlServerUsed", &cOptionen::xmlIsServerUsed),
        textRow("proxyAddress", &cOptionen::ProxyAddress),
        textRow("proxyPort", &cOptionen::ProxyPort),
        boolRow("proxyCustom", &cOptionen::ProxyOptionCustom),
        boolRow("proxyDefault", &cOptionen::ProxyOptionDefault),
        boolRow("proxyNoProxy", &cOptionen::ProxyOptionNoProxy),
        textRow("proxyAccessType", &cOptionen::ProxyAccessType),
        boolRow("webProxyInUse", &cOptionen::ProxyOptionWebProxy),
        textRow("webProxyAddress", &cOptionen::WebProxyWebAddress),
        textRow("webProxyName", &cOptionen::WebProxyName),
        textRow("webProxyPort", &cOptionen::WebProxyPort),
        textRow("webProxyUserName", &cOptionen::WebProxyUserName),
        textRow("webProxyUserPasswd", &cOptionen::WebProxyUserPasswd),
        numberRow("journalKeepDays", &cOptionen::journalKeepDays, 365, 1, 36500),
        boolRow("pushEnabled", &cOptionen::isPushEnabled, true),
        // Missing, not a number or out of range: the default, so a hand-edited
        // value can neither stop runs (0) nor open more connections than the service takes.
        numberRow("parallelTransfers", &cOptionen::parallelTransfers, cOptionen::kDefaultParallel,
                  cOptionen::kMinParallel, cOptionen::kMaxParallel),
    };
    return table;
}

// A stored number outside the 16-bit range is as unusable as a non-number.
qint16 parseInfoVersion(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < -32768 || value > 32767)
        return 0;
    return qint16(value);
}

std::unique_ptr<cOptionen>& instance() {
    static std::unique_ptr<cOptionen> slot;
    return slot;
}

} // namespace

QString settingsKey() { return QString::fromUtf16(kSettingsKey); }

cOptionen::cOptionen() { load(); }

void cOptionen::load() {
    const QString key = settingsKey();
    for (const Row& row : rows()) {
        const QString name = QString::fromLatin1(row.valueName);
        if (row.isInfoVersion)
            InfoVersion = parseInfoVersion(ToolRegistry::getString(key, name));
        else if (row.number)
            this->*row.number = parseNumber(ToolRegistry::getString(key, name), row);
        else if (row.flag)
            this->*row.flag = ToolRegistry::getBool(key, name, row.flagDefault);
        else
            this->*row.text = ToolRegistry::getString(key, name);
    }
    // A password left in the file is newer than the keychain's: it is there
    // because the keychain could not take it, or from before there was one.
    m_keychainKnown = false;
    QString stored;
    if (kennwort.isEmpty() && PasswordStore::read(Username, &stored) == PasswordStore::Lookup::Found) {
        kennwort = stored;
        m_keychainAccount = Username;
        m_keychainPassword = stored;
        m_keychainKnown = true;
    }
}

QString cOptionen::passwordForFile() const {
    if (!PasswordStore::usable() || Username.isEmpty())
        return kennwort;
    const bool changed = !m_keychainKnown || m_keychainAccount != Username || m_keychainPassword != kennwort;
    if (changed) {
        const bool stored = kennwort.isEmpty() ? PasswordStore::remove(Username)
                                               : PasswordStore::write(Username, kennwort);
        if (!stored)
            return kennwort;
        // The entry of an address the account no longer uses would linger.
        if (m_keychainKnown && !m_keychainAccount.isEmpty() && m_keychainAccount != Username)
            PasswordStore::remove(m_keychainAccount);
        m_keychainAccount = Username;
        m_keychainPassword = kennwort;
        m_keychainKnown = true;
    }
    return {};
}

bool cOptionen::save() const {
    const QString key = settingsKey();
    ToolRegistry::Batch batch;
    for (const Row& row : rows()) {
        const QString name = QString::fromLatin1(row.valueName);
        if (row.isInfoVersion)
            ToolRegistry::setString(key, name, QString::number(InfoVersion));
        else if (row.number)
            ToolRegistry::setString(key, name, QString::number(this->*row.number));
        else if (row.flag)
            ToolRegistry::setBool(key, name, this->*row.flag);
        else if (row.text == &cOptionen::kennwort)
            ToolRegistry::setString(key, name, passwordForFile());
        else
            ToolRegistry::setString(key, name, this->*row.text);
    }
    return batch.commit();
}

cOptionen& options() {
    auto& slot = instance();
    if (!slot)
        slot = std::make_unique<cOptionen>();
    return *slot;
}

void resetOptions() { instance().reset(); }

bool movePasswordToKeychain() {
    const QString key = settingsKey();
    const QString name = QString::fromLatin1(kPasswordValue);
    const QString filed = ToolRegistry::getString(key, name);
    cOptionen& o = options();
    if (filed.isEmpty() || o.Username.isEmpty() || !PasswordStore::write(o.Username, filed))
        return false;
    if (!ToolRegistry::setString(key, name, {}))
        return false;
    o.m_keychainAccount = o.Username;
    o.m_keychainPassword = filed;
    o.m_keychainKnown = true;
    return true;
}

QString getPassword() {
    const cOptionen& o = options();
    if (!o.kennwort.isEmpty())
        return o.kennwort;
    return Prompts::dialog(QString::fromLatin1(Prompts::Dialog::Login),
                           {{QStringLiteral("email"), o.Username}})
        .toString();
}
