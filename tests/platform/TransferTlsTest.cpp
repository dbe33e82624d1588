// The transfer component over HTTPS against the stand-in service with a
// certificate no system authority signed: refused before a byte of the
// request leaves, and taken once the system's authorities include it.

#include "ServiceProcess.h"
#include "TestCertificate.h"
#include "TransferWait.h"

#include "platform/Transfer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TransferTls, UnknownAuthorityIsRefusedBeforeSendingAndATrustedOneIsTaken) {
    QTemporaryDir dir;
    const QString cert = dir.filePath(QStringLiteral("cert.pem"));
    const QString key = dir.filePath(QStringLiteral("key.pem"));
    ASSERT_TRUE(writeLoopbackCertificate(cert.toLocal8Bit(), key.toLocal8Bit()));
    ServiceProcess::Options o;
    o.extraArgs = QStringList{QStringLiteral("--tls-cert"), cert, QStringLiteral("--tls-key"), key};
    ServiceProcess service(o);
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    const QString balance = service.url(u"/sms/count.php?email=demo@velvox.example");
    ASSERT_TRUE(balance.startsWith(QStringLiteral("https://")));
    const QString send = service.url(u"/smsv3/smsv3.php");

    Transfer t;
    t.setAccessType(Transfer::Direct);
    bool ok = true;
    EXPECT_TRUE(t.openUrl(balance, &ok).isEmpty());
    EXPECT_FALSE(ok);
    EXPECT_TRUE(t.lastFailedBeforeSending());
    EXPECT_EQ(t.lastError(), QStringLiteral("Die Verbindung zum Server konnte nicht hergestellt werden."));
    t.execute(send, QStringLiteral("POST"), "email=demo@velvox.example&kennwort=velvox&text=x");
    EXPECT_EQ(waitForState(t), Transfer::StateRequestFailed);
    EXPECT_TRUE(t.lastFailedBeforeSending());
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toInt(), 0);

    // The system's authorities, as OpenSSL is told where they are.
    qputenv("SSL_CERT_FILE", cert.toLocal8Bit());
    Transfer trusting;
    trusting.setAccessType(Transfer::Direct);
    EXPECT_EQ(trusting.openUrl(balance, &ok).trimmed(), QStringLiteral("5000"));
    EXPECT_TRUE(ok) << trusting.lastError().toStdString();
    qunsetenv("SSL_CERT_FILE");
}
