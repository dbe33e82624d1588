#include "cli/SendRecipients.h"

#include "TempSettings.h"

#include <QDir>
#include <QFile>

#include "PrintQt.h"

#include <gtest/gtest.h>

// A number typed on the command line to the prefix entry and the gateway's
// form, by the main window's rules; list files to entries.

TEST(SendRecipients, NumbersResolveAsTheWindowWouldSendThem) {
    struct Case {
        const char* to;
        const char* prefix;
        const char* key;
        const char* typed;
        const char* recipient;
    };
    const QList<Case> cases = {
        {"01701234567", "", "G170", "1234567", "00491701234567"},
        // The longer of two prefixes that both fit.
        {"015201234567", "", "G1520", "1234567", "004915201234567"},
        {"06641234567", "", "A664", "1234567", "00436641234567"},
        {"0791234567", "", "S79", "1234567", "0041791234567"},
        {"+491701234567", "", "W", "00491701234567", "00491701234567"},
        {"00436641234567", "", "W", "00436641234567", "00436641234567"},
        {" 01701234567 ", "", "G170", "1234567", "00491701234567"},
        // --prefix: by key or by the shown text, the number with or without it.
        {"1234567", "G170", "G170", "1234567", "00491701234567"},
        {"01701234567", "G170", "G170", "1234567", "00491701234567"},
        {"1234567", "0152", "G152", "1234567", "00491521234567"},
        {"00441234567", "W", "W", "00441234567", "00441234567"},
    };
    for (const Case& c : cases) {
        const auto s = SendRecipients::resolve(QString::fromUtf8(c.to), QString::fromUtf8(c.prefix));
        EXPECT_TRUE(s.error.isEmpty()) << c.to << ": " << s.error.toStdString();
        EXPECT_EQ(s.key, QString::fromUtf8(c.key)) << c.to;
        EXPECT_EQ(s.typed, QString::fromUtf8(c.typed)) << c.to;
        EXPECT_EQ(s.recipient, QString::fromUtf8(c.recipient)) << c.to;
    }
}

TEST(SendRecipients, NumbersTheWindowRefusesAreRefused) {
    struct Case {
        const char* to;
        const char* prefix;
        const char* error;
    };
    const QList<Case> cases = {
        {"0999123", "", "Unbekannte Vorwahl. Die SMS kann nicht gesendet werden."},
        {"1701234567", "", "Unbekannte Vorwahl. Die SMS kann nicht gesendet werden."},
        {"1234567", "Q170", "Unbekannte Vorwahl. Die SMS kann nicht gesendet werden."},
        {"0170abc", "", "Die Rufnummer darf nur aus Ziffern bestehen."},
        {"+49 170 1234567", "", "Die Rufnummer darf nur aus Ziffern bestehen."},
        {"491701234567", "W", "Die Nummer muss mit der internationalen Vorwahl '00' beginnen."},
        {"0170", "", "Bitte geben Sie eine Rufnummer an."},
        {"+", "", "Bitte geben Sie eine Rufnummer an."},
        {"00", "", "Bitte geben Sie eine Rufnummer an."},
        // Numbers to the window's rule, but not digits: they would reach the gateway as typed.
        {"1234.567", "G170", "Die Rufnummer darf nur aus Ziffern bestehen."},
        {"01701e5", "", "Die Rufnummer darf nur aus Ziffern bestehen."},
        {"+-491701234567", "", "Die Rufnummer darf nur aus Ziffern bestehen."},
    };
    for (const Case& c : cases) {
        const auto s = SendRecipients::resolve(QString::fromUtf8(c.to), QString::fromUtf8(c.prefix));
        EXPECT_EQ(s.error, QString::fromUtf8(c.error)) << c.to;
        EXPECT_TRUE(s.recipient.isEmpty()) << c.to;
    }
}

TEST(SendRecipients, ListFilesByTheirKind) {
    TempSettings settings;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        const QString path = QDir(settings.dir()).filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    };
    auto msms = SendRecipients::load(write("a.MSMS", "Anna;01701234567;eins;zwei;\r\nBert;0171;;;\r\n"));
    ASSERT_TRUE(msms.error.isEmpty()) << msms.error.toStdString();
    ASSERT_EQ(msms.entries.count(), 2);
    EXPECT_EQ(msms.entries.at(0).frei2, QStringLiteral("zwei"));
    EXPECT_EQ(msms.entries.getMaxNameSize(), 4);

    // The CSV reader leaves out a row without a number and says so.
    auto csv = SendRecipients::load(write("b.csv", "Name;Handy\r\nAnna;0170 1234567\r\nOhne;\r\n"));
    ASSERT_TRUE(csv.error.isEmpty()) << csv.error.toStdString();
    ASSERT_EQ(csv.entries.count(), 1);
    EXPECT_EQ(csv.entries.at(0).name, QStringLiteral("Anna"));
    EXPECT_FALSE(csv.notice.isEmpty());

    const auto vcard = SendRecipients::load(
        write("c.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Cora\r\nTEL;TYPE=CELL:+49 172 1234567\r\nEND:VCARD\r\n"));
    ASSERT_TRUE(vcard.error.isEmpty()) << vcard.error.toStdString();
    ASSERT_EQ(vcard.entries.count(), 1);
    EXPECT_EQ(vcard.entries.at(0).name, QStringLiteral("Cora"));

    EXPECT_EQ(SendRecipients::load(write("d.msms", QByteArray("A;1\0;;;\r\n", 9))).error,
              QStringLiteral("Die Datei konnte nicht geladen werden."));
    EXPECT_EQ(SendRecipients::load(write("e.msms", "")).error,
              QStringLiteral("Die Datei enthält keinen Empfänger mit Rufnummer."));
    EXPECT_FALSE(SendRecipients::load(write("f.csv", "")).error.isEmpty());
}
