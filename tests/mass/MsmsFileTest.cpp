#include "mass/MsmsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

RecipientEntry entry(const QString& name, const QString& number, const QString& frei1 = {},
                     const QString& frei2 = {}) {
    return RecipientEntry{name, number, frei1, frei2, 0};
}

class MsmsFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(MsmsFileTest, SavesEveryFieldFollowedBySemicolonAndEachLineByCrLf) {
    const QString file = path(QStringLiteral("zwei.msms"));
    const MsmsFile::SaveResult r = MsmsFile::save(
        file,
        {entry(QStringLiteral("A"), QStringLiteral("0049170000")),
         entry(QStringLiteral("B"), QStringLiteral("0043660000"), QStringLiteral("x"), QStringLiteral("y"))});
    ASSERT_TRUE(r.ok) << r.description.toStdString();
    EXPECT_EQ(readAll(file), QByteArray("A;0049170000;;;\r\nB;0043660000;x;y;\r\n"));
}

TEST_F(MsmsFileTest, UmlautsAndEuroAreSingleWindows1252Bytes) {
    const QString file = path(QStringLiteral("umlaut.msms"));
    const RecipientEntry e = entry(QStringLiteral("Jürgen Öß"), QStringLiteral("0049170"),
                                   QStringLiteral("5 €"), QStringLiteral("ä\u4e00"));
    ASSERT_TRUE(MsmsFile::save(file, {e}).ok);
    EXPECT_EQ(readAll(file), QByteArray("J\xFCrgen \xD6\xDF;0049170;5 \x80;\xE4?;\r\n"));
    const auto back = MsmsFile::load(file);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->count(), 1);
    EXPECT_EQ(back->at(0).name, QStringLiteral("Jürgen Öß"));
    EXPECT_EQ(back->at(0).frei1, QStringLiteral("5 €"));
    // A character Windows-1252 cannot hold was written as "?".
    EXPECT_EQ(back->at(0).frei2, QStringLiteral("ä?"));
}

TEST_F(MsmsFileTest, AFieldHoldingASemicolonSplitsWhenReadBack) {
    const QString file = path(QStringLiteral("semikolon.msms"));
    ASSERT_TRUE(MsmsFile::save(file, {entry(QStringLiteral("Kunde;A"), QStringLiteral("0049170"),
                                            QStringLiteral("x"), QStringLiteral("y"))})
                    .ok);
    EXPECT_EQ(readAll(file), QByteArray("Kunde;A;0049170;x;y;\r\n"));
    const auto back = MsmsFile::load(file);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->count(), 1);
    EXPECT_EQ(back->at(0).name, QStringLiteral("Kunde"));
    // "A" is now the number and took the German prefix in place of its first character.
    EXPECT_EQ(back->at(0).number, QStringLiteral("0049"));
    EXPECT_EQ(back->at(0).frei1, QStringLiteral("0049170"));
    EXPECT_EQ(back->at(0).frei2, QStringLiteral("x"));
    EXPECT_TRUE(back->prefixAdded());
}

TEST(MsmsParse, LinesEndAtCrOrCrLfButNotAtALoneLf) {
    const struct {
        QByteArray bytes;
        QStringList names;
    } cases[] = {
        {"A;0049170;;;\r\nB;0049171;;;\r\n", {QStringLiteral("A"), QStringLiteral("B")}},
        {"A;0049170;;;\rB;0049171;;;", {QStringLiteral("A"), QStringLiteral("B")}},
        {"A;0049170;;;\r\rB;0049171;;;\r", {QStringLiteral("A"), QStringLiteral("B")}},
        {"A;0049170;x\ny;z;\r\n", {QStringLiteral("A")}},
        {"A;0049170;;;\nB;0049171;;;\n", {QStringLiteral("A")}},
        {"\nA;0049170;;;\r\n", {QStringLiteral("\nA")}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const auto list = MsmsFile::parse(c.bytes);
        ASSERT_TRUE(list) << c.bytes.toStdString();
        QStringList names;
        for (const RecipientEntry& e : list->entries())
            names << e.name;
        EXPECT_EQ(names, c.names) << c.bytes.toStdString();
    }
    const auto lf = MsmsFile::parse("A;0049170;x\ny;z;\r\n");
    EXPECT_EQ(lf->at(0).frei1, QStringLiteral("x\ny"));
    EXPECT_EQ(lf->at(0).frei2, QStringLiteral("z"));
}

// The file system refuses to let the file grow past a limit (as a full disk
// would): the save fails and the old file keeps every byte.
TEST_F(MsmsFileTest, ASaveThatRunsOutOfSpaceLeavesTheOldFileAsItWas) {
    const QString file = path(QStringLiteral("alt.msms"));
    const QByteArray old("Alt;0049170;;;\r\n");
    writeFile(file, old);
    QList<RecipientEntry> many;
    for (int i = 0; i < 20000; ++i)
        many << entry(QStringLiteral("Kunde %1").arg(i), QStringLiteral("0049170%1").arg(i));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const MsmsFile::SaveResult r = MsmsFile::save(file, many);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.errorNumber, 0);
    EXPECT_EQ(readAll(file), old);
    // No temp file is left behind beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.msms")});
}
