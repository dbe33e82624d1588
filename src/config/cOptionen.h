#pragma once

#include <QString>

// The user's settings, loaded from the value store when the one instance is
// created and written back only by save().
class cOptionen {
public:
    cOptionen();

    void load();
    // Writes every value in one write of the store; false when it failed
    // (the stored values then stay as they were).
    bool save() const;

    QString kennwort;
    QString Username;
    QString Absenderkennung;
    bool isAbsenderkennung = false;
    bool isAntwortEnabled = false;
    bool isStatusberichtEnabled = false;
    qint16 InfoVersion = 0;
    bool isControlEmail = false;
    QString ContactEntryID;
    QString ContactStoreID;
    QString ContactFolderName;
    QString OutlookProfil;
    bool FirstStartHasRun = false;
    bool WaitingForPassword = false;
    bool DontDisplayMinimizeWarning = false;
    bool isLongSmsEnabled = false;
    QString XmlPfad;
    QString xmlGroup;
    QString xmlUser;
    QString xmlSecretKey;
    bool xmlGroupUser = false;
    bool xmlSingleUser = false;
    bool xmlIsServerUsed = false;
    QString ProxyAddress;
    QString ProxyPort;
    bool ProxyOptionCustom = false;
    bool ProxyOptionDefault = false;
    bool ProxyOptionNoProxy = false;
    QString ProxyAccessType;
    bool ProxyOptionWebProxy = false;
    QString WebProxyWebAddress;
    QString WebProxyName;
    QString WebProxyPort;
    QString WebProxyUserName;
    QString WebProxyUserPasswd;
    bool isPushEnabled = true;
    // How many days the send journal keeps an ended action.
    int journalKeepDays = 365;
    // "Gleichzeitige Übertragungen": how many requests a mass run keeps under
    // way at once (kMinParallel..kMaxParallel); 1 sends one after the other.
    static constexpr int kMinParallel = 1;
    static constexpr int kMaxParallel = 8;
    static constexpr int kDefaultParallel = 4;
    int parallelTransfers = kDefaultParallel;

private:
    // The keychain entry as last read or written: the password lives there
    // instead of in the settings file wherever a keyring takes it.
    mutable QString m_keychainAccount;
    mutable QString m_keychainPassword;
    mutable bool m_keychainKnown = false;
    QString passwordForFile() const;
    friend bool movePasswordToKeychain();
};

// The key under which the program keeps its values.
inline constexpr const char16_t* kSettingsKey = u"Software\\Quendal\\SMS";
QString settingsKey();

// The one instance, created (and loaded) on first use.
cOptionen& options();
// Drops the instance so the next options() loads afresh (tests that switch stores).
void resetOptions();

// A password still in the settings file goes into the keychain and leaves the
// file; true when it moved. Run once at start.
bool movePasswordToKeychain();

// The stored password, else what the user types into the login prompt (not stored).
QString getPassword();
