// Gateway requests built by the rules, posted with the transfer component to
// the stand-in service over loopback; the service keeps every raw body.

#include "ServiceProcess.h"
#include "TempSettings.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "messaging/GatewayRequest.h"
#include "messaging/ServiceContract.h"
#include "platform/Transfer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using GatewayRequest::Fields;

namespace {

const QChar kEuro(0x20AC);

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct Stored {
    QByteArray body;
    QString text;
    QString endpoint;
    QString longFlag;
    QString skippush;
    QString kennwort;
    QString email;
    qint64 parts = 0;
};

class GatewayBody : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        settings.writeProfile(service.oemIni());
        settings.reload();
        transfer.setAccessType(Transfer::Direct);
        transfer.setTimeoutMs(15000);
    }

    Fields demo() const {
        Fields f;
        f.email = ServiceProcess::demoEmail();
        f.password = ServiceProcess::demoPassword();
        f.recipient = s("00491701234567");
        f.recipientName = s("Team Süd");
        f.version = Product::versionText();
        f.text = s("Hallo");
        f.referer = Product::productName();
        return f;
    }

    // Posts one body the way the main window does and returns the reply text.
    QString post(const Fields& f) {
        const QString url = f.schedule ? urlStore().getCronSMS() : urlStore().getSendSMS();
        EXPECT_TRUE(url.startsWith(service.baseUrl())) << url.toStdString();
        QSignalSpy spy(&transfer, &Transfer::stateChanged);
        transfer.execute(url, QStringLiteral("POST"), GatewayRequest::buildBody(f),
                         {GatewayRequest::contentTypeHeader()});
        if (!spy.wait(20000)) {
            ADD_FAILURE() << "no reply";
            return {};
        }
        EXPECT_EQ(spy.first().first().toInt(), int(Transfer::StateResponseComplete))
            << transfer.lastError().toStdString();
        QString reply;
        for (QString chunk = transfer.getChunk(1024); !chunk.isEmpty(); chunk = transfer.getChunk(1024))
            reply += chunk;
        return reply;
    }

    // Every part of a text, one request after the other, as sendText does.
    QStringList sendText(Fields f) {
        QStringList replies;
        for (const QString& part :
             GatewayRequest::splitForSending(f.text, f.isAbsenderkennung, f.isLongSmsEnabled)) {
            f.text = part;
            replies.append(post(f));
        }
        return replies;
    }

    QList<Stored> stored() const {
        QList<Stored> list;
        const auto rows = service.query(QStringLiteral(
            "SELECT body, text, endpoint, long, skippush, kennwort, email, parts FROM messages ORDER BY id"));
        for (const QVariantList& r : rows)
            list.append({r.at(0).toByteArray(), r.at(1).toString(), r.at(2).toString(), r.at(3).toString(),
                         r.at(4).toString(), r.at(5).toString(), r.at(6).toString(), r.at(7).toLongLong()});
        return list;
    }

    ServiceProcess service;
    TempSettings settings;
    Transfer transfer;
};

} // namespace

TEST_F(GatewayBody, SingleSendArrivesByteForByte) {
    Fields f = demo();
    f.text = s("50% & more + less");
    const QString reply = post(f);
    EXPECT_TRUE(ServiceContract::isAcceptedReply(reply)) << reply.toStdString();

    const QList<Stored> rows = stored();
    ASSERT_EQ(rows.size(), 1);
    const QByteArray expected =
        "email=demo@velvox.example&kennwort=velvox&firma=%20&empfaenger=00491701234567"
        "&empfaengername=Team%20S\xFC"
        "d&private=false&public=false&skippush=1&version=3.0.99"
        "&text=50%25%20%26%20more%20%2B%20less&absenderkennung=false&absender="
        "&statusmeldung=false&antwort=false&einlieferung=false&referer=Velvox&long=false";
    EXPECT_EQ(rows.first().body, expected);
    EXPECT_EQ(rows.first().text, s("50% & more + less"));
    EXPECT_EQ(rows.first().endpoint, s("SendSMS"));
}

