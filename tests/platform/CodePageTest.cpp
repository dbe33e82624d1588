#include "platform/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, EncodesTheWindows1252Block) {
    EXPECT_EQ(CodePage::toWindows1252(QStringLiteral("€")), QByteArray("\x80"));
    EXPECT_EQ(CodePage::toWindows1252(QStringLiteral("Süß")), QByteArray("S\xFC\xDF"));
    EXPECT_EQ(CodePage::toWindows1252(QStringLiteral("„Ä“ – ™")), QByteArray("\x84\xC4\x93 \x96 \x99"));
    EXPECT_EQ(CodePage::toWindows1252(QStringLiteral("a\r\nb")), QByteArray("a\r\nb"));
}

TEST(CodePage, CharactersWithoutCodeBecomeQuestionMarks) {
    EXPECT_EQ(CodePage::toWindows1252(QStringLiteral("Ω😀x")), QByteArray("???x")); // the emoji is two code units
    EXPECT_EQ(CodePage::windows1252Code(QChar(0x0081)), -1);
    EXPECT_EQ(CodePage::windows1252Code(QChar(0x20AC)), 0x80);
}

TEST(CodePage, EveryByteDecodesAndDefinedOnesRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = CodePage::fromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0xE4), QChar(u'ä'));
    const QByteArray back = CodePage::toWindows1252(text);
    for (int b = 0; b < 256; ++b) {
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        if (!undefined) {
            EXPECT_EQ(static_cast<unsigned char>(back.at(b)), b) << b;
        }
    }
}
