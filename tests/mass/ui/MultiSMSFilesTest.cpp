#include "MultiSMSWindowHarness.h"

#include <QProgressBar>

using Prompts::Answer;

namespace {

const QString kPrefixNotice = QStringLiteral("Den Rufnummern wurde die Vorwahl für Deutschland hinzugefügt. "
                                             "Die gespeicherte Datei wurde nicht verändert. "
                                             "Bitte speichern Sie die neuen Nummern bei Bedarf ab.");

QString dataFile(const char* name) {
    return QStringLiteral(VELVOX_TEST_DATA_DIR "/msms/") + QString::fromLatin1(name);
}

} // namespace

TEST_F(MultiSMSWindow, OpenAsksThroughTheDialogAndLoadsTheFile) {
    const QString file = writeFile(QStringLiteral("kunden.msms"), "Kunde A;00491700000001;Praxis;Montag;\r\n"
                                                                  "Kunde B;00436641234567;;;\r\n");
    open(file);
    ASSERT_EQ(prompts.dialogs().size(), 1);
    const ScriptedPrompts::DialogCall& d = prompts.dialogs()[0];
    EXPECT_EQ(d.name, QString::fromLatin1(Prompts::Dialog::OpenFile));
    EXPECT_EQ(d.args.value(QStringLiteral("title")).toString(), QStringLiteral("Datendatei öffnen"));
    EXPECT_EQ(d.args.value(QStringLiteral("start")).toString(), QStringLiteral("C:\\"));
    EXPECT_EQ(d.args.value(QStringLiteral("filter")).toString(),
              QStringLiteral("MultiSMS Datendatei (*.msms);;All Files (*.*)"));
    EXPECT_TRUE(w.isEnabled());

    EXPECT_EQ(names(), (QStringList{QStringLiteral("Kunde A"), QStringLiteral("Kunde B")}));
    EXPECT_EQ(w.fileName(), file);
    EXPECT_EQ(field("txtFilename")->text(), file);
    EXPECT_EQ(field("txtAnzahl")->text(), QStringLiteral("2"));
    EXPECT_EQ(w.getMaxFrei1Size(), 6);
    EXPECT_EQ(recalcs, 1);
    // All numbers began with "00": no notice.
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(MultiSMSWindow, ThePrefixNoticeFollowsOnlyTheLoadThatAddedAPrefix) {
    open(writeFile(QStringLiteral("d.msms"), "D;01700000002;;;\r\n"));
    EXPECT_EQ(w.list().at(0).number, QStringLiteral("00491700000002"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Information);
    EXPECT_EQ(prompts.messages()[0].title, QStringLiteral("Velvox"));
    EXPECT_EQ(prompts.messages()[0].text, kPrefixNotice);
    // The file itself is not changed.
    EXPECT_EQ(readFile(path(QStringLiteral("d.msms"))), QByteArray("D;01700000002;;;\r\n"));

    prompts.clear();
    open(writeFile(QStringLiteral("e.msms"), "E;00491700000003;;;\r\n"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(names(), QStringList{QStringLiteral("E")});
}

// A file that cannot be read leaves the shown list whole and takes the file
// name away from it, so the next save cannot write it over another file.
class FailedLoad : public MultiSMSWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(FailedLoad, KeepsTheListAndForgetsTheFileName) {
    const QString good = writeFile(QStringLiteral("gut.msms"), "Anna;0049170;;;\r\nBernd;0049171;lang;;\r\n");
    open(good);
    ASSERT_EQ(w.list().count(), 2);
    prompts.clear();
    const int before = recalcs;

    open(dataFile(GetParam()));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Error);
    EXPECT_EQ(prompts.messages()[0].title, QStringLiteral("Velvox"));
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Die Datei konnte nicht geladen werden."));
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Bernd")}));
    EXPECT_EQ(view()->model()->rowCount(), 2);
    EXPECT_EQ(w.getMaxFrei1Size(), 4);
    EXPECT_EQ(recalcs, before);
    EXPECT_TRUE(w.fileName().isEmpty());

    // Saving now asks for a name; cancelled, nothing is written anywhere.
    prompts.clear();
    key("save")->trigger();
    ASSERT_EQ(prompts.dialogs().size(), 1);
    EXPECT_EQ(prompts.dialogs()[0].name, QString::fromLatin1(Prompts::Dialog::SaveFile));
    EXPECT_EQ(readFile(good), QByteArray("Anna;0049170;;;\r\nBernd;0049171;lang;;\r\n"));
}

INSTANTIATE_TEST_SUITE_P(BadFiles, FailedLoad,
                         ::testing::Values("binary_junk.bin", "broken_last_line.msms", "utf16.msms",
                                           "not_msms.xml", "empty_number.msms", "does_not_exist.msms"));

TEST_F(MultiSMSWindow, SavingWithoutANameAsksAndAppendsTheExtension) {
    addEntry(QStringLiteral("A"), QStringLiteral("0049170000"));
    addEntry(QStringLiteral("B"), QStringLiteral("0043660000"), QStringLiteral("x"), QStringLiteral("y"));
    prompts.queueDialogResult(path(QStringLiteral("liste")));
    key("save")->trigger();
    ASSERT_EQ(prompts.dialogs().size(), 1);
    const ScriptedPrompts::DialogCall& d = prompts.dialogs()[0];
    EXPECT_EQ(d.name, QString::fromLatin1(Prompts::Dialog::SaveFile));
    EXPECT_EQ(d.args.value(QStringLiteral("title")).toString(), QStringLiteral("Datendatei speichern"));
    EXPECT_EQ(d.args.value(QStringLiteral("start")).toString(), QStringLiteral("C:\\"));
    EXPECT_EQ(d.args.value(QStringLiteral("filter")).toString(),
              QStringLiteral("MultiSMS Datendatei (*.msms)"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    const QString file = path(QStringLiteral("liste.msms"));
    EXPECT_EQ(readFile(file), QByteArray("A;0049170000;;;\r\nB;0043660000;x;y;\r\n"));
    EXPECT_EQ(w.fileName(), file);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("liste"))));
    EXPECT_TRUE(child<QProgressBar>("pBar")->isHidden());

    // With a name, the next save writes without any question.
    addEntry(QStringLiteral("C"), QStringLiteral("0041790000"));
    prompts.clear();
    key("save")->trigger();
    EXPECT_TRUE(prompts.dialogs().isEmpty());
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(readFile(file), QByteArray("A;0049170000;;;\r\nB;0043660000;x;y;\r\nC;0041790000;;;\r\n"));
}

TEST_F(MultiSMSWindow, SavingOverAnExistingFileNeedsYes) {
    const QString existing = writeFile(QStringLiteral("alt.MSMS.msms"), "Alt;0049;;;\r\n");
    addEntry(QStringLiteral("Neu"), QStringLiteral("0049170"));
    prompts.queueDialogResult(path(QStringLiteral("alt.MSMS")));
    prompts.queueAnswer(Answer::No);
    key("save")->trigger();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Question);
    EXPECT_EQ(prompts.messages()[0].buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("Die Datei existiert bereits.\r\nWollen Sie die Datei überschreiben?"));
    EXPECT_EQ(readFile(existing), QByteArray("Alt;0049;;;\r\n"));
    EXPECT_TRUE(w.fileName().isEmpty());

    prompts.queueDialogResult(path(QStringLiteral("alt.MSMS")));
    prompts.queueAnswer(Answer::Yes);
    key("save")->trigger();
    EXPECT_EQ(readFile(existing), QByteArray("Neu;0049170;;;\r\n"));
    EXPECT_EQ(w.fileName(), existing);
}

TEST_F(MultiSMSWindow, AFailedSaveSaysWhyAndHidesTheProgress) {
    addEntry(QStringLiteral("Anna"), QStringLiteral("0049170"));
    // A folder stands where the file should go.
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("ordner.msms"))));
    prompts.queueDialogResult(path(QStringLiteral("ordner")));
    prompts.queueAnswer(Answer::Yes);
    key("save")->trigger();
    ASSERT_EQ(prompts.messages().size(), 2);
    const Prompts::Message& m = prompts.messages()[1];
    EXPECT_EQ(m.icon, Prompts::Icon::Error);
    EXPECT_EQ(m.title, QStringLiteral("Velvox"));
    const QStringList lines = m.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3) << m.text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Die Datei konnte leider nicht gespeichert werden."));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Fehlernummer: ")));
    EXPECT_GT(lines[1].mid(14).toInt(), 0);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Beschreibung: ")));
    EXPECT_GT(lines[2].size(), 14);
    EXPECT_TRUE(child<QProgressBar>("pBar")->isHidden());
}
