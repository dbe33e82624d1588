#include "ServiceProcess.h"
#include "TempSettings.h"
#include "Utf8.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "messaging/GatewayRequest.h"
#include "messaging/ServiceContract.h"
#include "platform/Transfer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using GatewayRequest::Fields;
using ServiceContract::isAcceptedReply;

namespace {

class GatewayBody : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        settings.writeProfile(service.oemIni());
        settings.reload();
        transfer.setAccessType(Transfer::Direct);
        transfer.setTimeoutMs(15000);
        demo.email = ServiceProcess::demoEmail();
        demo.password = ServiceProcess::demoPassword();
        demo.recipient = s("00491701234567");
        demo.recipientName = s("Team Süd");
        demo.version = Product::versionText();
        demo.text = s("Hallo");
        demo.referer = Product::productName();
    }

    // Every part of the text, one request after the other as the main window
    // sends them; returns whether the service accepted them all.
    bool send(Fields f) {
        bool accepted = true;
        for (const QString& part :
             GatewayRequest::splitForSending(f.text, f.isAbsenderkennung, f.isLongSmsEnabled)) {
            f.text = part;
            QSignalSpy spy(&transfer, &Transfer::stateChanged);
            transfer.execute(f.schedule ? urlStore().getCronSMS() : urlStore().getSendSMS(),
                             QStringLiteral("POST"), GatewayRequest::buildBody(f),
                             {GatewayRequest::contentTypeHeader()});
            if (!spy.wait(20000) || spy.first().first().toInt() != int(Transfer::StateResponseComplete))
                return false;
            QString reply;
            for (QString chunk = transfer.getChunk(1024); !chunk.isEmpty(); chunk = transfer.getChunk(1024))
                reply += chunk;
            accepted = accepted && isAcceptedReply(reply);
        }
        return accepted;
    }
    // Column values of the stored messages, oldest first.
    QVariantList column(const char* name) const {
        QVariantList out;
        for (const QVariantList& row : service.query(
                 QStringLiteral("SELECT %1 FROM messages ORDER BY id").arg(QString::fromLatin1(name))))
            out << row.first();
        return out;
    }

    ServiceProcess service;
    TempSettings settings;
    Transfer transfer;
    Fields demo;
};

} // namespace

TEST_F(GatewayBody, RequestsArriveByteForByte) {
    Fields f = demo;
    f.text = s("50% & more + less");
    EXPECT_TRUE(send(f));
    f.text = s("Push");
    f.pushEnabled = true;
    EXPECT_TRUE(send(f));
    f = demo;
    f.schedule = GatewayRequest::Schedule{s("2030-01-01 08:00:00 "), s("0 8 * * 1"), s("5")};
    EXPECT_TRUE(send(f));
    f = demo;
    f.password = s("falsch");
    EXPECT_FALSE(send(f));

    const QVariantList bodies = column("body");
    ASSERT_EQ(bodies.size(), 3);
    EXPECT_EQ(bodies[0].toByteArray(),
              "email=demo@velvox.example&kennwort=velvox&firma=%20&empfaenger=00491701234567"
              "&empfaengername=Team%20S\xFC"
              "d&private=false&public=false&skippush=1&version=3.0.99"
              "&text=50%25%20%26%20more%20%2B%20less&absenderkennung=false&absender="
              "&statusmeldung=false&antwort=false&einlieferung=false&referer=Velvox&long=false");
    EXPECT_EQ(column("text")[0].toString(), s("50% & more + less"));
    EXPECT_TRUE(bodies[1].toByteArray().contains("&skippush=0&"));
    EXPECT_TRUE(bodies[2].toByteArray().endsWith("&referer=Velvox&term=2030-01-01%2008:00:00%20"
                                                 "&cronjobstring=0%208%20*%20*%201&enddate=5&long=false"));
    EXPECT_EQ(column("endpoint"), (QVariantList{s("SendSMS"), s("SendSMS"), s("CronSMS")}));

    // A password and an address holding form characters reach the service intact.
    const QString email = s("anna+sms@example.de");
    const QString password = s("a&b+c%d");
    ASSERT_EQ(service.execute(QStringLiteral("UPDATE accounts SET email = ?, password = ? WHERE email = ?"),
                              {email, password, ServiceProcess::demoEmail()}),
              1);
    f = demo;
    f.email = email;
    f.password = password;
    EXPECT_TRUE(send(f));
    EXPECT_EQ(column("kennwort").last().toString(), password);
    EXPECT_EQ(column("email").last().toString(), email);
}

TEST_F(GatewayBody, LongTextsGoOutAsPartsInOrderOrAsOneLongRequest) {
    const QChar euro(0x20AC);
    Fields f = demo;
    f.text = QString(160, QLatin1Char('a')) + QLatin1Char('b');
    EXPECT_TRUE(send(f));
    f.text = QString(100, euro); // counted twice: 80 and 20, each as the byte 0x80
    EXPECT_TRUE(send(f));
    f.isAbsenderkennung = f.isLongSmsEnabled = true;
    f.absender = s("Praxis");
    f.text = QString(400, QLatin1Char('x'));
    EXPECT_TRUE(send(f));

    EXPECT_EQ(column("text"), (QVariantList{QString(160, QLatin1Char('a')), s("b"), QString(80, euro),
                                            QString(20, euro), QString(400, QLatin1Char('x'))}));
    const QVariantList bodies = column("body");
    ASSERT_EQ(bodies.size(), 5);
    EXPECT_TRUE(bodies[0].toByteArray().endsWith("&long=false"));
    EXPECT_TRUE(bodies[2].toByteArray().contains(
        QByteArray("&text=" + QByteArray(80, char(0x80)) + "&absenderkennung=")));
    EXPECT_TRUE(
        bodies[4].toByteArray().endsWith("&absenderkennung=true&absender=Praxis&statusmeldung=false"
                                         "&antwort=false&einlieferung=false&referer=Velvox&long=true"));
    EXPECT_EQ(column("parts").last().toInt(), 3); // 400 counted, 153 per part
}

// An account whose address has an umlaut gets its balance: the address goes
// out in the escapes the service reads.
TEST(QueryEncoding, QueryValueWithUmlautReachesTheServiceAsTheSameAddress) {
    ServiceProcess service;
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    const QString email = s("jürgen@büro.example");
    ASSERT_EQ(service.execute(QStringLiteral("INSERT INTO accounts (email, password, credits, activated) "
                                             "VALUES (?, 'x', 4321, 1)"),
                              {email}),
              1);
    Transfer t;
    t.setAccessType(Transfer::Direct);
    bool ok = false;
    const QString reply =
        t.openUrl(ServiceContract::balanceUrl(service.url(u"/sms/count.php?email="), email), &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(reply.trimmed(), QStringLiteral("4321"));
}
