#include "MultiSMSWindowHarness.h"

#include "widgets/FieldMark.h"

#include <QLabel>
#include <QSignalSpy>

using Prompts::Answer;

TEST_F(MultiSMSWindow, OpensInAddModeWithItsColumns) {
    QStringList headers;
    for (int c = 0; c < view()->model()->columnCount(); ++c)
        headers << view()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{QStringLiteral("Name"), QStringLiteral("Nummer"),
                                    QStringLiteral("Freitext1"), QStringLiteral("Freitext2")}));
    EXPECT_TRUE(key("add")->isVisible());
    EXPECT_FALSE(key("ok")->isVisible());
    EXPECT_TRUE(child<QLabel>("lblNummerHinweis")->isHidden());
    // Without a group loader there is nothing for openWeb to do.
    EXPECT_FALSE(key("openWeb")->isEnabled());
    int opened = 0;
    QObject::connect(&w, &frmMultiSMS::openWebRequested, &w, [&opened] { ++opened; });
    w.setWebGroupsAvailable(true);
    ASSERT_TRUE(key("openWeb")->isEnabled());
    key("openWeb")->trigger();
    EXPECT_EQ(opened, 1);
}

TEST_F(MultiSMSWindow, AddingWithoutNumberWarnsMarksAndFocusesTheField) {
    field("txtFrei1")->setFocus();
    addEntry(QStringLiteral("Anna"), QString());
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Warning);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Sie müssen eine Telefonummer eingeben."));
    EXPECT_TRUE(isFieldMarked(field("txtNummer")));
    EXPECT_TRUE(field("txtNummer")->hasFocus());
    EXPECT_EQ(w.list().count(), 0);
    EXPECT_EQ(field("txtName")->text(), QStringLiteral("Anna"));
    EXPECT_EQ(recalcs, 0);
}

