// Recipient files as users keep them, and broken ones: each is imported with
// the guessed columns, or refused with a German sentence.
#include "PrintQt.h"
#include "mass/RecipientImport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    const char* number;
    const char* frei1;
    const char* frei2;
};

struct FileCase {
    const char* file;
    std::vector<Expected> entries;
    qsizetype withoutNumber = 0;
    bool unclosedQuote = false;
    const char* error = nullptr;
};

QString dataFile(const char* name) {
    return QStringLiteral(VELVOX_TEST_DATA_DIR "/import/") + QString::fromLatin1(name);
}

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.file;
}

class ImportFile : public ::testing::TestWithParam<FileCase> {};

} // namespace

TEST_P(ImportFile, GivesTheEntriesOrTheReason) {
    const FileCase& c = GetParam();
    const RecipientImport::Source source = RecipientImport::read(dataFile(c.file));
    if (c.error) {
        EXPECT_EQ(source.error, QString::fromUtf8(c.error));
        return;
    }
    ASSERT_TRUE(source.error.isEmpty()) << source.error.toStdString();
    ImportMapping mapping = RecipientImport::initialMapping(source.table);
    if (source.kind == RecipientImport::Source::Kind::Vcard)
        mapping = ImportMapping{0, -1, 1, -1, -1, false};
    const RecipientImport::Result r = RecipientImport::apply(source.table, mapping);
    QList<RecipientEntry> expected;
    for (const Expected& e : c.entries)
        expected.append(RecipientEntry{QString::fromUtf8(e.name), QString::fromUtf8(e.number),
                                       QString::fromUtf8(e.frei1), QString::fromUtf8(e.frei2), 0});
    EXPECT_EQ(r.entries, expected);
    EXPECT_EQ(r.leftOut.withoutNumber, c.withoutNumber);
    EXPECT_EQ(r.leftOut.unclosedQuote, c.unclosedQuote);
    EXPECT_EQ(r.leftOut.fieldTooLong + r.leftOut.overLimit, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportFile,
    ::testing::Values(
        FileCase{"tabelle_windows1252.csv",
                 {{"Jürgen Müller", "00491701234567", "Praxis; Süd", ""},
                  {"Anna Groß", "00491712345678", "Termin am\r\nMontag", ""},
                  {"Zoë Weiß", "00491723456789", "Sie sagte \"ja\"", ""}},
                 2},
        FileCase{
            "utf8_bom_komma.csv",
            {{"Łukasz Nowak", "0048512345678", "", "Kraków"}, {"Renée Dubois", "00491701234568", "", "a,b"}}},
        FileCase{"utf16le_tab.txt",
                 {{"Özlem Çelik", "0043664123456", "", ""}, {"Sven", "004915123456789", "", ""}}},
        FileCase{"utf16be_tab.txt", {{"Özlem Çelik", "0043664123456", "", ""}}},
        FileCase{"kontakte_export.csv",
                 {{"Karl Heinz", "004917612345678", "", ""}, {"Eva Kurz", "00491601234567", "", ""}}},
        FileCase{"ohne_kopfzeile.csv",
                 {{"Meier", "00491701234567", "", ""}, {"Schulz", "00491711234567", "", ""}}},
        FileCase{"karten21.vcf",
                 {{"Jürgen Müller", "00491701234567", "", ""}, {"Björn Größe", "004989123456", "", ""}}},
        FileCase{"karten30.vcf", {{"Dr. Hans-Peter Schmidt, Zahnarzt", "004915212345678", "", ""}}, 1},
        FileCase{"karten40.vcf", {{"Zoë Ångström", "0041791234567", "", ""}}},
        FileCase{"offenes_anfuehrungszeichen.csv", {{"Anna", "00491701234567", "", ""}}, 0, true},
        FileCase{"leer.csv", {}, 0, false, "Die Datei ist leer."},
        FileCase{"nur_leerzeilen.csv", {}, 0, false, "Die Datei ist leer."},
        FileCase{"binaer.bin", {}, 0, false, "Die Datei ist weder eine CSV- noch eine vCard-Datei."},
        FileCase{
            "keine_nummer.csv", {}, 0, false, "In der Datei wurde keine Spalte mit Rufnummern gefunden."},
        FileCase{"gibt_es_nicht.csv", {}, 0, false, "Die Datei konnte nicht geöffnet werden."}));

TEST(ImportBadInput, AFieldOfOneMegabyteLeavesOnlyItsRowOut) {
    QByteArray bytes("Name;Nummer\r\nAnna;01701234567\r\n");
    bytes += QByteArray(1024 * 1024, 'X') + ";01711234567\r\n";
    bytes += "\"" + QByteArray(1024 * 1024, 'Y') + "\";\r\nCarla;01721234567\r\n";
    const RecipientImport::Source s = RecipientImport::readBytes(bytes);
    ASSERT_TRUE(s.error.isEmpty()) << s.error.toStdString();
    const RecipientImport::Result r =
        RecipientImport::apply(s.table, RecipientImport::initialMapping(s.table));
    ASSERT_EQ(r.entries.size(), 2);
    EXPECT_EQ(r.entries[1].name, QStringLiteral("Carla"));
    EXPECT_EQ(r.leftOut.fieldTooLong, 1);
    EXPECT_EQ(r.leftOut.withoutNumber, 1);
    EXPECT_EQ(RecipientImport::leftOutText(r.leftOut),
              QStringLiteral("2 Zeilen der Datei wurden nicht übernommen:\r\n  - 1 ohne Rufnummer\r\n"
                             "  - 1 mit einem Feld über 1500 Zeichen"));
}

TEST(ImportBadInput, AMillionRowsAreCutAtTheHighestNumberOfEntries) {
    QByteArray bytes("Name;Handy\n");
    bytes.reserve(1'000'000 * 24);
    for (int i = 0; i < 1'000'000; ++i)
        bytes += "K" + QByteArray::number(i) + ";0170" + QByteArray::number(1000000 + i % 9000000) + '\n';
    const RecipientImport::Source s = RecipientImport::readBytes(bytes);
    ASSERT_TRUE(s.error.isEmpty());
    const RecipientImport::Result r =
        RecipientImport::apply(s.table, RecipientImport::initialMapping(s.table));
    EXPECT_EQ(r.entries.size(), RecipientImport::kMaxEntries);
    EXPECT_EQ(r.leftOut.overLimit, 1'000'000 - RecipientImport::kMaxEntries);
    EXPECT_EQ(r.entries.last().name, QStringLiteral("K%1").arg(RecipientImport::kMaxEntries - 1));
    EXPECT_TRUE(RecipientImport::leftOutText(r.leftOut).endsWith(
        QStringLiteral("  - 800000 über der Höchstzahl von 200000 Einträgen")));
}

TEST(ImportBadInput, AFileEndingInsideItsFirstQuotedFieldIsRefused) {
    const RecipientImport::Source s = RecipientImport::readBytes("\"Name;Nummer\r\nAnna;0170123\r\n");
    EXPECT_EQ(
        s.error,
        QStringLiteral("Die Datei endet in einem Feld in Anführungszeichen, das nicht geschlossen wird."));
}

TEST(ImportBadInput, AFileOverTheSizeLimitIsNotRead) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("gross.csv")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(RecipientImport::kMaxFileSize + 1));
    f.close();
    EXPECT_EQ(RecipientImport::read(f.fileName()).error,
              QStringLiteral("Die Datei ist zu groß (mehr als 64 MB)."));
}
