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

TEST_F(Signatures, GapsLoadAsOneListAndStoreBackRenumbered) {
    put(QStringLiteral("count"), QStringLiteral("4"));
    put(n(1), QStringLiteral("Eins"));
    put(n(2), QStringLiteral("Zwei"));
    put(n(4), QStringLiteral("Vier"));
    put(n(5), QStringLiteral("über count: nicht mehr in der Liste"));
    const QStringList loaded = loadSignatures();
    EXPECT_EQ(loaded, (QStringList{QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Vier")}));

    storeSignatures(loaded);
    EXPECT_EQ(value(QStringLiteral("count")), QStringLiteral("3"));
    EXPECT_EQ(value(n(3)), QStringLiteral("Vier"));
    EXPECT_EQ(loadSignatures(), loaded);
}

TEST_F(Signatures, CountDecidesHowManyAreRead) {
    const std::pair<const char*, int> cases[] = {{nullptr, 0}, {"", 0},    {"abc", 0},
                                                 {"-2", 0},    {"0", 0},   {" 2 ", 2},
                                                 {"2.9", 2},   {"1e0", 1}, {"99999999", 3}};
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

// Blank texts are not stored (the store would drop them): they leave no gap
// and do not come back after a restart.
TEST_F(Signatures, BlankTextsAreSkippedWhenStored) {
    storeSignatures(
        {QStringLiteral("A"), QString(), QStringLiteral("   "), QStringLiteral("\r\n"), QStringLiteral("B")});
    EXPECT_EQ(value(QStringLiteral("count")), QStringLiteral("2"));
    EXPECT_EQ(loadSignatures(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
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
