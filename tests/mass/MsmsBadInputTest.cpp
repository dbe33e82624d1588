// Files that are broken, foreign or far too large: each is either read whole
// or refused whole, never half, and never crashes or hangs the reader.
#include "mass/MsmsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct FileCase {
    const char* file;
    bool loads;
    int entries;
};

class MsmsDataFile : public ::testing::TestWithParam<FileCase> {};

QString dataFile(const char* name) {
    return QStringLiteral(VELVOX_TEST_DATA_DIR "/msms/") + QString::fromLatin1(name);
}

} // namespace

TEST_P(MsmsDataFile, LoadsWholeOrNotAtAll) {
    const FileCase& c = GetParam();
    ASSERT_TRUE(QFile::exists(dataFile(c.file))) << c.file;
    const auto list = MsmsFile::load(dataFile(c.file));
    ASSERT_EQ(list.has_value(), c.loads) << c.file;
    if (list) {
        EXPECT_EQ(list->count(), c.entries) << c.file;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MsmsDataFile,
    ::testing::Values(FileCase{"valid.msms", true, 2}, FileCase{"no_final_crlf.msms", true, 2},
                      FileCase{"empty.msms", true, 0}, FileCase{"short_lines.msms", true, 0},
                      // One line: the LFs are part of its fields.
                      FileCase{"lf_only.msms", true, 1}, FileCase{"not_msms.xml", false, 0},
                      FileCase{"binary_junk.bin", false, 0}, FileCase{"utf16.msms", false, 0},
                      FileCase{"broken_last_line.msms", false, 0}, FileCase{"empty_number.msms", false, 0}));

TEST(MsmsDataFile, TheValidFileReadsItsFieldsAndPrefix) {
    const auto list = MsmsFile::load(dataFile("valid.msms"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->at(0), (RecipientEntry{QStringLiteral("Kunde A"), QStringLiteral("00491700000001"),
                                           QStringLiteral("Praxis"), QStringLiteral("Montag"), 1}));
    EXPECT_EQ(list->at(1), (RecipientEntry{QStringLiteral("Jürgen"), QStringLiteral("00491700000002"),
                                           QStringLiteral("€ 5"), QString(), 2}));
    EXPECT_TRUE(list->prefixAdded());
    EXPECT_FALSE(MsmsFile::load(dataFile("does_not_exist.msms")));
}

class MsmsLargeFile : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = QDir(dir.path()).filePath(QStringLiteral("gross.msms"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(MsmsLargeFile, AOneMegabyteLineWithoutSemicolonIsRefused) {
    EXPECT_FALSE(MsmsFile::load(write(QByteArray(1024 * 1024, 'x') + "\r\n")));
}

TEST_F(MsmsLargeFile, AOneMegabyteNameLoadsWithItsLengthSaturated) {
    const auto list = MsmsFile::load(write(QByteArray(1024 * 1024, 'n') + ";0049170;kurz;;\r\n"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->at(0).name.size(), 1024 * 1024);
    EXPECT_EQ(list->getMaxNameSize(), 65535);
    EXPECT_EQ(list->getMaxFrei1Size(), 4);
}

TEST_F(MsmsLargeFile, AMillionLinesLoadAndOneBadLineAtTheEndRefusesThemAll) {
    QByteArray bytes;
    const QByteArray line("K;0049170;;;\r\n");
    bytes.reserve(line.size() * 1000000 + 16);
    for (int i = 0; i < 1000000; ++i)
        bytes += line;
    const QString path = write(bytes);
    {
        const auto list = MsmsFile::load(path);
        ASSERT_TRUE(list);
        EXPECT_EQ(list->count(), 1000000);
        EXPECT_EQ(list->at(999999).tag, 1000000);
    }
    bytes += "kaputt\r\n";
    EXPECT_FALSE(MsmsFile::load(write(bytes)));
}

TEST_F(MsmsLargeFile, AFileBeyondTheSizeLimitIsRefusedWithoutReadingIt) {
    const QString path = QDir(dir.path()).filePath(QStringLiteral("riesig.msms"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // Sparse: takes no room on the disk, but reports its size.
    ASSERT_TRUE(f.resize(MsmsFile::kMaxFileSize + 1));
    f.close();
    EXPECT_FALSE(MsmsFile::load(path));
}
