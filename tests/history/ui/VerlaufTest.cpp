#include "HistoryJournal.h"
#include "PrintQt.h"
#include "ScriptedPrompts.h"

#include "history/HistoryLabels.h"
#include "history/ui/frmVerlauf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

// The history window over a real journal file: what the filters leave,
// the rows of one action, the text handed back, the export, resending what
// got no answer, the keyboard, and a journal holding garbage.

namespace {

constexpr int kTextColumn = 11;   // of the list of actions
constexpr int kStateColumn = 5;   // of the rows of an action

QStringList L(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

template <typename W>
W* child(QWidget& w, const char* name) {
    W* c = w.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QStringList column(frmVerlauf& w, int col) {
    QStringList out;
    const HistoryModel& m = w.model();
    for (int r = 0; r < m.rowCount(); ++r)
        out.append(m.data(m.index(r, col)).toString());
    return out;
}

QList<qint64> keys(frmVerlauf& w) {
    QList<qint64> out;
    for (int r = 0; r < w.model().rowCount(); ++r)
        out.append(w.model().keyAt(r));
    return out;
}

// Typed as a user types, umlauts included, then Enter.
void type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(field, Qt::Key_Return);
}

void pickState(frmVerlauf& w, const QString& label) {
    QComboBox* box = child<QComboBox>(w, "cmbStatus");
    const int i = box->findText(label);
    ASSERT_GE(i, 0) << label.toStdString();
    box->setCurrentIndex(i);
}

void setDay(frmVerlauf& w, const char* check, const char* edit, const QString& day) {
    if (day.isEmpty())
        return;
    child<QDateEdit>(w, edit)->setDate(QDate::fromString(day, Qt::ISODate));
    child<QCheckBox>(w, check)->setChecked(true);
}

class Verlauf : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QTableView* table() { return child<QTableView>(window, "lvVerlauf"); }
    void openAction(qint64 action) {
        const int row = window.model().rowOf(action);
        ASSERT_GE(row, 0);
        table()->setFocus();
        table()->setCurrentIndex(window.model().index(row, 0));
        QTest::keyClick(table(), Qt::Key_Return);
        ASSERT_EQ(window.model().level(), HistoryModel::Level::Action);
    }

    HistoryJournal history;
    StandardHistory standard{history};
    ScriptedPrompts prompts;
    frmVerlauf window{history.journal};
};

struct FilterCase {
    const char* name;
    QString text;
    QString number;
    QString state; // a label
    QString from;
    QString to;
    QList<qint64> shown;
};

} // namespace

