#include "TempSettings.h"

#include "lists/clsMRU.h"
#include "messaging/RecipientNumber.h"
#include "messaging/SendRules.h"
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

void store(int position, const char* value) {
    ToolRegistry::setString(clsMRU::registryKey(), QString::number(position), s(value));
}

class MRU : public ::testing::Test {
protected:
    TempSettings settings;
    clsMRU mru;
};

} // namespace

TEST_F(MRU, MaxDefaultsToFourAndRefusesBelowOne) {
    EXPECT_EQ(mru.Max(), 4);
    for (const char* e : {"a;G170-1", "b;G170-2", "c;G170-3", "d;G170-4", "e;G170-5"})
        mru.Add(s(e));
    EXPECT_EQ(mru.Count(), 4);
    EXPECT_EQ(mru.Item(1), s("e;G170-5"));

    EXPECT_THROW(mru.setMax(0), std::invalid_argument);
    EXPECT_EQ(mru.Max(), 4);
    EXPECT_EQ(mru.Count(), 4);

    // Lowering the limit drops the oldest entries.
    mru.setMax(2);
    EXPECT_EQ(mru.entries(), (QStringList{s("e;G170-5"), s("d;G170-4")}));
}

TEST_F(MRU, RepeatedEntryMovesToFrontWithoutDuplicate) {
    mru.setMax(10);
    mru.Add(s("Anna;G170-1234567"));
    mru.Add(s("Bernd;G171-7654321"));
    mru.Add(s("Carla;A664-1234567"));
    mru.Add(s("Anna;G170-1234567"));
    EXPECT_EQ(mru.entries(),
              (QStringList{s("Anna;G170-1234567"), s("Carla;A664-1234567"), s("Bernd;G171-7654321")}));

    // Differing only in letter case: the same entry, stored case kept.
    mru.Add(s("BERND;G171-7654321"));
    EXPECT_EQ(mru.Count(), 3);
    EXPECT_EQ(mru.Item(1), s("Bernd;G171-7654321"));

    // The same number under another name is another entry.
    mru.Add(s("Anne;G170-1234567"));
    EXPECT_EQ(mru.Count(), 4);
}

TEST_F(MRU, EleventhEntryPushesOutTheOldest) {
    mru.setMax(10);
    for (int i = 1; i <= 11; ++i)
        mru.Add(QStringLiteral("Name %1;G170-%1").arg(i));
    EXPECT_EQ(mru.Count(), 10);
    EXPECT_EQ(mru.Item(1), s("Name 11;G170-11"));
    EXPECT_EQ(mru.Item(10), s("Name 2;G170-2"));
    EXPECT_TRUE(mru.Item(s("name 1;g170-1")).isEmpty());
}

TEST_F(MRU, SelectItemByKeyOrPosition) {
    mru.setMax(10);
    mru.Add(s("c;G170-3"));
    mru.Add(s("b;G170-2"));
    mru.Add(s("a;G170-1"));
    mru.SelectItem(3);
    EXPECT_EQ(mru.entries(), (QStringList{s("c;G170-3"), s("a;G170-1"), s("b;G170-2")}));
    mru.SelectItem(s("B;g170-2"));
    EXPECT_EQ(mru.entries(), (QStringList{s("b;G170-2"), s("c;G170-3"), s("a;G170-1")}));
    // Unknown keys and positions change nothing.
    mru.SelectItem(s("x;G170-9"));
    mru.SelectItem(0);
    mru.SelectItem(4);
    EXPECT_EQ(mru.Item(1), s("b;G170-2"));

    mru.Remove(s("C;G170-3"));
    mru.Remove(1);
    mru.Remove(7);
    EXPECT_EQ(mru.entries(), QStringList{s("a;G170-1")});
    EXPECT_TRUE(mru.Item(0).isEmpty());
    mru.Clear();
    EXPECT_EQ(mru.Count(), 0);
}

TEST_F(MRU, StoredListWithGapLoadsAndStoresBackWithoutGap) {
    store(1, "Anna;G170-1");
    store(2, "Bernd;G171-2");
    store(4, "Carla;A664-3");
    mru.setMax(10);
    mru.ReadSettings();
    EXPECT_EQ(mru.entries(), (QStringList{s("Anna;G170-1"), s("Bernd;G171-2"), s("Carla;A664-3")}));

    mru.StoreSettings();
    EXPECT_EQ(stored(1), s("Anna;G170-1"));
    EXPECT_EQ(stored(2), s("Bernd;G171-2"));
    EXPECT_EQ(stored(3), s("Carla;A664-3"));
    // Values above the count are left alone; reading again skips the repeat.
    EXPECT_EQ(stored(4), s("Carla;A664-3"));
    clsMRU again;
    again.setMax(10);
    again.ReadSettings();
    EXPECT_EQ(again.entries(), mru.entries());
}

TEST_F(MRU, ReadSettingsSkipsEmptyAndRepeatedValuesAndReadsTenAtMost) {
    store(1, "Anna;G170-1");
    store(2, "ANNA;g170-1");
    store(3, "Team Süd;G170-1234567");
    store(10, "Zehn;G170-10");
    store(11, "Elf;G170-11");
    mru.setMax(10);
    mru.ReadSettings();
    EXPECT_EQ(mru.entries(), (QStringList{s("Anna;G170-1"), s("Team Süd;G170-1234567"), s("Zehn;G170-10")}));

    // The list never holds more than Max.
    clsMRU small;
    small.ReadSettings();
    small.setMax(2);
    small.ReadSettings();
    EXPECT_EQ(small.Count(), 2);

    // Reading replaces what was in memory.
    mru.Add(s("Neu;G170-5"));
    mru.ReadSettings();
    EXPECT_EQ(mru.Count(), 3);
}

TEST_F(MRU, StoreAndReadRoundTrip) {
    mru.setMax(10);
    mru.Add(SendRules::recentEntry(s("Jürgen €"), s("G170"), s("1234567")));
    mru.Add(SendRules::recentEntry(QString(), s("W"), s("00447911")));
    mru.StoreSettings();
    clsMRU loaded;
    loaded.setMax(10);
    loaded.ReadSettings();
    EXPECT_EQ(loaded.entries(), (QStringList{s(";W-00447911"), s("Jürgen €;G170-1234567")}));
}

TEST_F(MRU, ComboItemsCarryNameAndTag) {
    mru.setMax(10);
    mru.Add(s("Ohne Trenner"));
    mru.Add(QString());
    mru.Add(s("A;B;G171-7"));
    mru.Add(s(";V170-1234567"));
    mru.Add(s("Team Süd;G170-1234567"));
    const QList<clsMRU::ComboItem> items = mru.comboItems();
    ASSERT_EQ(items.size(), 4); // the empty entry is skipped
    EXPECT_EQ(items.at(0).text, s("Team Süd"));
    EXPECT_EQ(items.at(0).tag, s("G170-1234567"));
    // An empty name shows nothing but still restores prefix and number.
    EXPECT_TRUE(items.at(1).text.isEmpty());
    const auto tag = RecipientNumber::splitRecentTag(items.at(1).tag);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->key, s("G170"));
    EXPECT_EQ(tag->number, s("1234567"));
    // A name holding ";" stays whole.
    EXPECT_EQ(items.at(2).text, s("A;B"));
    EXPECT_EQ(items.at(2).tag, s("G171-7"));
    EXPECT_EQ(items.at(3).text, s("Ohne Trenner"));
    EXPECT_TRUE(items.at(3).tag.isEmpty());
}
