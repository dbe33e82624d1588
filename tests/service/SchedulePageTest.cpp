// The scheduled-send page: what CronSMS stored, listed for its own account
// only, and deleted one order at a time.

#include "ServiceHttp.h"
#include "ServiceProcess.h"

#include <gtest/gtest.h>

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

const QByteArray kPage = "/terminversand/deleteSMS.php";
const QByteArray kDemoLogin = "email=demo@velvox.example&kennwort=velvox&backcolor=F0F0F0";

class SchedulePage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        ASSERT_EQ(service.execute(u8("INSERT INTO accounts (email, password, credits, activated) "
                                     "VALUES ('zweit@velvox.example', 'anders', 1000, 1)")),
                  1);
    }

    void order(const char* term, const char* cron, const char* end, const char* text,
               const QString& email = ServiceProcess::demoEmail(),
               const QString& password = ServiceProcess::demoPassword()) {
        SendForm f;
        f.email = email;
        f.password = password;
        f.scheduled = true;
        f.term = u8(term), f.cron = u8(cron), f.end = u8(end), f.text = u8(text);
        const HttpReply r = http.post(kCronPath, f.body());
        ASSERT_TRUE(r.text().contains(u8(kCreatedPhrase))) << r.text().toStdString();
    }
    QString page(const QByteArray& login = kDemoLogin) {
        const HttpReply r = http.get(kPage + "?" + login);
        EXPECT_EQ(r.status, 200);
        return r.text();
    }
    QString remove(const QByteArray& id, const QByteArray& login = kDemoLogin) {
        const HttpReply r = http.post(kPage, login + "&loeschen=" + id);
        EXPECT_EQ(r.status, 200);
        return r.text();
    }
    qlonglong deleted() const {
        return service.scalar(u8("SELECT COUNT(*) FROM scheduled_jobs WHERE deleted = 1")).toLongLong();
    }

    ServiceProcess service;
    ServiceHttp http{service};
};

} // namespace

TEST_F(SchedulePage, ListsTheAccountsOrdersWithTheirThreeFields) {
    EXPECT_TRUE(page().contains(u8("Es gibt keine aktiven SMS - Aufträge.")));
    order("2015-12-01 08:30:00", "30 08 * * *", "3", "Jeden Morgen");
    order("2015-12-01 14:05:00 ", "0", "0", "Einmal <b>fett</b>");
    order("2016-01-01 10:00:00", "00 10 * * 0,6", "5", "Fremd", u8("zweit@velvox.example"), u8("anders"));
    SendForm plain;
    plain.text = u8("Sofort");
    http.post(kSendPath, plain.body());

    const QString html = page();
    const qsizetype first = html.indexOf(u8("Jeden Morgen"));
    const qsizetype second = html.indexOf(u8("Einmal"));
    ASSERT_GE(first, 0);
    EXPECT_GT(second, first); // oldest first
    for (const char* shown :
         {"2015-12-01 08:30:00", "30 08 * * *", "<td>3</td>", "2015-12-01 14:05:00",
          "Einmal &lt;b&gt;fett&lt;/b&gt;", "name=\"loeschen\" value=\"1\"", "name=\"loeschen\" value=\"2\""})
        EXPECT_TRUE(html.contains(u8(shown))) << shown;
    // Neither another account's order nor an ordinary send.
    for (const char* hidden : {"Fremd", "0,6", "Sofort", "<b>fett"})
        EXPECT_FALSE(html.contains(u8(hidden))) << hidden;

    const QString refused = page("email=demo@velvox.example&kennwort=falsch");
    EXPECT_FALSE(refused.contains(u8("Jeden Morgen")));
    EXPECT_FALSE(refused.contains(u8("loeschen")));
}

TEST_F(SchedulePage, DeletesOnlyAnActiveOrderOfTheSameAccount) {
    order("2015-12-01 08:30:00", "30 08 * * *", "3", "Jeden Morgen");
    order("2016-01-01 10:00:00", "00 10 * * 0,6", "5", "Fremd", u8("zweit@velvox.example"), u8("anders"));

    const QString refusal = u8("Diesen Auftrag gibt es nicht.");
    // Another account's order, unknown and malformed numbers change nothing.
    for (const QByteArray& id : {QByteArray("2"), QByteArray("99"), QByteArray("abc"), QByteArray(""),
                                 QByteArray("1x"), QByteArray("-1"), QByteArray("99999999999999999999")})
        EXPECT_TRUE(remove(id).contains(refusal)) << id.toStdString();
    EXPECT_EQ(deleted(), 0);
    EXPECT_TRUE(remove("1", "email=demo@velvox.example&kennwort=falsch").indexOf(u8("gelöscht")) < 0);
    EXPECT_EQ(deleted(), 0);

    const QString after = remove("1");
    EXPECT_TRUE(after.contains(u8("Der Auftrag Nr. 1 wurde gelöscht."))) << after.toStdString();
    EXPECT_TRUE(after.contains(u8("Es gibt keine aktiven SMS - Aufträge.")));
    EXPECT_EQ(deleted(), 1);
    // The row stays, marked; deleting it again is refused.
    EXPECT_EQ(service.scalar(u8("SELECT cron_string FROM scheduled_jobs WHERE id = 1")).toString(),
              u8("30 08 * * *"));
    EXPECT_TRUE(remove("1").contains(refusal));
    EXPECT_TRUE(page(QByteArray("email=zweit@velvox.example&kennwort=anders")).contains(u8("Fremd")));
}
