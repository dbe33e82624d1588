#include "MultiSMSWindowHarness.h"
#include "PrintQt.h"

#include "TempSettings.h"
#include "mass/RecipientTableModel.h"
#include "mass/ui/ImportMappingDialog.h"
#include "mass/ui/RecipientImporter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>

using Prompts::Answer;

namespace {

const QString kMapping = QString::fromLatin1(Prompts::Dialog::ImportMapping);

QString importFile(const char* name) {
    return QStringLiteral(VELVOX_TEST_DATA_DIR "/import/") + QString::fromLatin1(name);
}

class ImportWindow : public MultiSMSWindow {
protected:
    void SetUp() override {
        MultiSMSWindow::SetUp();
        // The mapping dialog is answered with the columns it was offered.
        prompts.setDialogAnswer(
            kMapping, [](const QVariantMap& args) { return args.value(QStringLiteral("mapping")); });
    }
    bool import(const QString& file) {
        QSignalSpy done(&w.importer(), &RecipientImporter::importFinished);
        w.importer().importPath(file);
        return done.wait(60000);
    }
    QStringList numbers() const {
        QStringList out;
        for (const RecipientEntry& e : w.list().entries())
            out << e.number;
        return out;
    }
    QVariant cell(int row, int column, int role) { return view()->model()->index(row, column).data(role); }

    TempSettings settings;
};

} // namespace

TEST_F(ImportWindow, TheImportKeyReadsTheFileThroughTheMappingAndReportsWhatWasLeftOut) {
    ASSERT_NE(key("import"), nullptr);
    EXPECT_EQ(key("import")->toolTip(),
              QStringLiteral("Importiert Empfänger aus einer CSV- oder vCard-Datei."));
    open(writeFile(QStringLiteral("alt.msms"), "Alt;00491709999999;;;\r\n"));
    ASSERT_EQ(w.fileName(), path(QStringLiteral("alt.msms")));
    prompts.clear();

    QSignalSpy done(&w.importer(), &RecipientImporter::importFinished);
    prompts.queueDialogResult(importFile("tabelle_windows1252.csv"));
    prompts.queueAnswer(Answer::Yes); // replace
    key("import")->trigger();
    ASSERT_TRUE(done.wait(30000));

    ASSERT_EQ(prompts.dialogs().size(), 2);
    EXPECT_EQ(prompts.dialogs()[0].name, QString::fromLatin1(Prompts::Dialog::OpenFile));
    EXPECT_EQ(prompts.dialogs()[1].name, kMapping);
    // The dialog is shown the header and the first rows as read.
    const QVariantList rows = prompts.dialogs()[1].args.value(QStringLiteral("rows")).toList();
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0].toStringList().value(0), QStringLiteral("Vorname"));
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Jürgen Müller"), QStringLiteral("Anna Groß"),
                                    QStringLiteral("Zoë Weiß")}));
    EXPECT_EQ(w.list().at(1).frei1, QStringLiteral("Termin am\r\nMontag"));
    EXPECT_EQ(field("txtAnzahl")->text(), QStringLiteral("3"));
    // The imported list belongs to no file: the next save asks for a name.
    EXPECT_TRUE(w.fileName().isEmpty());
    ASSERT_EQ(prompts.messages().size(), 2);
    EXPECT_EQ(
        prompts.messages()[0].captions,
        (QStringList{QStringLiteral("Ersetzen"), QStringLiteral("Anhängen"), QStringLiteral("Abbrechen")}));
    EXPECT_EQ(prompts.messages()[1].text,
              QStringLiteral("2 Zeilen der Datei wurden nicht übernommen:\r\n  - 2 ohne Rufnummer"));
}

// Replace, append or leave the list: the list changes in one step or not at all.
struct ModeCase {
    Answer answer;
    std::vector<const char*> names;
};

class ImportMode : public ImportWindow, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ImportMode, TheAnswerDecidesWhatHappensToTheList) {
    w.list().add(QStringLiteral("Alt"), QStringLiteral("00491709999999"), {}, {});
    w.recalcMaxSizes();
    prompts.queueAnswer(GetParam().answer);
    ASSERT_TRUE(import(importFile("utf16le_tab.txt")));
    QStringList expected;
    for (const char* n : GetParam().names)
        expected << QString::fromUtf8(n);
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(view()->model()->rowCount(), expected.size());
    ASSERT_FALSE(prompts.messages().isEmpty());
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral(
                  "Die Liste enthält bereits 1 Einträge.\r\nSollen die 2 importierten Empfänger die Liste "
                  "ersetzen oder an sie angehängt werden?"));
}

INSTANTIATE_TEST_SUITE_P(Answers, ImportMode,
                         ::testing::Values(ModeCase{Answer::Yes, {"Özlem Çelik", "Sven"}},
                                           ModeCase{Answer::No, {"Alt", "Özlem Çelik", "Sven"}},
                                           ModeCase{Answer::Cancel, {"Alt"}}));