TEST_F(Verlauf, FiltersNarrowTheActionsShownNewestFirst) {
    using S = StandardHistory;
    const QList<FilterCase> cases{
        {"nothing", {}, {}, {}, {}, {}, {S::kCancelled, S::kScheduled, S::kOpenRun, S::kMass, S::kSplit, S::kSingle}},
        {"message text", QStringLiteral("Hallo"), {}, {}, {}, {}, {S::kMass, S::kSingle}},
        {"a name in the list, with umlaut", QStringLiteral("Müller"), {}, {}, {}, {}, {S::kMass}},
        {"a name of an entry never sent", QStringLiteral("Patient 4"), {}, {}, {}, {}, {S::kOpenRun}},
        {"percent is a character, not a wildcard", QStringLiteral("%"), {}, {}, {}, {}, {S::kOpenRun, S::kMass, S::kSplit}},
        {"underscore too", QStringLiteral("0_"), {}, {}, {}, {}, {}},
        {"quote in the text", QStringLiteral("\"online\""), {}, {}, {}, {}, {S::kSplit}},
        {"national number with blank", {}, QStringLiteral("0170 1234567"), {}, {}, {}, {S::kSingle}},
        {"international with plus", {}, QStringLiteral("+43 664 1234567"), {}, {}, {}, {S::kSplit}},
        {"number of an entry never sent", {}, QStringLiteral("0151/2000004"), {}, {}, {}, {S::kOpenRun}},
        {"number nobody got", {}, QStringLiteral("0999 1"), {}, {}, {}, {}},
        {"refused", {}, {}, QStringLiteral("Abgelehnt"), {}, {}, {S::kMass, S::kSplit}},
        {"no answer", {}, {}, QStringLiteral("Ohne Antwort"), {}, {}, {S::kMass}},
        {"handed over", {}, {}, QStringLiteral("Übergeben"), {}, {}, {S::kOpenRun}},
        {"waiting: the open run's rest", {}, {}, QStringLiteral("Wartend"), {}, {}, {S::kOpenRun}},
        {"not sent: a failed request or a cancelled run's rest", {}, {}, QStringLiteral("Nicht gesendet"), {}, {}, {S::kCancelled, S::kMass}},
        {"from a day on", {}, {}, {}, QStringLiteral("2026-12-05"), {}, {S::kCancelled, S::kScheduled, S::kOpenRun, S::kMass}},
        {"up to a day, that day included", {}, {}, {}, {}, QStringLiteral("2026-12-05"), {S::kMass, S::kSplit, S::kSingle}},
        {"one day", {}, {}, {}, QStringLiteral("2026-12-09"), QStringLiteral("2026-12-09"), {S::kCancelled, S::kScheduled}},
        {"all at once", QStringLiteral("Termin"), QStringLiteral("0041 79 1234567"), QStringLiteral("Bestätigt"),
         QStringLiteral("2026-12-09"), QStringLiteral("2026-12-09"), {S::kScheduled}},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.name);
        child<QPushButton>(window, "cmdFilterLeeren")->click();
        type(child<QLineEdit>(window, "txtText"), c.text);
        type(child<QLineEdit>(window, "txtNummer"), c.number);
        if (!c.state.isEmpty())
            pickState(window, c.state);
        setDay(window, "chkVon", "dtVon", c.from);
        setDay(window, "chkBis", "dtBis", c.to);
        EXPECT_EQ(keys(window), c.shown);
        EXPECT_TRUE(child<QLabel>(window, "lblOrt")->text().startsWith(QString::number(c.shown.size()) +
                                                                       QStringLiteral(" Sendeaktion")));
    }
}

TEST_F(Verlauf, TheCountsOfAnActionAreItsRequestsByOutcome) {
    const HistoryModel& m = window.model();
    const auto row = [&](qint64 action) {
        QStringList r;
        for (int c = 0; c < m.columnCount(); ++c)
            r.append(m.data(m.index(m.rowOf(action), c)).toString());
        return r;
    };
    // Beginn, Art, Status, Empfänger, Name, Einträge, Bestätigt, Abgelehnt, Nicht gesendet, Ohne Antwort, Kosten
    EXPECT_EQ(row(StandardHistory::kMass).mid(0, 11),
              (QStringList{QStringLiteral("05.12.2026 18:30:00"), QStringLiteral("Massenversand"),
                           QStringLiteral("Abgeschlossen"), {}, {}, QStringLiteral("6"), QStringLiteral("3"),
                           QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("27")}));
    // The cancelled run's two entries never reached count as not sent; the
    // open run's three are still waiting and counted nowhere.
    EXPECT_EQ(row(StandardHistory::kCancelled).mid(1, 9),
              (QStringList{QStringLiteral("Massenversand"), QStringLiteral("Abgebrochen"), {}, {}, QStringLiteral("3"),
                           QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("0")}));
    EXPECT_EQ(row(StandardHistory::kOpenRun).mid(2, 8),
              (QStringList{QStringLiteral("Offen"), {}, {}, QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("0"),
                           QStringLiteral("0"), QStringLiteral("0")}));
    EXPECT_EQ(row(StandardHistory::kSplit).mid(1, 10),
              (QStringList{QStringLiteral("Geteilte SMS"), QStringLiteral("Abgeschlossen"), QStringLiteral("00436641234567"),
                           QStringLiteral("Bernd"), {}, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"),
                           QStringLiteral("0"), QStringLiteral("9")}));
    // The list shows a long text cut, on one line.
    const QString shown = row(StandardHistory::kSplit).at(kTextColumn);
    EXPECT_EQ(shown.size(), 301);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
}

