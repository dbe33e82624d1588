#include "PrintQt.h"
#include "ScriptedPrompts.h"
#include "TempSettings.h"

#include "mass/CsvExport.h"
#include "mass/CsvImport.h"
#include "mass/DuplicateCheck.h"
#include "mass/ImportMapping.h"
#include "mass/MessagePreview.h"
#include "mass/RecipientImport.h"
#include "mass/UnsendableNumbers.h"

#include <gtest/gtest.h>

namespace {

QList<QStringList> rowsOf(std::initializer_list<std::initializer_list<const char*>> rows) {
    QList<QStringList> out;
    for (const auto& r : rows) {
        QStringList row;
        for (const char* cell : r)
            row << QString::fromUtf8(cell);
        out << row;
    }
    return out;
}

RecipientEntry entry(const char* name, const char* number, const char* frei1 = "", const char* frei2 = "") {
    return RecipientEntry{QString::fromUtf8(name), QString::fromUtf8(number), QString::fromUtf8(frei1),
                          QString::fromUtf8(frei2), 0};
}

} // namespace

TEST(CsvDelimiter, IsTheOneThatSplitsTheLinesEvenly) {
    const struct {
        const char* text;
        char16_t delimiter;
    } cases[] = {
        {"a;b;c\n1;2;3\n", u';'},
        {"a,b\n1,2\n", u','},
        {"a\tb\n1\t2\n", u'\t'},
        // Commas inside the values of a semicolon file: ";" splits every line alike.
        {"Name;Ort\nMeier, Hans;Berlin, Mitte\nSchulz;Köln\n", u';'},
        // A quoted delimiter does not count, nor one inside a quoted line break.
        {"Name,Nummer\n\"a;b;c\n;d\",1\n", u','},
        // One column: nothing to split at.
        {"01701234567\n", u';'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvImport::detectDelimiter(QString::fromUtf8(c.text)), QChar(c.delimiter)) << c.text;
}

TEST(CsvParse, QuotesLineBreaksAndBlanksAsSpreadsheetsWriteThem) {
    const CsvImport::Table t =
        CsvImport::parse(QStringLiteral("a; b ;\"c;\"\"d\"\"\"\r\n\r\n\"x\ny\";;\n"), 100, u';');
    ASSERT_EQ(t.rows.size(), 2);
    EXPECT_EQ(t.rows[0], (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c;\"d\"")}));
    EXPECT_EQ(t.rows[1], (QStringList{QStringLiteral("x\ny"), QString(), QString()}));
    EXPECT_FALSE(t.unclosedQuote);
}

TEST(CsvParse, CountsRowsPastTheLimitWithoutKeepingThem) {
    const CsvImport::Table t = CsvImport::parse(QStringLiteral("1\n2\n3\n4\n5"), 2, u';');
    EXPECT_EQ(t.rows.size(), 2);
    EXPECT_EQ(t.rowsOverLimit, 3);
}

TEST(MappingGuess, ReadsColumnNamesAndValues) {
    const struct {
        QList<QStringList> rows;
        ImportMapping expected;
    } cases[] = {
        {rowsOf(
             {{"Name", "Telefon", "Mobil", "Freitext 1", "Freitext 2"}, {"A", "030 1", "0170 1", "x", "y"}}),
         ImportMapping{0, -1, 2, 3, 4, true}},
        {rowsOf({{"Nachname", "Vorname", "Handy"}, {"Meier", "Hans", "0170 1234567"}}),
         ImportMapping{1, 0, 2, -1, -1, true}},
        {rowsOf({{"Phone", "Fax", "Display Name"}}), ImportMapping{2, -1, 0, -1, -1, true}},
        {rowsOf({{"Fax", "Mobiltelefon"}}), ImportMapping{-1, -1, 1, -1, -1, true}},
        // No names: the column of numbers, the first other column for the name.
        {rowsOf({{"Meier", "01701234567"}, {"Schulz", "0171 1234567"}}),
         ImportMapping{0, -1, 1, -1, -1, false}},
        // Unknown names above rows of numbers: a header all the same.
        {rowsOf({{"Kunde", "Rufnr."}, {"Meier", "+49 170 1234567"}}), ImportMapping{0, -1, 1, -1, -1, true}},
        {rowsOf({{"Name", "Ort"}, {"Anna", "Berlin"}}), ImportMapping{0, -1, -1, -1, -1, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImportMappingRules::guess(c.rows).toText(), c.expected.toText())
            << c.rows.first().join(u';').toStdString();
}

TEST(MappingStore, IsRememberedPerHeaderLine) {
    TempSettings settings;
    const QStringList header{QStringLiteral("Spalte A"), QStringLiteral("Spalte B"),
                             QStringLiteral("Spalte C")};
    const ImportMapping chosen{2, -1, 0, 1, -1, true};
    ImportMapping read;
    EXPECT_FALSE(ImportMappingRules::remembered(header, &read));
    ImportMappingRules::remember(header, chosen);
    ASSERT_TRUE(ImportMappingRules::remembered(header, &read));
    EXPECT_EQ(read, chosen);
    // Another header line has its own choice; one naming a column it lacks is not taken.
    EXPECT_FALSE(
        ImportMappingRules::remembered({QStringLiteral("Spalte A"), QStringLiteral("Spalte B")}, &read));
    // The table's initial mapping prefers the remembered one over the guess.
    CsvImport::Table t;
    t.rows = {header, {QStringLiteral("0170 1234567"), QStringLiteral("x"), QStringLiteral("Anna")}};
    EXPECT_EQ(RecipientImport::initialMapping(t), chosen);
    // Text and variant forms carry every field.
    EXPECT_EQ(ImportMapping::fromVariant(chosen.toVariant()), chosen);
    bool ok = true;
    ImportMapping::fromText(QStringLiteral("name=1;number=x"), &ok);
    EXPECT_FALSE(ok);
}

TEST(Duplicates, AreFoundAfterNormalisingAndTheFirstOfEachKept) {
    const QList<RecipientEntry> list{entry("A", "00491701234567"),   entry("B", "0170 1234567"),
                                     entry("C", "00436641234567"),   entry("D", "+49 170 1234567"),
                                     entry("E", "0043 664 1234567"), entry("F", "00491709999999")};
    const QList<int> rows = DuplicateCheck::laterDuplicates(list);
    EXPECT_EQ(rows, (QList<int>{1, 3, 4}));
    const QList<RecipientEntry> kept = DuplicateCheck::withoutRows(list, rows);
    ASSERT_EQ(kept.size(), 3);
    EXPECT_EQ(kept[0].name + kept[1].name + kept[2].name, QStringLiteral("ACF"));
    EXPECT_EQ(DuplicateCheck::questionText(12),
              QStringLiteral(
                  "12 doppelte Nummern gefunden.\r\nSoll von jeder Nummer nur der erste Eintrag bleiben?"));
    EXPECT_TRUE(DuplicateCheck::questionText(1).startsWith(QStringLiteral("1 doppelte Nummer gefunden.")));
}

TEST(Export, IsReadBackToTheSameList) {
    TempSettings settings; // no mapping remembered from elsewhere
    const QList<RecipientEntry> list{
        entry("Müller; Jürgen", "00491701234567", "Sie sagte \"ja\"", "Zeile 1\r\nZeile 2"),
        entry(" Anna ", "0043664123456", "", "€ 5"), entry("", "00491711234567", "x", "")};
    const QByteArray bytes = CsvExport::encode(list);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFName;Nummer;Freitext 1;Freitext 2\r\n\"Müller; Jürgen\";"));
    const RecipientImport::Source s = RecipientImport::readBytes(bytes);
    ASSERT_TRUE(s.error.isEmpty());
    const RecipientImport::Result r =
        RecipientImport::apply(s.table, RecipientImport::initialMapping(s.table));
    EXPECT_EQ(r.entries, list);
    EXPECT_EQ(r.leftOut.total(), 0);
}