TEST_F(GatewayBody, LongTextGoesOutAsPartsInOrder) {
    Fields f = demo();
    f.text = QString(160, QLatin1Char('a')) + QLatin1Char('b');
    for (const QString& reply : sendText(f))
        EXPECT_TRUE(ServiceContract::isAcceptedReply(reply)) << reply.toStdString();
    QList<Stored> rows = stored();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).text, QString(160, QLatin1Char('a')));
    EXPECT_EQ(rows.at(1).text, s("b"));
    EXPECT_TRUE(rows.at(0).body.endsWith("&long=false"));

    // "€" counts twice: 100 of them go as 80 and 20, each as one byte 0x80.
    f.text = QString(100, kEuro);
    sendText(f);
    rows = stored();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.at(2).text, QString(80, kEuro));
    EXPECT_EQ(rows.at(3).text, QString(20, kEuro));
    const QByteArray euroText =
        QByteArray("&text=") + QByteArray(80, char(0x80)) + QByteArray("&absenderkennung=");
    EXPECT_TRUE(rows.at(2).body.contains(euroText));
}

TEST_F(GatewayBody, SenderNameWithLongSmsIsOneLongRequest) {
    Fields f = demo();
    f.isAbsenderkennung = true;
    f.absender = s("Praxis");
    f.isLongSmsEnabled = true;
    f.text = QString(400, QLatin1Char('x'));
    const QStringList replies = sendText(f);
    ASSERT_EQ(replies.size(), 1);
    EXPECT_TRUE(ServiceContract::isAcceptedReply(replies.first())) << replies.first().toStdString();
    const QList<Stored> rows = stored();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows.first().body.endsWith("&absenderkennung=true&absender=Praxis&statusmeldung=false"
                                           "&antwort=false&einlieferung=false&referer=Velvox&long=true"));
    EXPECT_EQ(rows.first().longFlag, s("true"));
    EXPECT_EQ(rows.first().parts, 3); // 400 counted, 153 per part
}

TEST_F(GatewayBody, ScheduleFieldsStandBeforeLong) {
    Fields f = demo();
    f.schedule = GatewayRequest::Schedule{s("2030-01-01 08:00:00 "), s("0 8 * * 1"), s("5")};
    const QString reply = post(f);
    EXPECT_TRUE(ServiceContract::isAcceptedReply(reply)) << reply.toStdString();
    EXPECT_TRUE(reply.contains(ServiceContract::createdPhrase()));

    const QList<Stored> rows = stored();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().endpoint, s("CronSMS"));
    EXPECT_TRUE(rows.first().body.endsWith("&referer=Velvox&term=2030-01-01%2008:00:00%20"
                                           "&cronjobstring=0%208%20*%20*%201&enddate=5&long=false"))
        << rows.first().body.toStdString();
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT cron_string FROM scheduled_jobs")).toString(),
              s("0 8 * * 1"));
}

TEST_F(GatewayBody, PushSettingDecidesSkippush) {
    Fields f = demo();
    f.pushEnabled = false;
    post(f);
    f.pushEnabled = true;
    post(f);
    const QList<Stored> rows = stored();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).skippush, s("1"));
    EXPECT_TRUE(rows.at(0).body.contains("&skippush=1&"));
    EXPECT_EQ(rows.at(1).skippush, s("0"));
    EXPECT_TRUE(rows.at(1).body.contains("&skippush=0&"));
}

TEST_F(GatewayBody, PasswordAndAddressWithFormCharactersArriveIntact) {
    const QString email = s("anna+sms@example.de");
    const QString password = s("a&b+c%d");
    ASSERT_EQ(service.execute(QStringLiteral("UPDATE accounts SET email = ?, password = ? WHERE email = ?"),
                              {email, password, ServiceProcess::demoEmail()}),
              1);
    Fields f = demo();
    f.email = email;
    f.password = password;
    const QString reply = post(f);
    EXPECT_TRUE(ServiceContract::isAcceptedReply(reply)) << reply.toStdString();
    const QList<Stored> rows = stored();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().kennwort, password);
    EXPECT_EQ(rows.first().email, email);
    EXPECT_TRUE(
        rows.first().body.startsWith("email=anna%2Bsms@example.de&kennwort=a%26b%2Bc%25d&firma=%20&"));
}

TEST_F(GatewayBody, WrongPasswordIsShownNotAccepted) {
    Fields f = demo();
    f.password = s("falsch");
    const QString reply = post(f);
    EXPECT_FALSE(ServiceContract::isAcceptedReply(reply)) << reply.toStdString();
    EXPECT_FALSE(reply.isEmpty());
    EXPECT_TRUE(stored().isEmpty());
}