TEST_F(ImportWindow, NumbersThatTakeNoSmsAreMarkedWithTheReason) {
    w.list().add(QStringLiteral("Mobil"), QStringLiteral("00491701234567"), {}, {});
    w.list().add(QStringLiteral("Festnetz"), QStringLiteral("0049301234567"), {}, {});
    w.list().add(QStringLiteral("Kurz"), QStringLiteral("0049170"), {}, {});
    w.recalcMaxSizes();
    const int number = RecipientTableModel::NumberColumn;
    EXPECT_FALSE(cell(0, number, Qt::BackgroundRole).isValid());
    EXPECT_EQ(cell(0, number, Qt::ToolTipRole).toString(), QStringLiteral("00491701234567"));
    EXPECT_EQ(cell(1, number, Qt::BackgroundRole).value<QColor>(), QColor(255, 192, 192));
    EXPECT_EQ(cell(1, number, Qt::ToolTipRole).toString(),
              QStringLiteral("0049301234567\nKeine Mobilfunknummer (Festnetz- oder Sondernummer)"));
    EXPECT_EQ(cell(2, number, Qt::ToolTipRole).toString(),
              QStringLiteral("0049170\nKeine gültige Rufnummer"));
    // Other columns are not marked.
    EXPECT_FALSE(cell(1, RecipientTableModel::NameColumn, Qt::BackgroundRole).isValid());
}

TEST_F(ImportWindow, ThePreviewShowsTheSelectedEntrysMessageAndLongerOnesAreMarked) {
    w.list().add(QStringLiteral("Eva"), QStringLiteral("00491701234567"), QStringLiteral("Mo"), {});
    w.list().add(QStringLiteral("€€€€€€"), QStringLiteral("00491711234567"), QStringLiteral("Di"), {});
    w.recalcMaxSizes();
    const QString text = QStringLiteral("Hallo %name%, %frei1%") + QString(144, u'x');
    w.setMessage(text, false);
    view()->selectRow(0);
    auto* preview = child<QPlainTextEdit>("txtVorschau");
    auto* count = child<QLabel>("lblVorschauZaehler");
    EXPECT_EQ(preview->toPlainText(), QStringLiteral("Hallo Eva, Mo") + QString(144, u'x'));
    EXPECT_EQ(count->text(), QStringLiteral("157 Zeichen, 1 SMS"));
    view()->selectRow(1);
    EXPECT_EQ(count->text(), QStringLiteral("166 Zeichen, 2 SMS"));
    // The counters reckon 1 SMS for the list; the second entry's message needs 2.
    EXPECT_FALSE(cell(0, RecipientTableModel::NameColumn, Qt::BackgroundRole).isValid());
    EXPECT_TRUE(cell(1, RecipientTableModel::NameColumn, Qt::BackgroundRole).isValid());
    EXPECT_TRUE(cell(1, RecipientTableModel::NameColumn, Qt::ToolTipRole)
                    .toString()
                    .endsWith(QStringLiteral("braucht 2 SMS, gezählt sind 1.")));
    // Editing the text follows at once.
    w.setMessage(QStringLiteral("Hi %name%"), false);
    EXPECT_EQ(preview->toPlainText(), QStringLiteral("Hi €€€€€€"));
}

TEST_F(ImportWindow, DuplicatesAfterALoadAreReportedAndOnlyTheFirstKeptOnRequest) {
    const QString file =
        writeFile(QStringLiteral("doppelt.msms"), "A;00491701234567;;;\r\nB;01701234567;;;\r\n"
                                                  "C;00436641234567;;;\r\nD;00491701234567;;;\r\n");
    prompts.queueDialogResult(file);
    prompts.queueAnswer(Answer::Ok);  // the prefix notice
    prompts.queueAnswer(Answer::Yes); // keep only the first
    key("open")->trigger();
    ASSERT_EQ(prompts.messages().size(), 2);
    EXPECT_EQ(prompts.messages()[1].text,
              QStringLiteral(
                  "2 doppelte Nummern gefunden.\r\nSoll von jeder Nummer nur der erste Eintrag bleiben?"));
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(field("txtAnzahl")->text(), QStringLiteral("2"));
    // The list still belongs to its file.
    EXPECT_EQ(w.fileName(), file);

    // Answered No, the list stays as loaded.
    prompts.clear();
    prompts.queueDialogResult(file);
    key("open")->trigger();
    EXPECT_EQ(names().size(), 4);
}

TEST_F(ImportWindow, ExportWritesTheListThatTheImportReadsBack) {
    w.list().add(QStringLiteral("Müller; J."), QStringLiteral("00491701234567"), QStringLiteral("a\"b"), {});
    w.list().add(QStringLiteral("Zoë"), QStringLiteral("0043664123456"), {},
                 QStringLiteral("zwei\r\nZeilen"));
    w.recalcMaxSizes();
    const QList<RecipientEntry> before = w.list().entries();
    prompts.queueDialogResult(path(QStringLiteral("liste")));
    key("export")->trigger();
    const QByteArray written = readFile(path(QStringLiteral("liste.csv")));
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBFName;Nummer;Freitext 1;Freitext 2\r\n"));

    prompts.clear();
    prompts.queueAnswer(Answer::Yes); // replace
    ASSERT_TRUE(import(path(QStringLiteral("liste.csv"))));
    EXPECT_EQ(w.list().entries(), before);
}

