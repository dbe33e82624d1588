#include "server/CMD5.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The reference: Qt's own MD5 over the bytes the text stands for (the low
// byte of every UTF-16 code unit).
QString reference(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF));
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

bool isLowerHex32(const QString& s) {
    static const QRegularExpression re(QStringLiteral("^[0-9a-f]{32}$"));
    return re.match(s).hasMatch();
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
        const QString text = QString::fromLatin1(input);
        EXPECT_EQ(CMD5::MD5(text), QString::fromLatin1(digest)) << input;
        EXPECT_EQ(CMD5::MD5(text), reference(text)) << input;
    }
}

// Every length from empty to a little over three blocks, so each padding case
// is met: 55 fits one block, 56 and 64 need a second one for the length.
TEST(CMD5, MatchesReferenceAtEveryLengthUpTo200) {
    QRandomGenerator rng(1321);
    for (int len = 0; len <= 200; ++len) {
        QString text;
        for (int i = 0; i < len; ++i)
            text.append(QChar(char16_t(rng.bounded(0, 256))));
        const QString md5 = CMD5::MD5(text);
        EXPECT_EQ(md5, reference(text)) << "length " << len;
        EXPECT_TRUE(isLowerHex32(md5)) << md5.toStdString();
    }
    for (const int len : {55, 56, 63, 64, 65, 119, 120, 128}) {
        const QString same(len, u'x');
        EXPECT_EQ(CMD5::MD5(same), reference(same)) << "length " << len;
    }
}

TEST(CMD5, RawBytesAcrossManyBlocks) {
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    QRandomGenerator rng(42);
    for (char& b : bytes)
        b = char(rng.bounded(0, 256));
    EXPECT_EQ(CMD5::digest(bytes), QCryptographicHash::hash(bytes, QCryptographicHash::Md5));
    EXPECT_EQ(CMD5::digest(QByteArrayView(bytes).first(1000003)),
              QCryptographicHash::hash(QByteArrayView(bytes).first(1000003), QCryptographicHash::Md5));
}

TEST(CMD5, UmlautsHashAsIso88591Bytes) {
    const QByteArray latin1("Gr\xFC\xDF"
                            "e aus K\xF6ln, \xC4rger \xFC"
                            "ber \xD6l");
    const QString md5 = CMD5::MD5(QStringLiteral("Grüße aus Köln, Ärger über Öl"));
    EXPECT_EQ(md5, QString::fromLatin1(QCryptographicHash::hash(latin1, QCryptographicHash::Md5).toHex()));
}

TEST(CMD5, OnlyTheLowByteOfACharacterCounts) {
    // U+20AC (€) and U+00AC (¬) share the low byte 0xAC; U+0141 (Ł) and "A" share 0x41.
    EXPECT_EQ(CMD5::MD5(QStringLiteral("5 €")), CMD5::MD5(QStringLiteral("5 ¬")));
    EXPECT_EQ(CMD5::MD5(QStringLiteral("Łodz")), CMD5::MD5(QStringLiteral("Aodz")));
    EXPECT_NE(CMD5::MD5(QStringLiteral("5 €")), CMD5::MD5(QStringLiteral("5 E")));

    QRandomGenerator rng(5);
    const char16_t alphabet[] = u"aZ09 äöüÄÖÜß€ŁΩ–„“😀\r\n&<>";
    const int letters = int(std::size(alphabet)) - 1;
    for (int round = 0; round < 200; ++round) {
        QString text;
        const int len = rng.bounded(0, 150);
        for (int i = 0; i < len; ++i)
            text.append(QChar(alphabet[rng.bounded(0, letters)]));
        const QString md5 = CMD5::MD5(text);
        EXPECT_EQ(md5, reference(text)) << text.toStdString();
        EXPECT_TRUE(isLowerHex32(md5)) << md5.toStdString();
    }
}
