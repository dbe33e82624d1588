// The options dialog's rules without its widgets: field rules as tables, and
// the apply over a real settings file.

#include "TempSettings.h"

#include "config/OptionsRules.h"
#include "config/ProxyConfig.h"
#include "config/cOptionen.h"
#include "platform/ToolRegistry.h"
#include "platform/Transfer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace OptionsRules;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

TEST(OptionsRules, SenderIdIsElevenLettersOrSixteenDigits) {
    struct Case {
        const char* text;
        bool acceptable;
        bool warned;
        int maxLength;
    };
    const Case cases[] = {
        {"", true, false, 11},
        {"Praxis-Nord", true, false, 11},        // 11 characters
        {"PraxisNord12", false, true, 11},       // 12, not a number
        {"4917012345678", true, false, 16},      // 13 digits
        {"491701234567X", false, true, 11},      // one digit replaced by a letter
        {"-491701234567", true, false, 16},      // the sign of a number
        {"4917012345678901", true, false, 16},   // 16 digits
        {"49170123456789012", false, false, 16}, // 17 digits: pasted, refused without a letter warning
        {"1e5000000000", false, true, 11},       // what a number parser reads, but not digits
        {"1.5000000000", false, true, 11},
        {"--4917012345678", false, true, 11},
    };
    for (const Case& c : cases) {
        const SenderIdState s = checkSenderId(QString::fromLatin1(c.text));
        EXPECT_EQ(s.acceptable, c.acceptable) << c.text;
        EXPECT_EQ(s.marked, !c.acceptable) << c.text;
        EXPECT_EQ(s.warning, c.warned ? senderIdTooLongText() : QString()) << c.text;
        EXPECT_EQ(s.maxLength, c.maxLength) << c.text;
    }
    EXPECT_EQ(senderIdTooLongText(), u8("max. 11 alphanumerische Zeichen möglich!"));
}

TEST(OptionsRules, SenderIdCharactersAndNumbers) {
    EXPECT_EQ(keepSenderIdChars(u8("Bäckerei Süd-2!€\t")), QStringLiteral("BckereiSd-2"));
    for (const char* n : {"0", "123", "-1", "0049170"})
        EXPECT_TRUE(isSignedNumber(QString::fromLatin1(n))) << n;
    for (const char* n : {"", "-", "1e5", "1.5", " 12", "12 ", "+12", "1-2", "0x10"})
        EXPECT_FALSE(isSignedNumber(QString::fromLatin1(n))) << n;
    EXPECT_FALSE(isSignedNumber(u8("١٢٣"))); // other scripts' digits are not digits here
}

TEST(OptionsRules, CostOfTheSendOptions) {
    struct Case {
        bool sender, longSms, reply;
        const char* cost;
        const char* detail;
    };
    const char* perSms = "Kosten der SMS mit den gewählten Optionen:";
    const Case cases[] = {
        {false, false, false, "10 Credits", perSms},
        {false, true, false, "10 Credits", perSms}, // long messages alone cost nothing more
        {false, false, true, "11 Credits", perSms},
        {true, false, false, "14 Credits", perSms},
        {true, true, false, "14 Credits", "Kosten je 153 Zeichen:"},
        {true, true, true, "15 Credits", "Kosten je 153 Zeichen:"},
    };
    for (const Case& c : cases) {
        const CostDisplay d = costDisplay(c.sender, c.longSms, c.reply);
        EXPECT_EQ(d.costText, QString::fromLatin1(c.cost));
        EXPECT_EQ(d.detailText, u8(c.detail));
    }
}

TEST(OptionsRules, CompanyServerFieldsFollowServerAndBooking) {
    struct Case {
        bool use, group, single;
        bool outGroup, outSingle, booking, user, groupAndKey;
    };
    const Case cases[] = {
        {false, false, false, false, true, false, false, false}, // own account chosen even when unused
        {true, false, false, false, true, true, true, false},
        {true, true, false, true, false, true, true, true},
        {false, true, false, true, false, false, false, false},
        {true, false, true, false, true, true, true, false},
    };
    for (const Case& c : cases) {
        const ServerStates s = serverStates(c.use, c.group, c.single);
        EXPECT_EQ(s.useGroup, c.outGroup);
        EXPECT_EQ(s.useSingle, c.outSingle);
        EXPECT_EQ(s.bookingEnabled, c.booking);
        EXPECT_EQ(s.userEnabled, c.user);
        EXPECT_EQ(s.groupAndKeyEnabled, c.groupAndKey);
    }
}