TEST_F(MultiSMSWindow, AddingAppendsTheEntryAsTypedAndEmptiesTheFields) {
    addEntry(QStringLiteral("Anna"), QStringLiteral("01701234567"), QStringLiteral("Praxis"));
    addEntry(QStringLiteral("Bernhard"), QStringLiteral("0043660000"), QString(), QStringLiteral("Mo"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    ASSERT_EQ(w.list().count(), 2);
    EXPECT_EQ(w.list().at(0), (RecipientEntry{QStringLiteral("Anna"), QStringLiteral("01701234567"),
                                              QStringLiteral("Praxis"), QString(), 1}));
    EXPECT_EQ(w.list().at(1).tag, 2);
    for (const char* name : {"txtName", "txtNummer", "txtFrei1", "txtFrei2"})
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
    // The emptied number field is not marked as faulty.
    EXPECT_FALSE(isFieldMarked(field("txtNummer")));
    EXPECT_TRUE(child<QLabel>("lblNummerHinweis")->isHidden());
    EXPECT_EQ(field("txtAnzahl")->text(), QStringLiteral("2"));
    EXPECT_EQ(recalcs, 2);
    EXPECT_EQ(w.getMaxNameSize(), 8);
    EXPECT_EQ(w.getMaxFrei1Size(), 6);
    EXPECT_EQ(w.getMaxFrei2Size(), 2);
    EXPECT_EQ(view()->model()->rowCount(), 2);
}

TEST_F(MultiSMSWindow, ANumberAlreadyInTheListIsAddedOnlyOnYes) {
    addEntry(QStringLiteral("Anna"), QStringLiteral("0049170"), QStringLiteral("0049171"),
             QStringLiteral("0049172"));
    for (const char* number : {"0049170", "0049171", "0049172"}) {
        prompts.clear();
        prompts.queueAnswer(Answer::No);
        addEntry(QStringLiteral("Zweite"), QString::fromLatin1(number));
        ASSERT_EQ(prompts.messages().size(), 1) << number;
        const Prompts::Message& m = prompts.messages()[0];
        EXPECT_EQ(m.buttons, Prompts::Buttons::YesNo);
        EXPECT_EQ(m.text, QStringLiteral("Ein Eintrag mit dieser Nummer existiert schon.\r\n"
                                         "Möchten Sie diesen trotzdem hinzufügen?"));
        EXPECT_EQ(w.list().count(), 1);
        // The fields stay as typed.
        EXPECT_EQ(field("txtName")->text(), QStringLiteral("Zweite"));
    }
    prompts.queueAnswer(Answer::Yes);
    key("add")->trigger();
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Zweite")}));
    // A name equal to a number is no duplicate.
    prompts.clear();
    addEntry(QStringLiteral("Dritte"), QStringLiteral("Anna"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(w.list().count(), 3);
}

TEST_F(MultiSMSWindow, TheNumberHintShowsWhileTheFieldHoldsNoNumber) {
    QLineEdit* number = field("txtNummer");
    QLabel* hint = child<QLabel>("lblNummerHinweis");
    const std::pair<const char*, bool> cases[] = {
        {"0049170", false}, {"0170-123", true}, {"0049 170", true}, {"", true}, {"abc", true},
    };
    for (const auto& [text, faulty] : cases) {
        number->setText(QString::fromLatin1(text));
        EXPECT_EQ(hint->isVisible(), faulty) << text;
        EXPECT_EQ(isFieldMarked(number), faulty) << text;
    }
    // The hint does not block adding.
    addEntry(QStringLiteral("Anna"), QStringLiteral("0170-123"));
    EXPECT_EQ(w.list().count(), 1);
    EXPECT_FALSE(hint->isVisible());
}

TEST_F(MultiSMSWindow, ADoubleClickEditsTheEntryAndOkStoresItWithoutQuestions) {
    addEntry(QStringLiteral("Anna"), QStringLiteral("0049170"));
    addEntry(QStringLiteral("Bernd"), QStringLiteral("0049171"), QStringLiteral("x"), QStringLiteral("y"));
    const int before = recalcs;
    QTableView* v = view();
    const QModelIndex second = v->model()->index(1, 1);
    // The view takes a double click only on the entry the first click pressed.
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(second).center());
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(second).center());
    EXPECT_EQ(field("txtName")->text(), QStringLiteral("Bernd"));
    EXPECT_EQ(field("txtFrei2")->text(), QStringLiteral("y"));
    EXPECT_TRUE(key("ok")->isVisible());
    EXPECT_FALSE(key("add")->isVisible());

    // The number of the other entry and an empty free text: neither check applies to ok.
    fill(QStringLiteral("Bernhard"), QStringLiteral("0049170"), QString(), QStringLiteral("neu"));
    key("ok")->trigger();
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(w.list().at(1), (RecipientEntry{QStringLiteral("Bernhard"), QStringLiteral("0049170"),
                                              QString(), QStringLiteral("neu"), 2}));
    EXPECT_TRUE(field("txtName")->text().isEmpty());
    EXPECT_TRUE(key("add")->isVisible());
    EXPECT_FALSE(key("ok")->isVisible());
    EXPECT_EQ(recalcs, before + 1);
    EXPECT_EQ(w.getMaxFrei1Size(), 0);
}

TEST_F(MultiSMSWindow, DeleteRemovesTheSelectedEntryAndNothingWithoutSelection) {
    addEntry(QStringLiteral("Anna"), QStringLiteral("0049170"));
    addEntry(QStringLiteral("Bernd"), QStringLiteral("0049171"));
    addEntry(QStringLiteral("Clara"), QStringLiteral("0049172"));
    const int before = recalcs;
    key("delete")->trigger();
    EXPECT_EQ(w.list().count(), 3);
    EXPECT_EQ(recalcs, before);

    w.editRow(1);
    view()->selectRow(1);
    key("delete")->trigger();
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Clara")}));
    EXPECT_EQ(field("txtAnzahl")->text(), QStringLiteral("2"));
    EXPECT_TRUE(field("txtName")->text().isEmpty());
    EXPECT_FALSE(key("ok")->isVisible());
    EXPECT_EQ(recalcs, before + 1);
    EXPECT_EQ(w.getMaxNameSize(), 5);
}

TEST_F(MultiSMSWindow, NewEmptiesListAndNameOnlyOnYes) {
    writeFile(QStringLiteral("a.msms"), "Anna;0049170;;;\r\n");
    open(path(QStringLiteral("a.msms")));
    ASSERT_EQ(w.list().count(), 1);
    prompts.clear();
    prompts.queueAnswer(Answer::No);
    key("new")->trigger();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("Alle nicht gespeicherten Informationen gehen verloren.\r\n"
                             "Möchten Sie wirklich eine neue Datei anlegen?"));
    EXPECT_EQ(prompts.messages()[0].buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(w.list().count(), 1);
    EXPECT_FALSE(w.fileName().isEmpty());

    prompts.queueAnswer(Answer::Yes);
    field("txtName")->setText(QStringLiteral("halb getippt"));
    key("new")->trigger();
    EXPECT_EQ(w.list().count(), 0);
    EXPECT_TRUE(w.fileName().isEmpty());
    EXPECT_TRUE(field("txtName")->text().isEmpty());
    EXPECT_EQ(field("txtAnzahl")->text(), QStringLiteral("0"));
    addEntry(QStringLiteral("Neu"), QStringLiteral("0049"));
    EXPECT_EQ(w.list().at(0).tag, 1);
}

TEST_F(MultiSMSWindow, ALockedListCannotBeChangedButCanBeSaved) {
    addEntry(QStringLiteral("Anna"), QStringLiteral("0049170"));
    w.setWebGroupsAvailable(true);
    w.setEditingLocked(true);
    for (const char* k : {"new", "open", "openWeb", "add", "ok", "delete"})
        EXPECT_FALSE(key(k)->isEnabled()) << k;
    EXPECT_TRUE(key("save")->isEnabled());

    // Reached another way, the operations still refuse.
    prompts.queueAnswer(Answer::Yes);
    w.newList();
    w.openFile();
    fill(QStringLiteral("Bernd"), QStringLiteral("0049171"));
    w.addEntry();
    view()->selectRow(0);
    w.deleteSelected();
    w.editRow(0);
    EXPECT_EQ(names(), QStringList{QStringLiteral("Anna")});
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_TRUE(prompts.dialogs().isEmpty());
    EXPECT_EQ(field("txtName")->text(), QStringLiteral("Bernd"));

    w.setEditingLocked(false);
    for (const char* k : {"new", "open", "openWeb", "add", "delete"})
        EXPECT_TRUE(key(k)->isEnabled()) << k;
}

TEST_F(MultiSMSWindow, AWebGroupReplacesTheListInOneStepAndTheFileNameGoes) {
    writeFile(QStringLiteral("a.msms"), "Anna;0049170;;;\r\nBernd;0049171;;;\r\n");
    open(path(QStringLiteral("a.msms")));
    const int before = recalcs;
    QSignalSpy reset(view()->model(), &QAbstractItemModel::modelReset);
    QSignalSpy removed(view()->model(), &QAbstractItemModel::rowsRemoved);
    w.replaceEntries(
        {RecipientEntry{QStringLiteral("Team 1"), QStringLiteral("0049180"), QStringLiteral("abc"), {}, 0},
         RecipientEntry{QStringLiteral("Team 2"), QStringLiteral("0049181"), {}, {}, 0},
         RecipientEntry{QStringLiteral("Team 3"), QStringLiteral("0049182"), {}, {}, 0}});
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(removed.count(), 0);
    EXPECT_EQ(names(),
              (QStringList{QStringLiteral("Team 1"), QStringLiteral("Team 2"), QStringLiteral("Team 3")}));
    EXPECT_TRUE(w.fileName().isEmpty());
    EXPECT_EQ(field("txtAnzahl")->text(), QStringLiteral("3"));
    EXPECT_EQ(w.getMaxFrei1Size(), 3);
    EXPECT_EQ(recalcs, before + 1);
    EXPECT_EQ(w.list().at(2).tag, 3);
}

TEST_F(MultiSMSWindow, ItSitsAtTheRightEdgeOfTheMainWindowAndFollowsIt) {
    QWidget main;
    main.setGeometry(100, 80, 400, 600);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    w.placeBeside(&main);
    auto expected = [&main] { return QPoint(main.frameGeometry().right() + 1, main.frameGeometry().top()); };
    auto sameHeight = [&] { return w.frameGeometry().height() == main.frameGeometry().height(); };
    EXPECT_EQ(w.frameGeometry().topLeft(), expected());
    EXPECT_TRUE(sameHeight()) << w.frameGeometry().height() << " " << main.frameGeometry().height();
    main.move(250, 40);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry().topLeft() == expected(); }));
    main.resize(500, 600);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry().topLeft() == expected(); }));
    main.resize(500, 720);
    EXPECT_TRUE(QTest::qWaitFor(sameHeight)) << w.frameGeometry().height() << " " << main.frameGeometry().height();
}

TEST_F(MultiSMSWindow, ClosingEndsMassModeUnlessTheProgramClosesIt) {
    QSignalSpy closed(&w, &frmMultiSMS::closedByUser);
    w.close();
    EXPECT_EQ(closed.count(), 1);
    w.show();
    w.closeQuietly();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(w.isVisible());
}