TEST_F(Verlauf, AnActionOpensToItsEntriesAndStatesAndEscapeGoesBackToIt) {
    openAction(StandardHistory::kMass);
    EXPECT_EQ(column(window, 0), (L({"1", "2", "3", "4", "5", "5", "6", "6"})));
    EXPECT_EQ(column(window, 1), (L({"1", "1", "1", "1", "1", "1", "1", "2"})));
    EXPECT_EQ(column(window, kStateColumn),
              (L({"Bestätigt", "Ohne Antwort", "Abgelehnt", "Nicht gesendet", "Ohne Antwort", "Bestätigt",
                           "Bestätigt", "Ohne Antwort"})));
    EXPECT_EQ(column(window, 4).at(2), QStringLiteral("Kunde; Weber"));
    EXPECT_EQ(column(window, 3).at(2), QStringLiteral("00491703000002"));
    EXPECT_EQ(column(window, 8).at(0), QStringLiteral("Hallo Kunde Müller, Termin am Mo")); // the text as sent
    EXPECT_TRUE(child<QPushButton>(window, "cmdZurueck")->isVisible());
    EXPECT_TRUE(child<QLabel>(window, "lblOrt")->text().startsWith(QStringLiteral("Massenversand vom 05.12.2026 18:30: 8 Zeilen")));

    // A filter narrows the rows of the action as well.
    pickState(window, QStringLiteral("Ohne Antwort"));
    EXPECT_EQ(column(window, 0), (L({"2", "5", "6"})));
    pickState(window, QStringLiteral("Alle"));

    // Back at the action it came from, then closed.
    QTest::keyClick(table(), Qt::Key_Escape);
    ASSERT_EQ(window.model().level(), HistoryModel::Level::Actions);
    EXPECT_EQ(window.model().keyAt(table()->currentIndex().row()), StandardHistory::kMass);
    EXPECT_FALSE(child<QPushButton>(window, "cmdZurueck")->isVisible());
    QTest::keyClick(table(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Verlauf, EntriesARunNeverReachedWaitWhileItIsOpenAndAreNotSentOnceItEnded) {
    struct Case {
        qint64 action;
        QStringList states;
        QStringList numbers;
    };
    const QList<Case> cases{
        {StandardHistory::kOpenRun, L({"Bestätigt", "Übergeben", "Wartend", "Wartend", "Wartend"}),
         L({"00491512000000", "00491512000001", "0151 2000002", "0151 2000003", "0151 2000004"})},
        {StandardHistory::kCancelled, L({"Bestätigt", "Nicht gesendet", "Nicht gesendet"}),
         L({"00491601000000", "0160 1000001", "0160 1000002"})},
        {StandardHistory::kSplit, L({"Bestätigt", "Abgelehnt"}), L({"00436641234567", "00436641234567"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        // Opened by a double click this time.
        const QRect cell = table()->visualRect(window.model().index(window.model().rowOf(c.action), 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_EQ(window.model().level(), HistoryModel::Level::Action);
        EXPECT_EQ(column(window, kStateColumn), c.states);
        EXPECT_EQ(column(window, 3), c.numbers);
        child<QPushButton>(window, "cmdZurueck")->click();
    }
}

TEST_F(Verlauf, ReuseHandsBackTheWholeTextOfTheAction) {
    QSignalSpy reused(&window, &frmVerlauf::reuseText);
    table()->setCurrentIndex(window.model().index(window.model().rowOf(StandardHistory::kSplit), 0));
    child<QPushButton>(window, "cmdText")->click();
    openAction(StandardHistory::kMass);
    table()->setCurrentIndex(window.model().index(3, 0));
    child<QPushButton>(window, "cmdText")->click();
    ASSERT_EQ(reused.size(), 2);
    EXPECT_EQ(reused[0][0].toString(), StandardHistory::longText());                      // not the cut one
    EXPECT_EQ(reused[1][0].toString(), QStringLiteral("Hallo %name%, Termin am %frei1%")); // not one entry's
}

TEST_F(Verlauf, ResendOffersExactlyThePlacesWithoutAnAnswerAndAsksFirst) {
    QSignalSpy resend(&window, &frmVerlauf::resendRequested);
    QPushButton* button = child<QPushButton>(window, "cmdErneut");
    // Only a mass run whose last try of some part went unanswered.
    for (const qint64 action : {StandardHistory::kSingle, StandardHistory::kSplit, StandardHistory::kCancelled,
                                StandardHistory::kOpenRun}) {
        table()->setCurrentIndex(window.model().index(window.model().rowOf(action), 0));
        EXPECT_FALSE(button->isEnabled()) << action;
    }
    table()->setCurrentIndex(window.model().index(window.model().rowOf(StandardHistory::kMass), 0));
    ASSERT_TRUE(button->isEnabled());

    prompts.queueAnswer(Prompts::Answer::No);
    button->click();
    EXPECT_EQ(resend.size(), 0);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("Beim Massenversand vom 05.12.2026 18:30 kam für 2 Nachrichten keine Antwort. Sie wurden "
                             "vielleicht schon zugestellt und berechnet.\r\nMöchten Sie diese 2 Nachrichten erneut senden?"));

    // From within the run as well; place 4 was answered when sent again,
    // place 5's second part never was.
    openAction(StandardHistory::kMass);
    prompts.queueAnswer(Prompts::Answer::Yes);
    button->click();
    ASSERT_EQ(resend.size(), 1);
    EXPECT_EQ(resend[0][0].toLongLong(), StandardHistory::kMass);
    EXPECT_EQ(resend[0][1].value<QList<int>>(), (QList<int>{1, 5}));
}

TEST_F(Verlauf, RefreshShowsNewActionsAndKeepsTheRow) {
    table()->setCurrentIndex(window.model().index(window.model().rowOf(StandardHistory::kSplit), 0));
    const qint64 added = history.action(SendRecord::ActionKind::Single, QStringLiteral("2026-12-10T07:00:00.000"),
                                        QStringLiteral("Neu"), {}, QStringLiteral("00491700000000"));
    window.refresh();
    EXPECT_EQ(window.model().keyAt(0), added);
    EXPECT_EQ(window.model().rowCount(), 7);
    EXPECT_EQ(window.model().keyAt(table()->currentIndex().row()), StandardHistory::kSplit);
}

TEST_F(Verlauf, EveryControlIsReachedWithTabAndEveryLabelNamesItsField) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().contains(QLatin1Char('&')))
            continue;
        ASSERT_NE(label->buddy(), nullptr) << label->objectName().toStdString();
        EXPECT_TRUE(label->buddy()->focusPolicy() & Qt::TabFocus) << label->objectName().toStdString();
    }
    setDay(window, "chkVon", "dtVon", QStringLiteral("2026-12-01")); // its date field takes part then
    table()->setCurrentIndex(window.model().index(window.model().rowOf(StandardHistory::kMass), 0));
    child<QLineEdit>(window, "txtText")->setFocus();
    // A date field takes Tab through its day, month and year first.
    QStringList visited{QStringLiteral("txtText")};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString now = QApplication::focusWidget()->objectName();
        if (now == visited.first())
            break;
        if (now != visited.last())
            visited.append(now);
    }
    EXPECT_EQ(visited, (L({"txtText", "txtNummer", "cmbStatus", "chkVon", "dtVon", "chkBis", "cmdFilterLeeren",
                                    "lvVerlauf", "cmdOeffnen", "cmdText", "cmdExport", "cmdErneut", "cmdSchliessen"})));
}
