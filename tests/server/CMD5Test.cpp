#include "server/CMD5.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Checks CMD5 against Qt's MD5 over the low byte of every UTF-16 code unit,
// and that the digest is 32 lower-case hex digits.
void expectReference(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF));
    static const QRegularExpression lowerHex(QStringLiteral("^[0-9a-f]{32}$"));
    const QString md5 = CMD5::MD5(text);
    EXPECT_EQ(md5, QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()))
        << "length " << text.size() << ": " << text.toStdString();
    EXPECT_TRUE(lowerHex.match(md5).hasMatch()) << md5.toStdString();
}

} // namespace

TEST(CMD5, Rfc1321TestSuite) {
    const std::pair<const char*, const char*> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& [input, digest] : suite) {
        EXPECT_EQ(CMD5::MD5(QString::fromLatin1(input)), QString::fromLatin1(digest)) << input;
        expectReference(QString::fromLatin1(input));
    }
}

// Every length up to a little over three blocks meets each padding case: 55
// fits one block, 56 and 64 need a second one for the length.
TEST(CMD5, MatchesTheReferenceAtEveryLengthAndOnRandomTexts) {
    QRandomGenerator rng(1321);
    for (int len = 0; len <= 200; ++len) {
        QString text;
        for (int i = 0; i < len; ++i)
            text.append(QChar(char16_t(rng.bounded(0, 256))));
        expectReference(text);
    }
    const char16_t alphabet[] = u"aZ09 äöüÄÖÜß€ŁΩ–„“😀\r\n&<>";
    for (int round = 0; round < 200; ++round) {
        QString text;
        for (int i = rng.bounded(0, 150); i > 0; --i)
            text.append(QChar(alphabet[rng.bounded(0, int(std::size(alphabet)) - 1)]));
        expectReference(text);
    }
}

TEST(CMD5, OnlyTheLowByteOfACharacterCounts) {
    // U+20AC (€) and U+00AC (¬) share the low byte 0xAC; U+0141 (Ł) and "A" share 0x41.
    EXPECT_EQ(CMD5::MD5(QStringLiteral("5 €")), CMD5::MD5(QStringLiteral("5 ¬")));
    EXPECT_EQ(CMD5::MD5(QStringLiteral("Łodz")), CMD5::MD5(QStringLiteral("Aodz")));
    EXPECT_NE(CMD5::MD5(QStringLiteral("5 €")), CMD5::MD5(QStringLiteral("5 E")));
}
