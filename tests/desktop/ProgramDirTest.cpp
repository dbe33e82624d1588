// Where an installed copy finds its branding profile: beside the executable
// first, else in the system-wide folder.

#include "TempSettings.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/iniHandler.h"
#include "platform/ProgramDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(content);
}

struct Place {
    const char* name;
    bool beside;
    bool system;
    const char* productName; // what the start reads
    bool fromSystem;         // pictures the profile names come from the system folder
};

class ProfileLookup : public ::testing::TestWithParam<Place> {
protected:
    ~ProfileLookup() override { ProgramDir::setSystemPath({}); }
};

TEST_P(ProfileLookup, BesideTheExecutableWinsOverTheSystemFolder) {
    const Place& p = GetParam();
    TempSettings settings;
    QTemporaryDir system;
    ProgramDir::setSystemPath(system.path());
    if (p.beside)
        settings.writeProfile("[Strings]\nProductName=Neben\n[URLs]\nSendSMS=http://127.0.0.1:9/neben\n");
    if (p.system)
        writeFile(QDir(system.path()).filePath(QStringLiteral("oem.inf")),
                  "[Strings]\nProductName=System\n[URLs]\nSendSMS=http://127.0.0.1:9/system\n");
    settings.reload();

    Product::loadProductName();
    EXPECT_EQ(Product::productName(), QString::fromLatin1(p.productName));
    EXPECT_EQ(profileExists(), p.beside || p.system);
    const QString folder = p.fromSystem ? system.path() : settings.dir();
    EXPECT_EQ(profileFile(QStringLiteral("kopf.png")), QDir(folder).filePath(QStringLiteral("kopf.png")));
    if (p.beside || p.system)
        EXPECT_TRUE(urlStore().getSendSMS().endsWith(p.fromSystem ? u"/system" : u"/neben"));
    else
        EXPECT_EQ(urlStore().getSendSMS(), CUrlStore::builtInDefault(CUrlStore::SendSMS));
}

INSTANTIATE_TEST_SUITE_P(Places, ProfileLookup,
                         ::testing::Values(Place{"none", false, false, "Velvox", false},
                                           Place{"beside", true, false, "Neben", false},
                                           Place{"system", false, true, "System", true},
                                           Place{"both", true, true, "Neben", false}),
                         [](const auto& place) { return std::string(place.param.name); });

// A test that points the program folder elsewhere never reads the machine's
// own /etc/velvox; the environment moves the folder for an unpacked package.
TEST(SystemFolder, HiddenFromTestsAndMovedByTheEnvironment) {
    {
        TempSettings settings;
        EXPECT_TRUE(ProgramDir::systemPath().isEmpty());
        EXPECT_EQ(profilePath(), QDir(settings.dir()).filePath(QStringLiteral("oem.inf")));
    }
    qunsetenv("VELVOX_SYSCONFDIR");
    EXPECT_EQ(ProgramDir::systemPath(), QStringLiteral("/etc/velvox"));
    qputenv("VELVOX_SYSCONFDIR", "/tmp/root/etc/velvox");
    EXPECT_EQ(ProgramDir::systemPath(), QStringLiteral("/tmp/root/etc/velvox"));
    qunsetenv("VELVOX_SYSCONFDIR");
}

} // namespace
