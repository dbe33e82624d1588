#pragma once

#include <QString>

#include <array>

// The one place that knows the service's addresses. Defaults live on one
// built-in host; section "URLs" (and "Files") of the branding profile replaces
// any of them, exactly as written.
class CUrlStore {
public:
    // Profile order: the addresses, then the two file names.
    enum Entry : int {
        Homepage,
        Helppage,
        SendSMS,
        CronSMS,
        EditCronSMS,
        Phonebook,
        WebGroup,
        BuyCredits,
        CheckUser,
        CreateUser,
        SmsCount,
        CheckVersion,
        CheckInfo,
        AGB,
        WebGroupDir,
        News,
        Update,
        UpdaterName,
        ExeName,
        EntryCount
    };

    CUrlStore(); // built-in defaults only
    void loadProfile(const QString& profileFile);

    QString get(Entry e) const { return m_values[e]; }
    void set(Entry e, const QString& value) { m_values[e] = value; }

    static QString builtInHost();
    static QString builtInDefault(Entry e);
    // The key in the profile, which is also the property's name.
    static QString keyName(Entry e);
    static QString sectionName(Entry e);

    QString getHomepage() const { return get(Homepage); }
    QString getHelppage() const { return get(Helppage); }
    QString getSendSMS() const { return get(SendSMS); }
    QString getCronSMS() const { return get(CronSMS); }
    QString getEditCronSMS() const { return get(EditCronSMS); }
    QString getPhonebook() const { return get(Phonebook); }
    QString getWebGroup() const { return get(WebGroup); }
    QString getBuyCredits() const { return get(BuyCredits); }
    QString getCheckUser() const { return get(CheckUser); }
    QString getCreateUser() const { return get(CreateUser); }
    QString getSmsCount() const { return get(SmsCount); }
    QString getCheckVersion() const { return get(CheckVersion); }
    QString getCheckInfo() const { return get(CheckInfo); }
    QString getAGB() const { return get(AGB); }
    QString getWebGroupDir() const { return get(WebGroupDir); }
    QString getNews() const { return get(News); }
    QString getUpdate() const { return get(Update); }
    QString getUpdaterName() const { return get(UpdaterName); }
    QString getExeName() const { return get(ExeName); }

private:
    std::array<QString, EntryCount> m_values;
};

// The one instance, filled on the first call (defaults, then the profile when present).
CUrlStore& urlStore();
// Drops the instance so the next urlStore() reads the profile again (tests).
void resetUrlStore();
