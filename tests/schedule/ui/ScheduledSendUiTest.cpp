// A scheduled send through the widgets: the real editor opened from the main
// window's button, the request it produces at the running stand-in service.
#include "../../messaging/ui/MainWindowHarness.h"

#include "messaging/SendContext.h"
#include "messaging/ui/CreditDisplay.h"
#include "schedule/Clock.h"
#include "schedule/ui/frmTimeControl.h"
#include "ui_frmTimeControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

class ScheduledSendUi : public ::testing::Test {
protected:
    void SetUp() override {
        h.load();
        h.prompts.setDialogAnswer(s("timeControl"), [this](const QVariantMap& args) -> QVariant {
            // The real modal editor, driven once it is up.
            QTimer::singleShot(0, [this] {
                auto* d = qobject_cast<frmTimeControl*>(QApplication::activeModalWidget());
                if (!d)
                    return;
                if (m_fill)
                    m_fill(d->ui());
                d->ui().cbSend->click();
                if (d->isVisible())
                    d->ui().cbCancel->click();
            });
            const auto record = showTimeControl(args.value(s("lastStart")).toString(), h.window.get());
            return record ? record->toVariant() : QVariant();
        });
        h.enterRecipient(s("G170"), s("1234567"));
        h.enterText(s("Termin"));
    }

    void schedule(std::function<void(Ui::frmTimeControl&)> fill) {
        m_fill = std::move(fill);
        h.prompts.clear();
        emit h.ui().tbTerminversand->Click();
    }

    QList<QVariantList> stored() const {
        return h.service->query(
            s("SELECT endpoint, term, cronjobstring, enddate, body FROM messages ORDER BY id"));
    }

    Clock::Fixed clock{QDateTime(QDate(2026, 6, 10), QTime(7, 12))};
    MainWindowHarness h;
    std::function<void(Ui::frmTimeControl&)> m_fill;
};

void dailyAt0830ThreeTimes(Ui::frmTimeControl& u) {
    u.cbRepetition->setChecked(true);
    u.cmbTimeHour->setEditText(s("08"));
    u.cmbTimeMinutes->setEditText(s("30"));
    u.tbSendTimes->setText(s("3"));
}

} // namespace

TEST_F(ScheduledSendUi, DailySeriesGoesOnceToCronSmsAndTheNextSendHasNoSchedule) {
    EXPECT_TRUE(h.ui().tbTerminversand->isEnabled());
    schedule(dailyAt0830ThreeTimes);
    ASSERT_TRUE(h.waitForMessages(1));
    EXPECT_TRUE(h.prompts.messages()[0].text.contains(s("wurde angelegt.")));

    auto rows = stored();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0].toString(), s("CronSMS"));
    EXPECT_EQ(rows[0][1].toString(), s("2026-06-10 08:30:00"));
    EXPECT_EQ(rows[0][2].toString(), s("30 08 * * *"));
    EXPECT_EQ(rows[0][3].toString(), s("3"));
    EXPECT_TRUE(rows[0][4].toByteArray().endsWith(
        "&referer=Velvox&term=2026-06-10%2008:30:00&cronjobstring=30%2008%20*%20*%20*&enddate=3&long=false"))
        << rows[0][4].toByteArray().toStdString();
    const auto jobs =
        h.service->query(s("SELECT start_time, cron_string, end_time, recipient, text FROM scheduled_jobs"));
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(jobs[0], (QVariantList{s("2026-06-10 08:30:00"), s("30 08 * * *"), s("3"), s("00491701234567"),
                                     s("Termin")}));
    EXPECT_FALSE(h.window->sendContext().schedule);
    EXPECT_EQ(h.window->sendContext().lastScheduleStart, s("2026-06-10 08:30:00"));

    // An ordinary send afterwards carries no schedule.
    h.prompts.clear();
    h.enterRecipient(s("G170"), s("1234567"));
    h.enterText(s("Sofort"));
    h.clickSend();
    ASSERT_TRUE(h.waitForMessages(1));
    rows = stored();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1][0].toString(), s("SendSMS"));
    EXPECT_FALSE(rows[1][1].isValid());
    EXPECT_FALSE(rows[1][4].toByteArray().contains("&term="));
    EXPECT_EQ(h.service->scalar(s("SELECT COUNT(*) FROM scheduled_jobs")).toLongLong(), 1);
}

TEST_F(ScheduledSendUi, SingleDelayedSendAndTheStartOfferedNextTime) {
    schedule([](Ui::frmTimeControl& u) {
        u.cmbTimeHour->setEditText(s("14"));
        u.cmbTimeMinutes->setEditText(s("05"));
    });
    ASSERT_TRUE(h.waitForMessages(1));
    const auto rows = stored();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0].toString(), s("CronSMS"));
    EXPECT_TRUE(rows[0][4].toByteArray().endsWith(
        "&term=2026-06-10%2014:05:00%20&cronjobstring=0&enddate=0&long=false"))
        << rows[0][4].toByteArray().toStdString();

    // The next opening offers the start just used.
    QString offered;
    schedule([&offered](Ui::frmTimeControl& u) {
        offered = u.cmbTimeHour->currentText() + u':' + u.cmbTimeMinutes->currentText();
        u.cmbTimeHour->setEditText(QString()); // refused: the editor stays, then is cancelled
    });
    ASSERT_EQ(h.prompts.dialogs().size(), 1);
    EXPECT_EQ(h.prompts.dialogs()[0].args.value(s("lastStart")).toString(), s("2026-06-10 14:05:00 "));
    EXPECT_EQ(offered, s("14:05"));
    EXPECT_EQ(stored().size(), 1); // nothing sent from the cancelled editor
}

TEST_F(ScheduledSendUi, RefusedByTheCreditCheckSendsNothingButRemembersTheStart) {
    h.service->setCredits(ServiceProcess::demoEmail(), 5);
    h.window->credits().refreshCredits();
    schedule(dailyAt0830ThreeTimes);
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(
        h.prompts.messages()[0].text,
        s("Sie verfügen nicht mehr über ein ausreichendes Guthaben um diese Nachricht zu verschicken."));
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(h.window->sendContext().lastScheduleStart, s("2026-06-10 08:30:00"));
    EXPECT_FALSE(h.window->sendContext().schedule);
}