TEST(OptionsRules, PortIsOneToFiveDigitsUpTo65535) {
    const QString notNumber = QStringLiteral("Der Port muss eine Zahl sein");
    const QString range = QStringLiteral("Der Port muss eine Zahl zwischen 1 und 65535 sein");
    const std::pair<const char*, QString> cases[] = {
        {"8080", {}},
        {"1", {}},
        {"65535", {}},
        {"08080", {}},
        {"abc", notNumber},
        {"80a", notNumber},
        {"1e3", notNumber},
        {"-80", notNumber},
        {"", notNumber},
        {"0", range},
        {"65536", range},
        {"70000", range},
        {"99999999999999999999", range},
    };
    for (const auto& [port, message] : cases)
        EXPECT_EQ(portProblem(QString::fromLatin1(port)), message) << port;
}

TEST(OptionsRules, ProxyChoiceFromTheStoredOptions) {
    EXPECT_EQ(proxyChoiceFromSettings(false, false, false), ProxyChoice::SystemDefault);
    EXPECT_EQ(proxyChoiceFromSettings(true, false, false), ProxyChoice::Custom);
    EXPECT_EQ(proxyChoiceFromSettings(false, false, true), ProxyChoice::NoProxy);
    // Set one after the other, the last one set stays selected.
    EXPECT_EQ(proxyChoiceFromSettings(true, true, false), ProxyChoice::SystemDefault);
    EXPECT_EQ(proxyChoiceFromSettings(true, false, true), ProxyChoice::NoProxy);
    EXPECT_EQ(accessTypeText(ProxyChoice::SystemDefault), QStringLiteral("0"));
    EXPECT_EQ(accessTypeText(ProxyChoice::NoProxy), QStringLiteral("1"));
    EXPECT_EQ(accessTypeText(ProxyChoice::Custom), QStringLiteral("2"));
}

TEST(OptionsRules, ServicePageAddresses) {
    const QString shop = QStringLiteral("http://h/sms/buyCredits.php");
    EXPECT_EQ(colourText(240, 10, 171), QStringLiteral("F00AAB"));
    EXPECT_EQ(buyCreditsAddress(shop, QStringLiteral("demo@velvox.example"), QStringLiteral("velvox"),
                                QStringLiteral("F0F0F0")),
              QStringLiteral(
                  "http://h/sms/buyCredits.php?email=demo@velvox.example&passwort=velvox&backcolor=F0F0F0"));
    // The password URL-encoded with blanks as "%20"; the e-mail keeps the query whole.
    EXPECT_EQ(
        editCronAddress(QStringLiteral("http://h/terminversand/deleteSMS.php"), QStringLiteral("a&b@x.de"),
                        u8("p w&+ä#"), QStringLiteral("000000")),
        QStringLiteral("http://h/terminversand/deleteSMS.php?email=a%26b@x.de&kennwort=p%20w%26%2B%E4%23"
                       "&backcolor=000000"));
    EXPECT_TRUE(isCloseLink(QStringLiteral("http://close://")));
    EXPECT_FALSE(isCloseLink(QStringLiteral("CLOSE://")));
}

// --- Apply over a settings file ----------------------------------------------

class OptionsApply : public ::testing::Test {
protected:
    // The settings as the next program start reads them.
    static cOptionen stored() { return cOptionen(); }
    static QString storedValue(const char* name) {
        return ToolRegistry::getString(settingsKey(), QString::fromLatin1(name));
    }

    TempSettings settings;
};

TEST_F(OptionsApply, EveryFieldReachesItsSetting) {
    QDir(settings.dir()).mkdir(QStringLiteral("server"));
    OptionsForm f = formFromSettings(options());
    f.email = QStringLiteral("a@b.de");
    f.password = QStringLiteral("geheim");
    f.senderId = QStringLiteral("Praxis");
    f.useSenderId = true;
    f.longSms = true;
    f.push = false;
    f.controlEmail = true;
    f.useServer = true;
    f.groupBooking = true;
    f.singleBooking = false;
    f.serverUser = QStringLiteral("u1");
    f.serverGroup = QStringLiteral("g1");
    f.serverKey = QStringLiteral("k1");
    f.serverFolder = QDir(settings.dir()).filePath(QStringLiteral("server"));
    f.proxyChoice = ProxyChoice::Custom;
    f.proxyHost = QStringLiteral("proxy.intern");
    f.proxyPort = QStringLiteral("3128");
    f.outlookProfile = QStringLiteral("Outlook");
    f.contactFolderName = QStringLiteral("Kontakte");
    f.contactStoreId = QStringLiteral("S1");
    f.contactEntryId = QStringLiteral("E1");
    ASSERT_TRUE(applyOptions(f, options()).ok());

    const cOptionen o = stored();
    EXPECT_EQ(o.Username, f.email);
    EXPECT_EQ(o.kennwort, f.password);
    EXPECT_EQ(o.Absenderkennung, f.senderId);
    EXPECT_TRUE(o.isAbsenderkennung && o.isLongSmsEnabled && o.isControlEmail);
    EXPECT_FALSE(o.isPushEnabled);
    EXPECT_TRUE(o.xmlIsServerUsed && o.xmlGroupUser);
    EXPECT_FALSE(o.xmlSingleUser);
    EXPECT_EQ(o.xmlUser + o.xmlGroup + o.xmlSecretKey, QStringLiteral("u1g1k1"));
    EXPECT_EQ(o.XmlPfad, f.serverFolder);
    EXPECT_TRUE(o.ProxyOptionCustom);
    EXPECT_FALSE(o.ProxyOptionDefault || o.ProxyOptionNoProxy);
    EXPECT_EQ(o.ProxyAccessType, QStringLiteral("2"));
    EXPECT_EQ(o.ProxyAddress + QLatin1Char(':') + o.ProxyPort, QStringLiteral("proxy.intern:3128"));
    EXPECT_EQ(o.OutlookProfil, f.outlookProfile);
    EXPECT_EQ(o.ContactFolderName, f.contactFolderName);
    EXPECT_EQ(o.ContactStoreID, f.contactStoreId);
    EXPECT_EQ(o.ContactEntryID, f.contactEntryId);

    // And the load gives the same form back.
    const OptionsForm again = formFromSettings(o);
    EXPECT_EQ(again.serverFolder, f.serverFolder);
    EXPECT_EQ(again.proxyChoice, ProxyChoice::Custom);
    EXPECT_EQ(again.proxyPort, f.proxyPort);
    EXPECT_TRUE(again.groupBooking && !again.singleBooking);
}

