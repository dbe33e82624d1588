#include "PrintQt.h"

#include "history/HistoryCsv.h"
#include "history/HistoryFilter.h"
#include "history/HistoryLabels.h"
#include "history/SendJournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The rules under the history window: CSV fields a spreadsheet reads back
// as they were (and never as a formula), the labels of stored names, and
// the patterns a typed filter becomes.

TEST(HistoryCsv, AwkwardValuesBecomeFieldsASpreadsheetReadsBackAsTheyWere) {
    struct Case {
        const char* name;
        QString value;
        QByteArray field;
    };
    const QList<Case> cases{
        {"plain", QStringLiteral("Hallo"), "Hallo"},
        {"empty", QString(), ""},
        {"separator", QStringLiteral("a;b"), "\"a;b\""},
        {"quotes doubled", QStringLiteral("sag \"ja\""), "\"sag \"\"ja\"\"\""},
        {"line breaks kept inside quotes", QStringLiteral("eins\r\nzwei\ndrei"), "\"eins\r\nzwei\ndrei\""},
        {"umlauts as UTF-8", QStringLiteral("Grüße €"), "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac"},
        {"blank at either end kept", QStringLiteral(" x "), "\" x \""},
        {"formula", QStringLiteral("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\""},
        {"plus", QStringLiteral("+49170"), "'+49170"},
        {"minus", QStringLiteral("-1+2"), "'-1+2"},
        {"at", QStringLiteral("@Chef"), "'@Chef"},
        {"tab first", QStringLiteral("\t=1"), "'\t=1"},
        {"CR first", QStringLiteral("\r=1"), "\"'\r=1\""},
        {"formula sign later is harmless", QStringLiteral("1=1"), "1=1"},
        {"control characters become blanks", QString::fromUtf8("a\x01" "b\x7f" "c", 5) + QChar(0) + QStringLiteral("d"), "a b c d"},
        {"a NUL first is no way past the guard", QChar(0) + QStringLiteral("=1"), "\" =1\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HistoryCsv::field(c.value), c.field);
    }
    EXPECT_EQ(HistoryCsv::begin({QStringLiteral("A"), QStringLiteral("B;C")}), QByteArray("\xEF\xBB\xBF" "A;\"B;C\"\r\n"));
    EXPECT_EQ(HistoryCsv::row({QStringLiteral("1"), QString(), QStringLiteral("x")}), QByteArray("1;;x\r\n"));
}

TEST(HistoryCsv, ASaveReplacesTheFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("v.csv"));
    ASSERT_TRUE(HistoryCsv::save(path, "alt\r\n").ok);
    const HistoryCsv::SaveResult r = HistoryCsv::save(path, "neu\r\n");
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("neu\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("v.csv")});
}

TEST(HistoryLabels, EveryStoredNameHasItsGermanLabelAndBack) {
    const QStringList states = HistoryLabels::requestStates();
    EXPECT_EQ(states.size(), 6);
    QStringList labels;
    for (const QString& s : states) {
        labels.append(HistoryLabels::stateLabel(s));
        EXPECT_EQ(HistoryLabels::stateFromLabel(labels.last()), s);
    }
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Bestätigt"), QStringLiteral("Abgelehnt"), QStringLiteral("Nicht gesendet"),
                                   QStringLiteral("Ohne Antwort"), QStringLiteral("Übergeben"), QStringLiteral("Wartend")}));
    const QStringList kinds{QStringLiteral("single"), QStringLiteral("split"), QStringLiteral("scheduled"),
                            QStringLiteral("mass"), QStringLiteral("handover")};
    const QStringList kindLabels{QStringLiteral("Einzel-SMS"), QStringLiteral("Geteilte SMS"), QStringLiteral("Terminversand"),
                                 QStringLiteral("Massenversand"), QStringLiteral("Firmenserver")};
    for (int i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(HistoryLabels::kindLabel(kinds[i]), kindLabels[i]);
        EXPECT_EQ(HistoryLabels::kindFromLabel(kindLabels[i]), kinds[i]);
    }
    // What this program does not know is shown as stored, and is no label.
    EXPECT_EQ(HistoryLabels::stateLabel(QStringLiteral("seltsam")), QStringLiteral("seltsam"));
    EXPECT_TRUE(HistoryLabels::stateFromLabel(QStringLiteral("seltsam")).isEmpty());
    EXPECT_EQ(HistoryLabels::time(QStringLiteral("2026-12-08T14:03:00.123")), QStringLiteral("08.12.2026 14:03:00"));
    EXPECT_EQ(HistoryLabels::time(QStringLiteral("gestern")), QStringLiteral("gestern"));
}

TEST(HistoryFilter, TypedValuesBecomeBoundPatterns) {
    struct Case {
        QString typed;
        QString pattern;
    };
    const QList<Case> numbers{
        {QStringLiteral("0170 1234567"), QStringLiteral("%1701234567%")},
        {QStringLiteral("+49 (170) 123-45/67"), QStringLiteral("%491701234567%")},
        {QStringLiteral("0049170"), QStringLiteral("%0049170%")},
        {QStringLiteral(" - / "), QString()},
        {QStringLiteral("0"), QString()},
        {QStringLiteral("12%_"), QStringLiteral("%12\\%\\_%")},
    };
    for (const Case& c : numbers)
        EXPECT_EQ(HistoryFilter::numberPattern(c.typed), c.pattern) << c.typed.toStdString();
    EXPECT_EQ(HistoryFilter::textPattern(QStringLiteral("a\\b%")), QStringLiteral("%a\\\\b\\%%"));

    // What the user typed never becomes SQL text, only a bound value.
    HistoryFilter f;
    f.text = QStringLiteral("x'); DROP TABLE actions; --");
    f.number = QStringLiteral("0170' OR '1'='1");
    f.state = QString::fromLatin1(SendJournal::kConfirmed);
    f.from = QDate(2026, 12, 1);
    for (const HistoryFilter::Sql& sql : {f.actions(), f.requests(), f.entriesWithoutRequest(f.state)}) {
        EXPECT_FALSE(sql.where.contains(QStringLiteral("DROP"))) << sql.where.toStdString();
        EXPECT_FALSE(sql.where.contains(QStringLiteral("'1'='1"))) << sql.where.toStdString();
        EXPECT_EQ(sql.where.count(QLatin1Char('?')), sql.values.size()) << sql.where.toStdString();
    }
    EXPECT_TRUE(f.actions().values.contains(QStringLiteral("%x'); DROP TABLE actions; --%")));
    EXPECT_TRUE(HistoryFilter().isEmpty());
    EXPECT_FALSE(f.isEmpty());
}
