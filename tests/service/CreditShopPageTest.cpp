// The credit shop the options dialog shows: signed in by its query values, a
// purchase adds credits; it and the scheduled-send page offer the link that
// closes the dialog.

#include "ServiceHttp.h"
#include "ServiceProcess.h"

#include <gtest/gtest.h>

namespace {

class CreditShopPage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString(); }
    qint64 balance() const { return service.credits(ServiceProcess::demoEmail()); }

    ServiceProcess service;
    ServiceHttp http{service};
};

TEST_F(CreditShopPage, ShopSellsItsPackagesToTheSignedInAccount) {
    const QString page =
        http.get("/sms/buyCredits.php?email=demo@velvox.example&passwort=velvox&backcolor=F0F0F0").text();
    EXPECT_TRUE(page.contains(QStringLiteral("Ihr Guthaben: <b id=\"guthaben\">5000</b>")));
    EXPECT_TRUE(page.contains(QStringLiteral("#F0F0F0")));

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

TEST_F(CreditShopPage, BothPagesOfferTheLinkThatClosesTheDialog) {
    for (const QByteArray& target :
         {QByteArray("/sms/buyCredits.php?email=demo@velvox.example&passwort=velvox"),
          QByteArray("/terminversand/deleteSMS.php?email=demo@velvox.example&kennwort=velvox")})
        EXPECT_TRUE(http.get(target).text().contains(QStringLiteral("href=\"close://\"")))
            << target.constData();
}

} // namespace