TEST(Preview, FillsThePlaceholdersAndCountsTheEntrysOwnSms) {
    const QString text = QStringLiteral("Hallo %name%, %frei1%") + QString(144, u'x');
    const MessagePreview::Preview p = MessagePreview::forEntry(text, entry("Eva", "0", "Mo"), false);
    EXPECT_EQ(p.text, QStringLiteral("Hallo Eva, Mo") + QString(144, u'x'));
    EXPECT_EQ(p.size, 157);
    EXPECT_EQ(p.sms, 1);
    EXPECT_EQ(MessagePreview::countText(p), QStringLiteral("157 Zeichen, 1 SMS"));
    // "€" counts twice: the list's count (longest name 6) says 1 SMS, this entry needs 2.
    EXPECT_EQ(MessagePreview::listSms(text, 6, 2, 0, false), 1);
    const MessagePreview::Preview euro = MessagePreview::forEntry(text, entry("€€€€€€", "0", "Mo"), false);
    EXPECT_EQ(euro.size, 166);
    EXPECT_EQ(euro.sms, 2);
}

TEST(UnsendableNumbersBeforeARun, AreCountedAndLeftOutOrSentAsChosen) {
    const QList<RecipientEntry> list{entry("A", "00491701234567"), entry("B", "0049301234567"),
                                     entry("C", "112"), entry("D", "0043664123456"), entry("E", "0049170")};
    EXPECT_EQ(UnsendableNumbers::rows(list), (QList<int>{1, 2, 4}));
    const struct {
        Prompts::Answer answer;
        QString sentTo;
    } cases[] = {{Prompts::Answer::Yes, QStringLiteral("ABCDE")},
                 {Prompts::Answer::No, QStringLiteral("AD")},
                 {Prompts::Answer::Cancel, QString()}};
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        prompts.queueAnswer(c.answer);
        const auto chosen = UnsendableNumbers::confirm(list);
        ASSERT_EQ(prompts.messages().size(), 1);
        EXPECT_EQ(prompts.messages()[0].text,
                  QStringLiteral("3 Nummern sind keine gültigen Mobilfunknummern. Trotzdem an alle senden?"));
        EXPECT_EQ(prompts.messages()[0].buttons, Prompts::Buttons::YesNoCancel);
        EXPECT_EQ(prompts.messages()[0].captions.value(1), QStringLiteral("Ohne diese senden"));
        QString names;
        for (const RecipientEntry& e : chosen.value_or(QList<RecipientEntry>{}))
            names += e.name;
        EXPECT_EQ(chosen.has_value(), c.answer != Prompts::Answer::Cancel);
        EXPECT_EQ(names, c.sentTo);
    }
    // A list of mobile numbers only: nothing is asked.
    ScriptedPrompts prompts;
    EXPECT_EQ(UnsendableNumbers::confirm({list[0], list[3]})->size(), 2);
    EXPECT_TRUE(prompts.messages().isEmpty());
}