TEST_F(OptionsApply, LoadChoosesOwnAccountAndDropsReplyUnderSenderId) {
    cOptionen& o = options();
    o.isAbsenderkennung = true;
    o.isAntwortEnabled = true;
    o.xmlGroupUser = false;
    o.xmlSingleUser = false;
    OptionsForm f = formFromSettings(o);
    EXPECT_FALSE(f.reply);
    EXPECT_TRUE(f.singleBooking);
    // An apply therefore stores the own account even with the server unused.
    ASSERT_TRUE(applyOptions(f, o).ok());
    EXPECT_EQ(storedValue("xmlSingleUser"), QStringLiteral("true"));
    EXPECT_EQ(storedValue("isAntwortEnabled"), QStringLiteral("false"));
}

// A proxy the components cannot use saves the rest and falls back to the
// system's proxy throughout; the stored named proxy stays as it was.
TEST_F(OptionsApply, UnusableProxyFallsBackToTheSystemProxy) {
    struct Case {
        const char* host;
        const char* port;
        const char* message;
    };
    const Case cases[] = {
        {"", "", "Sie müssen einen Proxy-Server eingeben"},
        {"", "8080", "Sie müssen einen Proxy-Server eingeben"},
        {"proxy.neu", "", "Sie müssen eine Portnummer eingeben"},
        {"proxy.neu", "abc", "Der Port muss eine Zahl sein"},
        {"proxy.neu", "70000", "Der Port muss eine Zahl zwischen 1 und 65535 sein"},
    };
    for (const Case& c : cases) {
        settings.reload();
        cOptionen& o = options();
        o.ProxyAddress = QStringLiteral("proxy.alt");
        o.ProxyPort = QStringLiteral("8080");
        o.ProxyOptionCustom = true;
        o.ProxyAccessType = QStringLiteral("2");
        o.save();
        Transfer live;
        ProxyConfig::configure(live);

        OptionsForm f = formFromSettings(o);
        f.email = QStringLiteral("neu@b.de");
        f.proxyChoice = ProxyChoice::Custom;
        f.proxyHost = QString::fromLatin1(c.host);
        f.proxyPort = QString::fromLatin1(c.port);
        const ApplyResult r = applyOptions(f, o);
        EXPECT_FALSE(r.ok()) << c.host << ":" << c.port;
        EXPECT_EQ(r.message, u8(c.message));

        const cOptionen s = stored();
        EXPECT_EQ(s.Username, QStringLiteral("neu@b.de")); // the rest is saved
        EXPECT_TRUE(s.ProxyOptionDefault);
        EXPECT_FALSE(s.ProxyOptionCustom || s.ProxyOptionNoProxy);
        EXPECT_EQ(s.ProxyAccessType, QStringLiteral("0"));
        EXPECT_EQ(s.ProxyAddress, QStringLiteral("proxy.alt"));
        EXPECT_EQ(s.ProxyPort, QStringLiteral("8080"));
        EXPECT_EQ(live.accessType(), Transfer::SystemProxy);
    }
}

