#include "mass/WebGroup.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray groupFile(const char* name) {
    QFile f(QDir(QStringLiteral(VELVOX_TEST_DATA_DIR "/webgroups")).filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

QStringList rows(const QList<RecipientEntry>& entries) {
    QStringList out;
    for (const RecipientEntry& e : entries)
        out << QStringList{e.name, e.number, e.frei1, e.frei2}.join(u'|');
    return out;
}

} // namespace

TEST(WebGroupPage, AddressEscapesWhatWouldChangeTheQuery) {
    const QString base = QStringLiteral("http://127.0.0.1:8080/sms/gruppenv2/gruppenv2.php");
    EXPECT_EQ(WebGroup::pageAddress(base, QStringLiteral("demo@velvox.example"), QStringLiteral("velvox")),
              base + QStringLiteral("?email=demo@velvox.example&passwort=velvox"));
    EXPECT_EQ(WebGroup::pageAddress(base, QStringLiteral("a+b@x.de"), QStringLiteral("p&w%1 ä")),
              base + QStringLiteral("?email=a%2Bb@x.de&passwort=p%26w%251%20%E4"));
}

// LF or CR LF, with or without a ";" after the last field: the same entries,
// no CR in the last field; umlauts and "€" as Windows-1252; German numbers
// without "00" get the country code.
TEST(WebGroupFile, LineEndingsAndCharactersReadTheSame) {
    const QStringList expected = {
        QStringLiteral("Jürgen Müller|00491701111111|Frühschicht|Montag"),
        QStringLiteral("Anna|00491702222222||"),
        QStringLiteral("Bernd |00436643333333|5 €|x"),
    };
    for (const char* name : {"lf.txt", "crlf.txt"}) {
        const auto entries = WebGroup::parseGroupFile(groupFile(name));
        ASSERT_TRUE(entries.has_value()) << name;
        EXPECT_EQ(rows(*entries), expected) << name;
    }
    const auto crlf = WebGroup::parseGroupFile(groupFile("crlf_last_field.txt"));
    ASSERT_TRUE(crlf.has_value());
    EXPECT_EQ(crlf->at(0).frei2, QStringLiteral("zwei"));
    EXPECT_EQ(crlf->at(1).frei2, QStringLiteral("vier"));

    const auto skipped = WebGroup::parseGroupFile(groupFile("short_lines_skipped.txt"));
    ASSERT_TRUE(skipped.has_value());
    EXPECT_EQ(rows(*skipped), QStringList{QStringLiteral("Anna|00491702222222|a|b")});
}

// A group is taken whole or not at all.
TEST(WebGroupFile, UnreadableOrEmptyFilesGiveNoGroup) {
    for (const char* name : {"empty.txt", "only_short_lines.txt", "no_semicolon.txt", "empty_number.txt",
                             "binary.bin", "html_error_page.txt", "nul_in_number.txt"})
        EXPECT_FALSE(WebGroup::parseGroupFile(groupFile(name)).has_value()) << name;
}

TEST(WebGroupFile, TenThousandMembers) {
    QByteArray file;
    for (int i = 0; i < 10000; ++i)
        file +=
            "Mitglied " + QByteArray::number(i) + ";0049170" + QByteArray::number(1000000 + i) + ";a;b\r\n";
    const auto entries = WebGroup::parseGroupFile(file);
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 10000);
    EXPECT_EQ(entries->last().name, QStringLiteral("Mitglied 9999"));
    EXPECT_EQ(entries->last().frei2, QStringLiteral("b"));
}
