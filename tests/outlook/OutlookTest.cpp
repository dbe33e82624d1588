// The add-in registration over a real settings file, and the profile and
// folder choice against a list of folders standing in for Outlook.

#include "ListedOutlook.h"
#include "ScriptedPrompts.h"
#include "TempSettings.h"

#include "outlook/OutlookAddin.h"
#include "outlook/OutlookSettings.h"
#include "platform/ToolRegistry.h"

#include <gtest/gtest.h>

namespace {

const QString kKey = OutlookAddin::addinKey(QStringLiteral("Outlook"));

qint32 number(const char* name) {
    qint32 n = -1;
    EXPECT_TRUE(ToolRegistry::getNumber(kKey, QString::fromLatin1(name), &n)) << name;
    return n;
}
QString text(const char* name) {
    return ToolRegistry::getString(kKey, QString::fromLatin1(name));
}

TEST(OutlookAddin, RegistersOnceAndLeavesAChangedKeyAlone) {
    TempSettings t;
    EXPECT_EQ(kKey,
              QStringLiteral("Software\\Microsoft\\Office\\Outlook\\Addins\\Velvox_OutlookAddin.Connect"));
    ASSERT_TRUE(OutlookAddin::registerOutlookAddin());
    EXPECT_EQ(text("FriendlyName"), QStringLiteral("Velvox_OutlookAddin.Connect"));
    EXPECT_EQ(text("Description"),
              QStringLiteral("Mit Hilfe von Velvox eine SMS aus Outlook heraus versenden."));
    EXPECT_EQ(number("LoadBehavior"), 3);
    EXPECT_EQ(number("CommandLineSafe"), 0);
    // The user switched the add-in off; a second press keeps that, and writes nothing.
    ASSERT_TRUE(ToolRegistry::setNumber(kKey, QStringLiteral("LoadBehavior"), 2));
    ToolRegistry::deleteValue(kKey, QStringLiteral("Description"));
    EXPECT_FALSE(OutlookAddin::registerOutlookAddin());
    EXPECT_EQ(number("LoadBehavior"), 2);
    EXPECT_TRUE(text("Description").isEmpty());
}

TEST(OutlookAddin, RepairsAKeyWithoutLoadBehavior) {
    TempSettings t;
    ToolRegistry::setString(kKey, QStringLiteral("FriendlyName"), QStringLiteral("alt"));
    EXPECT_EQ(ToolRegistry::createKey(kKey), ToolRegistry::OpenedExistingKey);
    ASSERT_TRUE(OutlookAddin::registerOutlookAddin());
    EXPECT_EQ(text("FriendlyName"), QStringLiteral("Velvox_OutlookAddin.Connect"));
    EXPECT_EQ(number("LoadBehavior"), 3);
    // Text where the number belongs is no load behaviour either.
    ToolRegistry::setString(kKey, QStringLiteral("LoadBehavior"), QStringLiteral("drei"));
    EXPECT_TRUE(OutlookAddin::registerOutlookAddin());
    EXPECT_EQ(number("LoadBehavior"), 3);
}

class OutlookChoiceTest : public ::testing::Test {
protected:
    static OutlookChoice previous() {
        return OutlookChoice{QStringLiteral("Privat"), QStringLiteral("Kontakte alt"), QStringLiteral("S0"),
                             QStringLiteral("E0")};
    }
    static void expectUnchanged(const OutlookChoice& c) {
        EXPECT_EQ(c.folderName, previous().folderName);
        EXPECT_EQ(c.storeID, previous().storeID);
        EXPECT_EQ(c.entryID, previous().entryID);
    }

    TempSettings settings;
    ScriptedPrompts prompts;
    ListedOutlook outlook{{
        {0, QStringLiteral("Posteingang"), QStringLiteral("S1"), QStringLiteral("E-mail")},
        {2, QStringLiteral("Kontakte"), QStringLiteral("S1"), QStringLiteral("E-contacts")},
    }};
};

TEST_F(OutlookChoiceTest, OnlyAContactsFolderIsTakenWithBothIds) {
    OutlookChoice c = previous();
    outlook.queuePick(0);
    EXPECT_FALSE(OutlookSettings::chooseFolder(c));
    expectUnchanged(c);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, QString::fromUtf8("Der gewählte Ordner muss Kontakte enthalten.\r\n"
                                                            "Bitte wählen Sie einen anderen Ordner."));
    EXPECT_EQ(prompts.messages()[0].title, QStringLiteral("Velvox"));
    EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Warning);

    outlook.queuePick(ListedOutlook::kCancel);
    EXPECT_FALSE(OutlookSettings::chooseFolder(c));
    expectUnchanged(c);
    EXPECT_EQ(prompts.messages().size(), 1); // a cancel says nothing

    outlook.queuePick(1);
    EXPECT_TRUE(OutlookSettings::chooseFolder(c));
    EXPECT_EQ(c.folderName, QStringLiteral("Kontakte"));
    EXPECT_EQ(c.storeID, QStringLiteral("S1"));
    EXPECT_EQ(c.entryID, QStringLiteral("E-contacts"));
    EXPECT_EQ(c.profile, QStringLiteral("Privat"));
}

TEST_F(OutlookChoiceTest, ProfileFromTheLogonOrKeptSilently) {
    OutlookChoice c = previous();
    outlook.setProfile(std::nullopt);
    OutlookSettings::chooseProfile(c);
    EXPECT_EQ(c.profile, QStringLiteral("Privat"));
    outlook.setProfile(QStringLiteral("Büro"));
    OutlookSettings::chooseProfile(c);
    EXPECT_EQ(c.profile, QStringLiteral("Büro"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST(OutlookPlatform, WithoutOutlookTheUserIsToldAndNothingChanges) {
    TempSettings t;
    ScriptedPrompts prompts;
    OutlookChoice c{QStringLiteral("P"), QStringLiteral("K"), QStringLiteral("S"), QStringLiteral("E")};
    EXPECT_FALSE(OutlookSettings::chooseFolder(c));
    OutlookSettings::chooseProfile(c);
    EXPECT_EQ(c.profile + c.folderName + c.storeID + c.entryID, QStringLiteral("PKSE"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Outlook konnte nicht gestartet werden."));
}

} // namespace
