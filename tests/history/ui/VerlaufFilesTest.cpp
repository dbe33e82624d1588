#include "HistoryJournal.h"
#include "PrintQt.h"
#include "ScriptedPrompts.h"

#include "history/JournalErrors.h"
#include "history/ui/frmVerlauf.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// The history window's files: the export of what is shown, byte for byte;
// an export that cannot be written; a journal holding garbage.

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray expected(const char* name) {
    return readAll(QStringLiteral(VELVOX_TEST_DATA_DIR "/history/") + QString::fromLatin1(name));
}

void exportTo(frmVerlauf& w, ScriptedPrompts& prompts, const QString& path) {
    prompts.queueDialogResult(path);
    w.findChild<QPushButton*>(QStringLiteral("cmdExport"))->click();
}

// A file-size limit for this process while it lives: writes past it fail
// (with the signal that would end the process ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = m_old;
        r.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

TEST(VerlaufExport, WritesTheRowsShownAsASpreadsheetReadsThem) {
    HistoryJournal history;
    StandardHistory standard(history);
    ScriptedPrompts prompts;
    frmVerlauf window(history.journal);
    const QString path = history.dir.filePath(QStringLiteral("verlauf"));

    exportTo(window, prompts, path); // ".csv" is added
    EXPECT_TRUE(prompts.messages().isEmpty());
    ASSERT_EQ(prompts.dialogs().size(), 1);
    EXPECT_EQ(prompts.dialogs()[0].name, QString::fromLatin1(Prompts::Dialog::SaveFile));
    EXPECT_EQ(readAll(path + QStringLiteral(".csv")), expected("verlauf.csv"));

    // Only what the filter leaves, here the rows of one run.
    window.findChild<QComboBox*>(QStringLiteral("cmbStatus"))->setCurrentText(QStringLiteral("Ohne Antwort"));
    window.findChild<QTableView*>(QStringLiteral("lvVerlauf"))->setCurrentIndex(window.model().index(0, 0));
    window.openCurrent();
    ASSERT_EQ(window.model().rowCount(), 3);
    exportTo(window, prompts, history.dir.filePath(QStringLiteral("ohne-antwort.csv")));
    EXPECT_EQ(readAll(history.dir.filePath(QStringLiteral("ohne-antwort.csv"))), expected("ohne-antwort.csv"));

    // An existing file is replaced only when the user says so.
    const QByteArray before = readAll(path + QStringLiteral(".csv"));
    prompts.queueAnswer(Prompts::Answer::No);
    exportTo(window, prompts, path + QStringLiteral(".csv"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Die Datei existiert bereits.\r\nWollen Sie die Datei überschreiben?"));
    EXPECT_EQ(readAll(path + QStringLiteral(".csv")), before);
}

TEST(VerlaufExport, AFailedWriteSaysWhyInGermanAndLeavesNoHalfFile) {
    HistoryJournal history;
    StandardHistory standard(history);
    frmVerlauf window(history.journal);
    QTemporaryDir out;
    const QString old = out.filePath(QStringLiteral("alt.csv"));
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alter Inhalt\r\n");
    }
    struct Case {
        const char* name;
        QString path;
        rlim_t limit; // 0: none
        QString why;
    };
    const QList<Case> cases{
        {"a folder that is not there", out.filePath(QStringLiteral("fehlt/verlauf.csv")), 0,
         QStringLiteral("Der Ordner „%1“ existiert nicht.").arg(QDir::toNativeSeparators(out.filePath(QStringLiteral("fehlt"))))},
        {"the disk full halfway (file-size limit)", old, 100,
         QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten; vielleicht ist der Datenträger voll.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompts prompts;
        prompts.queueAnswer(Prompts::Answer::Yes); // replace the old file
        {
            std::optional<FileSizeLimit> limit;
            if (c.limit)
                limit.emplace(c.limit);
            exportTo(window, prompts, c.path);
        }
        ASSERT_FALSE(prompts.messages().isEmpty());
        const Prompts::Message& m = prompts.messages().last();
        EXPECT_EQ(m.icon, Prompts::Icon::Error);
        EXPECT_EQ(m.text, QStringLiteral("Der Verlauf konnte nicht exportiert werden.\r\n") + c.why);
        // The old file as it was, and nothing beside it.
        EXPECT_EQ(readAll(old), QByteArray("alter Inhalt\r\n"));
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("alt.csv")});
    }
}

