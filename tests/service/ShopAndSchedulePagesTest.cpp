// The credit shop and the scheduled-send page the options dialog shows: signed
// in by their query values, a purchase adds credits, a delete ends a job, and
// both offer the link that closes the dialog.

#include "ServiceHttp.h"
#include "ServiceProcess.h"

#include <gtest/gtest.h>

namespace {

class ShopAndSchedulePages : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString(); }
    qint64 balance() const { return service.credits(ServiceProcess::demoEmail()); }

    ServiceProcess service;
    ServiceHttp http{service};
};

TEST_F(ShopAndSchedulePages, ShopSellsItsPackagesToTheSignedInAccount) {
    const QString page =
        http.get("/sms/buyCredits.php?email=demo@velvox.example&passwort=velvox&backcolor=F0F0F0").text();
    EXPECT_TRUE(page.contains(QStringLiteral("Ihr Guthaben: <b id=\"guthaben\">5000</b>")));
    EXPECT_TRUE(page.contains(QStringLiteral("#F0F0F0")));
    EXPECT_TRUE(page.contains(QStringLiteral("href=\"close://\"")));

    struct Case {
        QByteArray body;
        qint64 balanceAfter;
        const char* shown;
    };
    const Case cases[] = {
        {"email=demo@velvox.example&passwort=velvox&paket=2", 6000, "1000 Credits gutgeschrieben"},
        {"email=demo@velvox.example&passwort=velvox&paket=9", 6000, "Dieses Paket gibt es nicht."},
        {"email=demo@velvox.example&passwort=velvox&paket=1%20", 6000, "Dieses Paket gibt es nicht."},
        {"email=demo@velvox.example&passwort=falsch&paket=3", 6000, "close://"},
        {"email=demo@velvox.example&passwort=velvox&paket=1", 6500,
         "Ihr Guthaben: <b id=\"guthaben\">6500</b>"},
    };
    for (const Case& c : cases) {
        const HttpReply r = http.post("/sms/buyCredits.php", c.body);
        EXPECT_TRUE(r.text().contains(QString::fromUtf8(c.shown))) << c.body.constData();
        EXPECT_EQ(balance(), c.balanceAfter) << c.body.constData();
    }
    EXPECT_FALSE(http.post("/sms/buyCredits.php", "email=demo@velvox.example&passwort=falsch&paket=3")
                     .text()
                     .contains(QStringLiteral("Kaufen")));
}

TEST_F(ShopAndSchedulePages, SchedulePageListsAndDeletesTheAccountsJobs) {
    SendForm f;
    f.scheduled = true;
    f.term = QStringLiteral("2030-01-01 09:00:00");
    f.cron = QStringLiteral("0 9 * * 1");
    f.end = QStringLiteral("2030-12-31 09:00:00");
    f.text = QStringLiteral("Wochenplan");
    ASSERT_EQ(http.post(kCronPath, f.body()).status, 200);
    const QVariant job = service.scalar(QStringLiteral("SELECT id FROM scheduled_jobs WHERE deleted = 0"));
    ASSERT_TRUE(job.isValid());
    const QByteArray id = QByteArray::number(job.toLongLong());

    const QString list =
        http.get("/terminversand/deleteSMS.php?email=demo@velvox.example&kennwort=velvox").text();
    EXPECT_TRUE(list.contains(QStringLiteral("Wochenplan")));
    EXPECT_TRUE(list.contains(QStringLiteral("0 9 * * 1")));
    EXPECT_TRUE(list.contains(QStringLiteral("href=\"close://\"")));
    // The shop's key does not sign in here.
    EXPECT_FALSE(http.get("/terminversand/deleteSMS.php?email=demo@velvox.example&passwort=velvox")
                     .text()
                     .contains(QStringLiteral("Wochenplan")));

    EXPECT_TRUE(
        http.post("/terminversand/deleteSMS.php", "email=demo@velvox.example&kennwort=velvox&loeschen=x")
            .text()
            .contains(QStringLiteral("Diesen Auftrag gibt es nicht.")));
    const QString deleted =
        http.post("/terminversand/deleteSMS.php", "email=demo@velvox.example&kennwort=velvox&loeschen=" + id)
            .text();
    EXPECT_TRUE(deleted.contains(QStringLiteral("Der Auftrag Nr. ") + QString::fromLatin1(id)));
    EXPECT_TRUE(deleted.contains(QStringLiteral("Es gibt keine aktiven SMS - Aufträge.")));
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM scheduled_jobs WHERE deleted = 0")).toInt(),
              0);
}

} // namespace
