#include "TempSettings.h"

#include "config/CUrlStore.h"
#include "config/Colours.h"
#include "config/Product.h"
#include "config/iniHandler.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(BrandingProfile, WithoutProfileEverythingIsBuiltIn) {
    TempSettings t;
    Product::loadProductName();
    EXPECT_EQ(Product::productName(), QStringLiteral("Velvox"));
    const CUrlStore& u = urlStore();
    EXPECT_TRUE(u.getSendSMS().startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(u.getSendSMS().endsWith(QStringLiteral("/smsv3/smsv3.php")));
    EXPECT_TRUE(u.getSmsCount().endsWith(QStringLiteral("/sms/count.php?email=")));
    EXPECT_EQ(u.getUpdaterName(), QStringLiteral("velvoxupdater.exe"));
    EXPECT_EQ(u.getExeName(), QStringLiteral("velvox.exe"));
    // One host for every address.
    for (int i = 0; i < CUrlStore::UpdaterName; ++i)
        EXPECT_TRUE(u.get(CUrlStore::Entry(i)).startsWith(CUrlStore::builtInHost())) << i;
}

TEST(BrandingProfile, ProfileOverridingOnlySendSmsLeavesTheRest) {
    TempSettings t;
    t.writeProfile("[URLs]\r\nSendSMS=http://127.0.0.1:9/x.php?a=1\r\n");
    const CUrlStore& u = urlStore();
    EXPECT_EQ(u.getSendSMS(), QStringLiteral("http://127.0.0.1:9/x.php?a=1"));
    EXPECT_EQ(u.getCronSMS(), CUrlStore::builtInDefault(CUrlStore::CronSMS));
    EXPECT_EQ(u.getUpdaterName(), QStringLiteral("velvoxupdater.exe"));
}

TEST(BrandingProfile, SectionsAndKeysIgnoreCaseAndValuesAreTrimmed) {
    TempSettings t;
    t.writeProfile("; comment\n[strings]\n  productname =  Acme SMS   \n[FILES]\nupdater=up.exe  \n"
                   "[Strings]\nCopyright=\n");
    Product::loadProductName();
    EXPECT_EQ(Product::productName(), QStringLiteral("Acme SMS"));
    EXPECT_EQ(urlStore().getUpdaterName(), QStringLiteral("up.exe"));
    EXPECT_EQ(readIniValue(profilePath(), QStringLiteral("Strings"), QStringLiteral("Copyright"),
                           QStringLiteral("dflt")),
              QStringLiteral("dflt"));
    EXPECT_EQ(readIniValue(profilePath(), QStringLiteral("Nope"), QStringLiteral("x")), QString());
}

TEST(BrandingProfile, EmptyProductNameKeepsTheDefault) {
    TempSettings t;
    t.writeProfile("[Strings]\nProductName=\n");
    Product::loadProductName();
    EXPECT_EQ(Product::productName(), QStringLiteral("Velvox"));
}

TEST(BrandingProfile, ValueIsCutAtNulAndWindows1252IsDecoded) {
    TempSettings t;
    t.writeProfile(QByteArray("[Strings]\nProductName=Caf\xE9 \x80 SMS\nCopyright=ab", 47) + QByteArray(1, '\0') +
                   QByteArray("cd\n"));
    Product::loadProductName();
    EXPECT_EQ(Product::productName(), QStringLiteral("Café € SMS"));
    EXPECT_EQ(readIniValue(profilePath(), QStringLiteral("Strings"), QStringLiteral("Copyright")),
              QStringLiteral("ab"));
}

TEST(BrandingProfile, JunkAndHugeValuesNeverStopTheProgram) {
    TempSettings t;
    QByteArray junk;
    for (int i = 0; i < 20000; ++i)
        junk.append(char((i * 131 + 7) % 256));
    const QByteArray huge(100 * 1024, 'h');
    t.writeProfile(junk + "\n[URLs]\nNews=" + huge + "\n[Colors]\nBackground=rot\n" + junk);
    const QString news = urlStore().getNews();
    // Longer than the reader's buffer is not supported: cut, but no crash.
    EXPECT_LE(news.size(), 65534);
    EXPECT_TRUE(news.startsWith(QStringLiteral("hhhh")));
    EXPECT_FALSE(Colours::parse(readIniValue(profilePath(), QStringLiteral("Colors"),
                                             QStringLiteral("Background")))
                     .has_value());
}

TEST(Colours, WindowsEncoding) {
    const auto red = Colours::parse(QStringLiteral("255"));
    ASSERT_TRUE(red.has_value());
    EXPECT_FALSE(red->isSystem());
    EXPECT_EQ(red->red(), 255);
    EXPECT_EQ(red->blue(), 0);

    const auto light = Colours::parse(QStringLiteral("12632319"));
    ASSERT_TRUE(light.has_value());
    EXPECT_EQ(light->red(), 255);
    EXPECT_EQ(light->green(), 192);
    EXPECT_EQ(light->blue(), 192);

    const auto window = Colours::parse(QStringLiteral("-2147483643"));
    ASSERT_TRUE(window.has_value());
    EXPECT_TRUE(window->isSystem());
    EXPECT_EQ(window->systemIndex(), 5);
    EXPECT_EQ(Colours::systemColorName(window->systemIndex()), QStringLiteral("Window"));
    EXPECT_EQ(Colours::parse(QStringLiteral("-2147483633"))->systemIndex(), Colours::kButtonFace);
    EXPECT_EQ(Colours::systemColorName(24), QStringLiteral("InfoBackground"));
    EXPECT_TRUE(Colours::systemColorName(25).isEmpty());

    for (const char* bad : {"", "0x00FF", "12.5", "rot", "99999999999"})
        EXPECT_FALSE(Colours::parse(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(Product, VersionTextsAndNumber) {
    EXPECT_EQ(Product::versionText(), QStringLiteral("3.0.99"));
    EXPECT_EQ(Product::versionLabel(), QStringLiteral("Version 3.0.99"));
    EXPECT_EQ(Product::versionNumber(), 3000099);
    EXPECT_GT(Product::versionNumber(3, 1, 0), Product::versionNumber());
}

// Profiles as editors on either system save them.
TEST(BrandingProfile, ProfileEncodingIsRecognised) {
    struct Case {
        const char* file;
        QString productName;
    };
    const Case cases[] = {
        {"utf8.inf", QStringLiteral("Büro SMS")},
        {"utf8-bom.inf", QStringLiteral("Büro SMS €")},
        {"windows-1252.inf", QStringLiteral("Büro SMS €")},
        // One byte that is not UTF-8 makes the whole file Windows-1252.
        {"mixed.inf", QStringLiteral("BÃ¼ro ü")},
        {"utf8-bom-empty.inf", QStringLiteral("Velvox")},
    };
    for (const Case& c : cases) {
        TempSettings t;
        QFile f(QStringLiteral(VELVOX_TEST_DATA_DIR "/profiles/") + QLatin1String(c.file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.file;
        t.writeProfile(f.readAll());
        Product::loadProductName();
        EXPECT_EQ(Product::productName(), c.productName) << c.file;
    }
}