TEST_F(ImportWindow, ABrokenFileIsRefusedAndTheListStays) {
    w.list().add(QStringLiteral("Alt"), QStringLiteral("00491709999999"), {}, {});
    for (const char* file : {"leer.csv", "binaer.bin", "keine_nummer.csv"}) {
        prompts.clear();
        ASSERT_TRUE(import(importFile(file))) << file;
        ASSERT_EQ(prompts.messages().size(), 1) << file;
        EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Warning);
        EXPECT_EQ(names(), QStringList{QStringLiteral("Alt")});
    }
}

TEST_F(ImportWindow, ALargeFileIsReadWhileTheWindowRunsAndAppliedInOneStep) {
    QByteArray big("Name;Mobil\n");
    for (int i = 0; i < 50000; ++i)
        big += "Kunde " + QByteArray::number(i) + ";0170" + QByteArray::number(1000000 + i) + '\n';
    const QString file = writeFile(QStringLiteral("gross.csv"), big);
    w.list().add(QStringLiteral("Alt"), QStringLiteral("00491709999999"), {}, {});

    QSignalSpy done(&w.importer(), &RecipientImporter::importFinished);
    QSignalSpy resets(view()->model(), &QAbstractItemModel::modelReset);
    prompts.queueAnswer(Answer::No); // append
    w.importer().importPath(file);
    // The call returns at once; the list is untouched until the file is read.
    EXPECT_TRUE(w.importer().busy());
    EXPECT_EQ(w.list().count(), 1);
    // A second file meanwhile is not started.
    w.importer().importPath(importFile("utf16le_tab.txt"));
    ASSERT_TRUE(done.wait(120000));
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(w.list().count(), 50001);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(w.list().at(50000).number, QStringLiteral("00491701049999"));
}

TEST_F(ImportWindow, AFileDroppedOntoTheListIsImported) {
    QWidget* target = view()->viewport();
    EXPECT_TRUE(target->acceptDrops());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(importFile("karten40.vcf"))});
    QSignalSpy done(&w.importer(), &RecipientImporter::importFinished);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    ASSERT_TRUE(done.wait(30000));
    EXPECT_EQ(names(), QStringList{QStringLiteral("Zoë Ångström")});
    // vCards need no column choice.
    EXPECT_TRUE(prompts.dialogs().isEmpty());
}

TEST_F(ImportWindow, TheMappingDialogOffersTheColumnsAndIsRememberedPerHeader) {
    prompts.setDialogAnswer(kMapping, [](const QVariantMap& args) -> QVariant {
        QList<QStringList> rows;
        for (const QVariant& r : args.value(QStringLiteral("rows")).toList())
            rows << r.toStringList();
        ImportMappingDialog dialog(rows,
                                   ImportMapping::fromVariant(args.value(QStringLiteral("mapping")).toMap()));
        auto* number = dialog.findChild<QComboBox*>(QStringLiteral("cmbNummer"));
        auto* frei2 = dialog.findChild<QComboBox*>(QStringLiteral("cmbFrei2"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdImportieren"));
        EXPECT_EQ(number->currentText(), QStringLiteral("Spalte 7: Mobiltelefon"));
        // Without a number column nothing can be imported.
        number->setCurrentIndex(0);
        EXPECT_FALSE(ok->isEnabled());
        number->setCurrentIndex(number->findData(3)); // Telefon geschäftlich
        EXPECT_TRUE(ok->isEnabled());
        frei2->setCurrentIndex(frei2->findData(2)); // Firma
        // Without a header line the columns are numbered, the choices stay.
        dialog.findChild<QCheckBox*>(QStringLiteral("chkSpaltennamen"))->setChecked(false);
        EXPECT_EQ(number->currentText(), QStringLiteral("Spalte 4"));
        dialog.findChild<QCheckBox*>(QStringLiteral("chkSpaltennamen"))->setChecked(true);
        return dialog.mapping().toVariant();
    });
    ASSERT_TRUE(import(importFile("kontakte_export.csv")));
    EXPECT_EQ(numbers(), (QStringList{QStringLiteral("0049301234567"), QStringLiteral("004989123456")}));
    EXPECT_EQ(w.list().at(0).frei2, QStringLiteral("Heinz GmbH"));

    // The next file with that header line is offered the same choice.
    prompts.setDialogAnswer(kMapping,
                            [](const QVariantMap& args) { return args.value(QStringLiteral("mapping")); });
    prompts.clear();
    prompts.queueAnswer(Answer::Yes);
    ASSERT_TRUE(import(importFile("kontakte_export.csv")));
    ASSERT_EQ(prompts.dialogs().size(), 1);
    const ImportMapping offered =
        ImportMapping::fromVariant(prompts.dialogs()[0].args.value(QStringLiteral("mapping")).toMap());
    EXPECT_EQ(offered, (ImportMapping{0, 1, 3, -1, 2, true}));
}
