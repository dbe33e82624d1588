#include "TempSettings.h"

#include "lists/clsMRU.h"
#include "platform/ToolRegistry.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString stored(int position) {
    return ToolRegistry::getString(clsMRU::registryKey(), QString::number(position));
}

class MRU : public ::testing::Test {
protected:
    void SetUp() override { mru.setMax(10); }
    TempSettings settings;
    clsMRU mru;
};

} // namespace

TEST_F(MRU, RepeatMovesToFrontKeepingItsStoredCase) {
    for (const char* e : {"Anna;G170-1", "Bernd;G171-2", "Carla;A664-3", "Anna;G170-1", "BERND;g171-2"})
        mru.Add(s(e));
    EXPECT_EQ(mru.entries(), (QStringList{s("Bernd;G171-2"), s("Anna;G170-1"), s("Carla;A664-3")}));
    mru.Add(s("Anne;G170-1")); // same number, other name: another entry
    EXPECT_EQ(mru.Count(), 4);
    EXPECT_THROW(mru.setMax(0), std::invalid_argument);
    mru.setMax(2); // lowering the limit drops the oldest
    EXPECT_EQ(mru.entries(), (QStringList{s("Anne;G170-1"), s("Bernd;G171-2")}));
}

TEST_F(MRU, EleventhEntryPushesOutTheOldest) {
    for (int i = 1; i <= 11; ++i)
        mru.Add(QStringLiteral("Name %1;G170-%1").arg(i));
    EXPECT_EQ(mru.Count(), 10);
    EXPECT_EQ(mru.Item(1), s("Name 11;G170-11"));
    EXPECT_EQ(mru.Item(10), s("Name 2;G170-2"));
}

TEST_F(MRU, StoredListWithGapsAndRepeatsLoadsAndStoresBackWithoutGap) {
    const char* values[] = {"Anna;G170-1", "Jürgen €;G171-2", "", "Carla;A664-3", "ANNA;g170-1"};
    for (int i = 0; i < 5; ++i)
        ToolRegistry::setString(clsMRU::registryKey(), QString::number(i + 1), s(values[i]));
    mru.ReadSettings();
    const QStringList three = {s("Anna;G170-1"), s("Jürgen €;G171-2"), s("Carla;A664-3")};
    EXPECT_EQ(mru.entries(), three);

    mru.StoreSettings();
    EXPECT_EQ((QStringList{stored(1), stored(2), stored(3)}), three);
    clsMRU again;
    again.setMax(10);
    again.ReadSettings(); // the old "4" and "5" are repeats now
    EXPECT_EQ(again.entries(), three);
}

TEST_F(MRU, ComboItemsCarryNameAndTag) {
    for (const char* e : {"Ohne Trenner", "", "A;B;G171-7", ";V170-1234567"})
        mru.Add(s(e));
    const QList<clsMRU::ComboItem> items = mru.comboItems();
    ASSERT_EQ(items.size(), 3); // the empty entry is skipped
    // An empty name shows nothing but keeps its tag.
    EXPECT_TRUE(items.at(0).text.isEmpty());
    EXPECT_EQ(items.at(0).tag, s("V170-1234567"));
    EXPECT_EQ(items.at(1).text, s("A;B")); // split at the last ";"
    EXPECT_EQ(items.at(1).tag, s("G171-7"));
    EXPECT_TRUE(items.at(2).tag.isEmpty());
}
