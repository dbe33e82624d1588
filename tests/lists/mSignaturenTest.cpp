#include "TempSettings.h"

#include "lists/mSignaturen.h"
#include "platform/ToolRegistry.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace mSignaturen;

namespace {

QString value(const QString& name) {
    return ToolRegistry::getString(registryKey(), name);
}
void put(const QString& name, const QString& text) {
    ToolRegistry::setString(registryKey(), name, text);
}
QString n(int i) {
    return QString::number(i);
}

class Signatures : public ::testing::Test {
protected:
    TempSettings settings;
};

} // namespace

// A missing value keeps its place as an empty item, and storing the list
// back keeps every position.
TEST_F(Signatures, MissingValuesLoadAsEmptyItemsInPlace) {
    put(QStringLiteral("count"), QStringLiteral("4"));
    put(n(1), QStringLiteral("Eins"));
    put(n(3), QStringLiteral("Drei"));
    put(n(4), QStringLiteral("Vier"));
    put(n(5), QStringLiteral("über count: nicht mehr in der Liste"));
    const QStringList loaded = loadSignatures();
    EXPECT_EQ(loaded,
              (QStringList{QStringLiteral("Eins"), QString(), QStringLiteral("Drei"), QStringLiteral("Vier")}));

    storeSignatures(loaded);
    EXPECT_EQ(value(QStringLiteral("count")), QStringLiteral("4"));
    EXPECT_EQ(value(n(3)), QStringLiteral("Drei"));
    EXPECT_EQ(loadSignatures(), loaded);
}

TEST_F(Signatures, CountDecidesHowManyAreRead) {
    const std::pair<const char*, int> cases[] = {{nullptr, 0}, {"", 0},    {"abc", 0},
                                                 {"-2", 0},    {"0", 0},   {" 2 ", 2},
                                                 {"2.9", 2},   {"1e0", 1}, {"99999999", kMaxSignatures}};
    for (int i = 1; i <= 3; ++i)
        put(n(i), QStringLiteral("S") + n(i));
    for (const auto& [count, expected] : cases) {
        if (count)
            put(QStringLiteral("count"), QString::fromLatin1(count));
        else
            ToolRegistry::deleteValue(registryKey(), QStringLiteral("count"));
        EXPECT_EQ(loadSignatures().size(), expected) << (count ? count : "(none)");
    }
}

// A blank text is not written (its value is deleted), but it keeps its place:
// after a restart it is an empty item, and nothing behind it moves up.
TEST_F(Signatures, BlankTextsKeepTheirPlaceAndComeBackEmpty) {
    put(n(2), QStringLiteral("alt"));
    storeSignatures(
        {QStringLiteral("A"), QStringLiteral("   "), QString(), QStringLiteral("B")});
    EXPECT_EQ(value(QStringLiteral("count")), QStringLiteral("4"));
    EXPECT_EQ(value(n(2)), QString()); // the old value is gone, not shown again
    EXPECT_EQ(value(n(4)), QStringLiteral("B"));
    settings.reload();
    EXPECT_EQ(loadSignatures(), (QStringList{QStringLiteral("A"), QString(), QString(), QStringLiteral("B")}));
}

TEST_F(Signatures, ListKeepsPlacesThroughEditAndDelete) {
    SignatureList list;
    for (const char* s : {"erste", "zweite", "dritte"})
        ASSERT_TRUE(list.add(QString::fromLatin1(s)));
    list.store();

    SignatureList again;
    again.load();
    ASSERT_TRUE(again.edit(2, QStringLiteral("ZWEITE")));
    EXPECT_FALSE(again.edit(4, QStringLiteral("x")));
    EXPECT_FALSE(again.remove(0));
    again.store();
    again.load();
    EXPECT_EQ(again.texts(),
              (QStringList{QStringLiteral("erste"), QStringLiteral("ZWEITE"), QStringLiteral("dritte")}));

    for (int i = 3; i >= 1; --i)
        ASSERT_TRUE(again.remove(i));
    again.store();
    EXPECT_EQ(value(QStringLiteral("count")), QStringLiteral("0"));
    EXPECT_EQ(value(n(1)), QStringLiteral("erste")); // left over, and ignored
    again.load();
    EXPECT_EQ(again.count(), 0);
    EXPECT_EQ(again.at(1), QString());
}

// A long signature with line breaks, ";" and "€" comes back whole after a
// restart, from the file the store wrote.
TEST_F(Signatures, LongSignatureSurvivesARestart) {
    QString text = QStringLiteral("Mit freundlichen Grüßen\r\nFirma; Preis 5 €\r\n");
    while (text.size() < 2000)
        text += QStringLiteral("0123456789;€\r\n");
    text.truncate(2000);
    storeSignatures({text, QStringLiteral("kurz")});
    settings.reload();
    QSettings file(settings.iniPath(), QSettings::IniFormat);
    EXPECT_TRUE(file.allKeys().join(u'\n').contains(QStringLiteral("Signaturen")));
    EXPECT_EQ(loadSignatures(), (QStringList{text, QStringLiteral("kurz")}));
}
