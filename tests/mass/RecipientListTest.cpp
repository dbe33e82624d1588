#include "mass/RecipientList.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>

TEST(RecipientList, ParseLineReadsOneEntryOrRefusesTheLine) {
    struct Case {
        const char* line;
        bool readable;
        const char* entry; // name|number|frei1|frei2, or none added
        bool prefixAdded;
    };
    const Case cases[] = {
        {"B;0043660000;x;y;", true, "B|0043660000|x|y", false},
        {"C;0049170000;z", true, "C|0049170000||", false},
        {"abc", true, nullptr, false},
        {"a;b", true, nullptr, false},
        {"abcd", false, nullptr, false},
        {"Kunde;;x;y;", false, nullptr, false},
        {"D;01700000002;;;", true, "D|00491700000002||", true},
        {"ab;c", true, "ab|0049||", true},
        {"G;+43664123;;;", true, "G|0043664123||", false},
        {"F;0049170;eins;zwei;drei;vier", true, "F|0049170|eins|zwei", false},
        {"Müller €;0049170;ä;ß;", true, "Müller €|0049170|ä|ß", false},
        {";0049170;;;", true, "|0049170||", false},
    };
    for (const Case& c : cases) {
        RecipientList list;
        EXPECT_EQ(list.parseLine(QString::fromUtf8(c.line)), c.readable) << c.line;
        ASSERT_EQ(list.count(), c.entry ? 1 : 0) << c.line;
        EXPECT_EQ(list.prefixAdded(), c.prefixAdded) << c.line;
        if (!c.entry)
            continue;
        const RecipientEntry& e = list.at(0);
        EXPECT_EQ(QStringList({e.name, e.number, e.frei1, e.frei2}).join(u'|'), QString::fromUtf8(c.entry));
        EXPECT_EQ(e.tag, 1);
    }
}

TEST(RecipientList, TagsRunFromTheCounterFindTheirEntryAndStartAgainAfterClear) {
    RecipientList list;
    EXPECT_EQ(list.add(QStringLiteral("a"), QStringLiteral("1"), {}, {}), 1);
    EXPECT_TRUE(list.parseLine(QStringLiteral("b;0049170;;;")));
    EXPECT_EQ(list.add(QStringLiteral("c"), QStringLiteral("3"), {}, {}), 3);
    list.removeAt(1);
    // Removing does not give a tag back.
    EXPECT_EQ(list.add(QStringLiteral("d"), QStringLiteral("4"), {}, {}), 4);
    EXPECT_EQ(list.indexOfTag(4), 2);
    EXPECT_EQ(list.indexOfTag(2), -1);
    ASSERT_TRUE(list.updateByTag(3, QStringLiteral("drei"), QStringLiteral("0049"), {}, QStringLiteral("y")));
    EXPECT_EQ(list.at(1).name, QStringLiteral("drei"));
    EXPECT_FALSE(list.updateByTag(2, QStringLiteral("weg"), {}, {}, {}));
    EXPECT_FALSE(list.updateByTag(0, QStringLiteral("nie"), {}, {}, {}));
    list.Clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.tagCounter(), 0);
    EXPECT_EQ(list.add(QStringLiteral("e"), QStringLiteral("5"), {}, {}), 1);
}

TEST(RecipientList, DuplicateCheckSeesNumbersAndFreeTextsAndFollowsChanges) {
    RecipientList list;
    list.add(QStringLiteral("Anna"), QStringLiteral("0049170"), QStringLiteral("0049171"), {});
    list.add(QStringLiteral("0049172"), QStringLiteral("0049173"), {}, QStringLiteral("0049174"));
    for (const char* v : {"0049170", "0049171", "0049174"})
        EXPECT_TRUE(list.containsValue(QString::fromLatin1(v))) << v;
    // The name is not looked at.
    EXPECT_FALSE(list.containsValue(QStringLiteral("0049172")));

    // Changes after the first check keep the index right.
    list.add(QStringLiteral("Ben"), QStringLiteral("0049175"), {}, {});
    EXPECT_TRUE(list.containsValue(QStringLiteral("0049175")));
    list.updateByTag(1, QStringLiteral("Anna"), QStringLiteral("0049180"), QStringLiteral("0049173"), {});
    EXPECT_FALSE(list.containsValue(QStringLiteral("0049170")));
    EXPECT_TRUE(list.containsValue(QStringLiteral("0049180")));
    // Two entries hold "0049173": removing one leaves the other.
    list.removeAt(1);
    EXPECT_TRUE(list.containsValue(QStringLiteral("0049173")));
    EXPECT_FALSE(list.containsValue(QStringLiteral("0049174")));
    list.Clear();
    EXPECT_FALSE(list.containsValue(QStringLiteral("0049180")));
}

TEST(RecipientList, KeptMaximaMatchAFullRecountThroughRandomChanges) {
    QRandomGenerator rng(4711);
    RecipientList list;
    auto text = [&rng] { return QString(int(rng.bounded(12)), QLatin1Char('x')); };
    auto brute = [&list](auto field) {
        qsizetype m = 0;
        for (const RecipientEntry& e : list.entries())
            m = std::max(m, (e.*field).size());
        return quint16(m);
    };
    for (int step = 0; step < 2000; ++step) {
        const quint32 op = rng.bounded(4);
        if (op <= 1 || list.count() == 0) {
            list.add(text(), QStringLiteral("1"), text(), text());
        } else if (op == 2) {
            list.removeAt(int(rng.bounded(list.count())));
        } else {
            const qint32 tag = list.at(int(rng.bounded(list.count()))).tag;
            list.updateByTag(tag, text(), QStringLiteral("2"), text(), text());
        }
        ASSERT_EQ(list.getMaxNameSize(), brute(&RecipientEntry::name)) << "step " << step;
        ASSERT_EQ(list.getMaxFrei1Size(), brute(&RecipientEntry::frei1)) << "step " << step;
        ASSERT_EQ(list.getMaxFrei2Size(), brute(&RecipientEntry::frei2)) << "step " << step;
    }
    const quint16 name = list.getMaxNameSize();
    list.recalcMaxSizes();
    EXPECT_EQ(list.getMaxNameSize(), name);
}

TEST(RecipientList, MaximaOfAnEmptyListAreZeroAndHugeValuesSaturate) {
    RecipientList list;
    EXPECT_EQ(list.getMaxNameSize(), 0);
    list.add(QString(70000, QLatin1Char('n')), QStringLiteral("1"), QString(65535, QLatin1Char('a')),
             QStringLiteral("ab"));
    // 70,000 characters would wrap to 4,464 in 16 bits and make the estimate far too small.
    EXPECT_EQ(list.getMaxNameSize(), 65535);
    EXPECT_EQ(list.getMaxFrei1Size(), 65535);
    EXPECT_EQ(list.getMaxFrei2Size(), 2);
    list.removeAt(0);
    EXPECT_EQ(list.getMaxNameSize(), 0);
}
