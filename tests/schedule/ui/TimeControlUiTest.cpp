#include "ScriptedPrompts.h"

#include "schedule/Clock.h"
#include "schedule/ui/frmTimeControl.h"
#include "ui_frmTimeControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}
QDateTime at(int y, int mo, int d, int h, int mi) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi));
}
QStringList items(const QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

// A Wednesday afternoon in June.
class TimeControlUi : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void open() {
        dialog.prepare(QString());
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    Ui::frmTimeControl& u() { return dialog.ui(); }

    // Types as a user would, replacing what the field holds.
    void type(QWidget* field, const char* text) {
        QLineEdit* edit = qobject_cast<QLineEdit*>(field);
        if (!edit)
            edit = qobject_cast<QComboBox*>(field)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    // Moves the keyboard focus into the field and on, as Tab would.
    void leave(QWidget* field) {
        field->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(field->hasFocus()) << field->objectName().toStdString();
        u().cbSend->setFocus(Qt::TabFocusReason);
    }
    void send() { QTest::mouseClick(u().cbSend, Qt::LeftButton); }
    QStringList shown() const {
        QStringList out;
        for (const auto& m : prompts.messages())
            out << m.title + QStringLiteral(": ") + m.text;
        return out;
    }

    Clock::Fixed clock{at(2026, 6, 10, 14, 52)};
    ScriptedPrompts prompts;
    frmTimeControl dialog;
};

} // namespace

TEST_F(TimeControlUi, OpensCollapsedWithTheNextSlotAndTodaysDefaults) {
    EXPECT_EQ(u().DTPickerStart->date(), QDate(2026, 6, 10));
    EXPECT_EQ(u().cmbTimeHour->currentText() + u':' + u().cmbTimeMinutes->currentText(), s("14:55"));
    EXPECT_EQ(u().DTPickerStop->dateTime(), at(2026, 6, 11, 14, 55));
    EXPECT_TRUE(u().boxSerienmuster->isHidden());
    EXPECT_TRUE(u().boxSeriendauer->isHidden());
    for (QRadioButton* o :
         {u().obDaly, u().obEndingTime, u().obSeriesDayly, u().obSeriesMonthly, u().obSeriesYear})
        EXPECT_TRUE(o->isChecked()) << o->objectName().toStdString();
    EXPECT_FALSE(u().chMon->isEnabled());
    EXPECT_FALSE(u().DTPickerStop->isEnabled());
    EXPECT_EQ(u().tbSendTimes->text(), s("1"));
    EXPECT_FALSE(u().cmbMonthWDayMulti->isEnabled());

    // The lists as the editor fills them, with the presets still standing.
    EXPECT_EQ(items(u().cmbTimeHour).size(), 24);
    EXPECT_EQ(items(u().cmbTimeMinutes).join(u','), s("00,05,10,15,20,25,30,35,40,45,50,55"));
    EXPECT_EQ(items(u().cmbMonthWDayMulti).join(u','), s("1,2,3,4,5"));
    EXPECT_EQ(items(u().cmbYearlyDayDate).size(), 30); // June
    const std::pair<QComboBox*, const char*> presets[] = {
        {u().cmbMonthDayDate, "10"},      {u().cmbYearlyDayDate, "10"},    {u().cmbMonthWDayMulti, "2"},
        {u().cmbYearlyWDayMulti, "2"},    {u().cmbMonthWDAy, "Mittwoch"},  {u().cmbYearlyWDay, "Mittwoch"},
        {u().cmbYearlyMonthDate, "Juni"}, {u().cmbYearlyWDayMonth, "Juni"}};
    for (const auto& [combo, text] : presets)
        EXPECT_EQ(combo->currentText(), s(text)) << combo->objectName().toStdString();
}

TEST_F(TimeControlUi, LateEveningSlotFallsOnTheNextDayAndNeverOnTheYear2000) {
    clock.set(at(2026, 12, 31, 23, 57));
    open();
    EXPECT_EQ(u().DTPickerStart->date(), QDate(2027, 1, 1));
    EXPECT_EQ(u().cmbTimeHour->currentText() + u':' + u().cmbTimeMinutes->currentText(), s("00:00"));
    EXPECT_EQ(u().DTPickerStop->dateTime(), at(2027, 1, 2, 0, 0));
    for (const QDateTimeEdit* e : dialog.findChildren<QDateTimeEdit*>())
        EXPECT_NE(e->date().year(), 2000) << e->objectName().toStdString();
}

TEST_F(TimeControlUi, TypingIntoTheListsIsCorrectedInPlace) {
    struct Case {
        QRadioButton* variant; // enables the field
        QComboBox* field;
        const char* typed;
        const char* whileTyping;
        const char* afterLeaving;
    };
    const Case cases[] = {
        {nullptr, u().cmbTimeHour, "24", "", ""},
        {nullptr, u().cmbTimeHour, "7", "7", "07"},
        {nullptr, u().cmbTimeHour, "e", "", ""},
        {nullptr, u().cmbTimeMinutes, "57", "", ""},
        {nullptr, u().cmbTimeMinutes, "53", "53", "53"},
        {u().obSeriesWMonth, u().cmbMonthWDayMulti, "6", "", ""},
        {u().obSeriesYearWMonth, u().cmbYearlyWDayMulti, "5", "5", "5"},
        {u().obSeriesYear, u().cmbYearlyDayDate, "31", "", "10"}, // June has 30 days; empty becomes today
    };
    for (const Case& c : cases) {
        if (c.variant)
            c.variant->setChecked(true);
        const std::string what = c.field->objectName().toStdString() + " " + c.typed;
        ASSERT_TRUE(c.field->isEnabled()) << what;
        const int before = c.field->count();
        type(c.field, c.typed);
        EXPECT_EQ(c.field->currentText(), s(c.whileTyping)) << what;
        QTest::keyClick(c.field->lineEdit(), Qt::Key_Return);
        leave(c.field);
        EXPECT_EQ(c.field->currentText(), s(c.afterLeaving)) << what;
        // Return does not add what was typed to the list.
        EXPECT_EQ(c.field->count(), before) << what;
    }
    u().cbRepetition->setChecked(true);
    type(u().tbSendTimes, "0");
    leave(u().tbSendTimes);
    EXPECT_EQ(u().tbSendTimes->text(), s("1"));
}

TEST_F(TimeControlUi, DatePickersKeepStartAndEndInOrder) {
    u().DTPickerStart->setDate(QDate(2026, 6, 9));
    EXPECT_EQ(u().DTPickerStart->date(), QDate(2026, 6, 10)); // yesterday gives today
    u().DTPickerStart->setDate(QDate(2026, 6, 20));
    // The start moved past the end: the end follows with the start's time.
    EXPECT_EQ(u().DTPickerStop->dateTime(), at(2026, 6, 20, 14, 55));
    u().DTPickerStop->setDateTime(at(2026, 6, 19, 8, 0));
    EXPECT_EQ(u().DTPickerStop->dateTime(), at(2026, 6, 20, 14, 55));
    for (int d = 1; d <= 28; d += 9)
        u().DTPickerStart->setDate(QDate(2026, 7, d));
    QStringList days = items(u().cmbMonthDayDate);
    EXPECT_EQ(days.size(), 31);
    EXPECT_EQ(days.removeDuplicates(), 0);
}

TEST_F(TimeControlUi, YearlyDayListFollowsTheChosenMonth) {
    u().cbRepetition->setChecked(true);
    u().obYearly->setChecked(true);
    for (const auto& [year, count] : {std::pair{2027, 28}, std::pair{2028, 29}}) {
        clock.set(at(year, 1, 10, 9, 0));
        u().cmbYearlyMonthDate->setCurrentIndex(0);
        type(u().cmbYearlyDayDate, "31");
        u().cmbYearlyMonthDate->setCurrentIndex(1); // Februar
        EXPECT_EQ(items(u().cmbYearlyDayDate).size(), count) << year;
        EXPECT_EQ(items(u().cmbYearlyDayDate).last(), QString::number(count)) << year;
        EXPECT_EQ(u().cmbYearlyDayDate->currentText(), QString::number(count)) << year;
    }
    // A month name typed wrong leaves the list as it is.
    type(u().cmbYearlyMonthDate, "Febr");
    EXPECT_EQ(u().cmbYearlyDayDate->count(), 29);
}

TEST_F(TimeControlUi, SeriesBoxShowsThePanelThatMatchesTheChosenOptions) {
    u().cbRepetition->setChecked(true);
    EXPECT_FALSE(u().boxSerienmuster->isHidden());
    EXPECT_FALSE(u().boxSeriendauer->isHidden());
    u().obMonthly->setChecked(true);
    EXPECT_TRUE(u().boxDaily->isHidden());
    EXPECT_FALSE(u().boxMonthly->isHidden());
    u().obSeriesWMonth->setChecked(true);
    EXPECT_TRUE(u().cmbMonthWDayMulti->isEnabled());
    EXPECT_FALSE(u().cmbMonthDayDate->isEnabled());
    u().obEndingDate->setChecked(true);
    EXPECT_TRUE(u().DTPickerStop->isEnabled());
    EXPECT_FALSE(u().tbSendTimes->isEnabled());
    type(u().tbSendTimes, "4");

    // Collapsing and expanding again starts the series over.
    u().cbRepetition->setChecked(false);
    u().cbRepetition->setChecked(true);
    EXPECT_TRUE(u().obDaly->isChecked());
    EXPECT_FALSE(u().boxDaily->isHidden());
    EXPECT_TRUE(u().boxMonthly->isHidden());
    EXPECT_TRUE(u().obEndingTime->isChecked());
    EXPECT_FALSE(u().DTPickerStop->isEnabled());
    EXPECT_EQ(u().tbSendTimes->text(), s("1"));

    u().obSeriesWorkDay->setChecked(true);
    u().chSon->setChecked(true);
    u().obSeriesDayly->setChecked(true);
    EXPECT_FALSE(u().chSon->isChecked());
    EXPECT_FALSE(u().chSon->isEnabled());
}

TEST_F(TimeControlUi, SendenHandsBackTheRecordAndCloses) {
    u().cbRepetition->setChecked(true);
    type(u().cmbTimeHour, "8");
    type(u().cmbTimeMinutes, "30");
    u().obSeriesWorkDay->setChecked(true);
    u().chSam->setChecked(true);
    u().chSon->setChecked(true);
    type(u().tbSendTimes, "3");
    send();
    EXPECT_TRUE(prompts.messages().isEmpty()) << shown().join(u'|').toStdString();
    ASSERT_TRUE(dialog.result());
    EXPECT_EQ(dialog.result()->StartTime, s("2026-06-10 08:30:00"));
    EXPECT_EQ(dialog.result()->CronString, s("30 08 * * 0,6"));
    EXPECT_EQ(dialog.result()->EndTime, s("3"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TimeControlUi, BadInputKeepsTheEditorOpenWithoutARecord) {
    const QString badTime =
        s("Terminversand: Bitte geben Sie eine gültige Uhrzeit an: Stunde 00 bis 23 und Minute 00 bis 59.");
    struct Case {
        const char* what;
        std::function<void()> enter;
        QString message;
    };
    const Case cases[] = {
        {"hour empty", [&] { type(u().cmbTimeHour, ""); }, badTime},
        {"hour 24", [&] { type(u().cmbTimeHour, "24"); }, badTime},
        {"minute 60", [&] { type(u().cmbTimeMinutes, "60"); }, badTime},
        {"minute x", [&] { type(u().cmbTimeMinutes, "x"); }, badTime},
        {"no weekday",
         [&] {
             u().cbRepetition->setChecked(true);
             u().obSeriesWorkDay->setChecked(true);
         },
         s("Terminversand: Sie müssen mind. einen Wochentag auswählen")},
        {"end before start",
         [&] {
             u().cbRepetition->setChecked(true);
             u().obEndingDate->setChecked(true);
             u().DTPickerStop->setDateTime(at(2026, 6, 10, 9, 0)); // same day, earlier
         },
         s("Terminversand: Das Ende der Serie liegt vor dem ersten Versand. Bitte wählen Sie ein späteres "
           "Ende.")},
    };
    for (const Case& c : cases) {
        open();
        prompts.clear();
        c.enter();
        send();
        EXPECT_EQ(shown(), QStringList{c.message}) << c.what;
        EXPECT_FALSE(dialog.result()) << c.what;
        EXPECT_TRUE(dialog.isVisible()) << c.what;
    }
}

TEST_F(TimeControlUi, ShortMonthNoticeOnLeavingAndAgainOnSenden) {
    u().cbRepetition->setChecked(true);
    u().obMonthly->setChecked(true);
    type(u().cmbMonthDayDate, "31");
    leave(u().cmbMonthDayDate);
    const QString notice = s("Vorsicht: Die SMS wird nur in Monaten mit 31 Tagen versendet");
    EXPECT_EQ(shown(), QStringList{notice});
    send();
    EXPECT_EQ(shown(), (QStringList{notice, notice}));
    ASSERT_TRUE(dialog.result());
    EXPECT_EQ(dialog.result()->CronString, s("55 14 31 * *"));
}

TEST_F(TimeControlUi, EditLinkOpensTheScheduledSendsPage) {
    emit u().lblEditCronSMS->linkActivated(s("edit"));
    ASSERT_EQ(prompts.dialogs().size(), 1);
    EXPECT_EQ(prompts.dialogs()[0].name, s("options"));
    EXPECT_EQ(prompts.dialogs()[0].args.value(s("page")).toString(), s("terminversand"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST(TimeControlModal, OnlyASuccessfulSendenInThisOpeningYieldsARecord) {
    Clock::Fixed clock{at(2026, 6, 10, 14, 52)};
    ScriptedPrompts prompts;
    auto press = [](const char* button) {
        QTimer::singleShot(0, [button] {
            auto* d = qobject_cast<frmTimeControl*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            d->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    };
    press("cbSend");
    const auto first = showTimeControl(QString());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->StartTime, s("2026-06-10 14:55:00 "));
    EXPECT_EQ(first->CronString, s("0"));
    press("cbCancel");
    EXPECT_FALSE(showTimeControl(first->StartTime));
    // Closing by the frame or Escape counts as Abbrechen.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(showTimeControl(first->StartTime));
}

// The yearly day is preset as a plain number ("7"); "Senden" without ever
// entering the field sends it exactly so, while a field the user is still in
// gets its correction first.
TEST_F(TimeControlUi, YearlyDayGoesInAsTheFieldHoldsIt) {
    clock.set(at(2026, 6, 7, 14, 52));
    open();
    u().cbRepetition->setChecked(true);
    u().obYearly->setChecked(true);
    ASSERT_EQ(u().cmbYearlyDayDate->currentText(), s("7"));
    send();
    ASSERT_TRUE(dialog.result());
    EXPECT_EQ(dialog.result()->CronString, s("55 14 7 6 *"));

    open();
    u().cbRepetition->setChecked(true);
    u().obYearly->setChecked(true);
    u().cmbYearlyDayDate->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(u().cmbYearlyDayDate->hasFocus());
    type(u().cmbYearlyDayDate, "8");
    u().cbSend->click(); // focus stays in the field
    ASSERT_TRUE(dialog.result());
    EXPECT_EQ(dialog.result()->CronString, s("55 14 08 6 *"));
}