TEST_F(OptionsApply, ProxyTextsOfAnotherChoice) {
    cOptionen& o = options();
    o.ProxyAddress = QStringLiteral("proxy.alt");
    o.ProxyPort = QStringLiteral("8080");
    OptionsForm f = formFromSettings(o);
    f.proxyChoice = ProxyChoice::NoProxy;
    // Greyed-out texts cannot be corrected: a bad port there is no reason to refuse.
    f.proxyPort = QStringLiteral("abc");
    ASSERT_TRUE(applyOptions(f, o).ok());
    EXPECT_EQ(stored().ProxyAccessType, QStringLiteral("1"));
    EXPECT_EQ(stored().ProxyPort, QStringLiteral("8080"));
    // A host text showing its placeholder empties both.
    f.proxyHost.clear();
    ASSERT_TRUE(applyOptions(f, o).ok());
    EXPECT_TRUE(stored().ProxyAddress.isEmpty() && stored().ProxyPort.isEmpty());
}

TEST_F(OptionsApply, NamedProxyReachesEveryLiveComponentAtOnce) {
    Transfer first;
    Transfer second;
    ProxyConfig::configure(first);
    ProxyConfig::configure(second);
    {
        Transfer gone; // a component of a closed window
        ProxyConfig::configure(gone);
    }
    OptionsForm f = formFromSettings(options());
    f.proxyChoice = ProxyChoice::Custom;
    f.proxyHost = QStringLiteral("127.0.0.1");
    f.proxyPort = QStringLiteral("3128");
    ASSERT_TRUE(applyOptions(f, options()).ok());
    for (const Transfer* t : {&first, &second}) {
        EXPECT_EQ(t->accessType(), Transfer::NamedProxy);
        EXPECT_EQ(t->proxy(), QStringLiteral("127.0.0.1:3128"));
    }
}

// A sender id that cannot be used changes nothing.
TEST_F(OptionsApply, RefusedSenderIdSavesNothing) {
    options().save();
    QFile ini(settings.iniPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray before = ini.readAll();
    ini.close();
    OptionsForm f = formFromSettings(options());
    f.email = QStringLiteral("neu@b.de");
    f.senderId = QStringLiteral("PraxisNord12");
    const ApplyResult r = applyOptions(f, options());
    EXPECT_EQ(r.failure, ApplyFailure::SenderId);
    EXPECT_TRUE(r.message.isEmpty()); // the field's own warning says it
    EXPECT_TRUE(options().Username.isEmpty());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), before);
}

// The company-server folder is checked only when this apply changes it or the
// hand-off switch, without leaving a file in it; the rest is saved either way,
// and a folder that cannot be used is not taken.
TEST_F(OptionsApply, ServerFolderIsCheckedOnlyWhenChangedAndNeverStopsTheRest) {
    QFile plainFile(QDir(settings.dir()).filePath(QStringLiteral("datei.txt")));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    QTemporaryDir share;
    const QString offline = QDir(settings.dir()).filePath(QStringLiteral("fehlt"));
    struct Case {
        const char* name;
        bool storedUse;
        QString storedFolder;
        bool use;
        QString folder;
        const char* messageStart; // empty: the apply succeeds
    };
    const Case cases[] = {
        {"missing folder chosen", false, {}, true, offline, "Der Ordner \""},
        {"a file chosen", false, {}, true, plainFile.fileName(), "Der Ordner \""},
        // Not even root may create files here.
        {"read-only folder chosen", false, {}, true, QStringLiteral("/proc/1"), "In den Ordner \"/proc/1\" kann nicht"},
        {"switch set on an offline folder", false, offline, true, offline, "Der Ordner \""},
        {"offline folder kept as it was", true, offline, true, offline, ""},
        {"unused server", false, {}, false, QStringLiteral("/proc/1"), ""},
        {"writable share chosen", false, {}, true, share.path(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        options().xmlIsServerUsed = c.storedUse;
        options().XmlPfad = c.storedFolder;
        options().Username.clear();
        options().save();
        OptionsForm f = formFromSettings(options());
        f.email = QStringLiteral("neu@b.de");
        f.useServer = c.use;
        f.serverFolder = c.folder;
        const ApplyResult r = applyOptions(f, options());
        const bool refused = *c.messageStart != 0;
        EXPECT_EQ(r.failure, refused ? ApplyFailure::ServerFolder : ApplyFailure::None);
        if (refused)
            EXPECT_TRUE(r.message.startsWith(u8(c.messageStart))) << qPrintable(r.message);
        else
            EXPECT_TRUE(r.message.isEmpty()) << qPrintable(r.message);

        cOptionen stored;
        stored.load();
        EXPECT_EQ(stored.Username, QStringLiteral("neu@b.de"));
        EXPECT_EQ(stored.XmlPfad, refused ? c.storedFolder : c.folder);
        EXPECT_EQ(stored.xmlIsServerUsed, refused ? c.storedUse : c.use);
    }
    EXPECT_TRUE(QDir(share.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

} // namespace