TEST(VerlaufGarbage, AJournalWithGarbageValuesIsShownOpenedAndExportedWithoutCrash) {
    HistoryJournal history;
    const QString huge = QString(3 * 1024 * 1024, QLatin1Char('y')) + QStringLiteral("\r\nEnde");
    history.exec(QStringLiteral("INSERT INTO actions (id, kind, started, state, text, recipient, entries)"
                                " VALUES (7, 'unbekannt', 'kein Datum', 'kaputt', ?, NULL, 'viele')"),
                 {huge});
    history.exec(QStringLiteral("INSERT INTO actions (id, kind, started, state, text, entries)"
                                " VALUES (8, 'mass', '2026-13-45T99:99:99', 'done', ?, -3)"),
                 {QByteArray("\x00\xff\xfe binary \x01\x02", 14)});
    history.exec(QStringLiteral("INSERT INTO requests (action_id, place, part, at, recipient, name, text, state, reply, cost)"
                                " VALUES (7, 'abc', 'x', '', X'00FF0D0A41', NULL, ?, 'seltsam', X'000102FFFE0D0A', 'viel')"),
                 {huge});
    history.exec(QStringLiteral("INSERT INTO requests (action_id, place, part, at, state, reply, cost)"
                                " VALUES (8, 2147483647, -5, 'x', 'no_answer', ?, 99999999999)"),
                 {QString(100000, QChar(0x00e4))});
    history.exec(QStringLiteral("INSERT INTO entries (action_id, place, name, number) VALUES (8, -7, NULL, X'FFFF')"));
    history.exec(QStringLiteral("INSERT INTO entries (action_id, place, name, number) VALUES (8, 2147483647, 'gross', '1')"));

    ScriptedPrompts prompts;
    frmVerlauf window(history.journal);
    window.show();
    QTableView* table = window.findChild<QTableView*>(QStringLiteral("lvVerlauf"));
    ASSERT_EQ(window.model().rowCount(), 2);
    table->grab(); // every cell drawn
    const HistoryModel& m = window.model();
    EXPECT_EQ(m.data(m.index(1, 0)).toString(), QStringLiteral("kein Datum"));
    EXPECT_EQ(m.data(m.index(1, 1)).toString(), QStringLiteral("unbekannt"));
    EXPECT_EQ(m.data(m.index(1, 2)).toString(), QStringLiteral("kaputt"));
    const QString text = m.data(m.index(1, 11)).toString();
    EXPECT_EQ(text.size(), 301);
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
    EXPECT_FALSE(m.data(m.index(0, 11)).toString().contains(QChar(0)));

    for (const qint64 action : {7, 8}) {
        SCOPED_TRACE(action);
        table->setCurrentIndex(m.index(m.rowOf(action), 0));
        window.openCurrent();
        ASSERT_EQ(m.level(), HistoryModel::Level::Action);
        ASSERT_GT(m.rowCount(), 0);
        table->grab();
        for (int r = 0; r < m.rowCount(); ++r) {
            for (int c = 0; c < m.columnCount(); ++c) {
                const QString cell = m.data(m.index(r, c)).toString();
                EXPECT_LE(cell.size(), 301);
                for (const QChar ch : cell)
                    EXPECT_GE(ch.unicode(), 0x20) << r << "," << c;
            }
        }
        exportTo(window, prompts, history.dir.filePath(QStringLiteral("garbage-%1.csv").arg(action)));
        window.goBack();
    }
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(m.data(m.index(1, 5)).toString(), QString()); // "viele" entries
    // The whole huge text went into the export.
    EXPECT_GT(readAll(history.dir.filePath(QStringLiteral("garbage-7.csv"))).size(), huge.size());
    table->setCurrentIndex(m.index(m.rowOf(8), 0));
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("cmdErneut"))->isEnabled());
}

TEST(VerlaufGarbage, AJournalThatCouldNotBeOpenedSaysSoAndOffersNothing) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("kein-ordner")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const bool tried : {false, true}) {
        SCOPED_TRACE(tried);
        SendJournal broken(dir.filePath(QStringLiteral("kein-ordner/journal.sqlite")));
        if (tried) {
            ASSERT_FALSE(broken.open());
        }
        ScriptedPrompts prompts;
        frmVerlauf window(broken);
        window.show();
        EXPECT_EQ(window.model().rowCount(), 0);
        const QString shown = window.findChild<QLabel*>(QStringLiteral("lblOrt"))->text();
        EXPECT_EQ(shown, QStringLiteral("Der Verlauf kann nicht gelesen werden: ") +
                             (tried ? broken.lastError() : JournalErrors::notOpenText()));
        for (const char* button : {"cmdOeffnen", "cmdText", "cmdExport", "cmdErneut"})
            EXPECT_FALSE(window.findChild<QPushButton*>(QString::fromLatin1(button))->isEnabled()) << button;
        window.refresh();
        window.findChild<QComboBox*>(QStringLiteral("cmbStatus"))->setCurrentIndex(1);
        EXPECT_TRUE(prompts.messages().isEmpty());
    }
}
