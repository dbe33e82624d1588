// The service over HTTPS, with a certificate made for the test.

#include "ServiceProcess.h"
#include "SlowClients.h"
#include "TestCertificate.h"

#include <QTemporaryDir>
#include <QTest>

#include <httplib.h>

#include <gtest/gtest.h>

namespace {

// A self-signed certificate for 127.0.0.1, its own authority, and its key.
bool writeCertificate(const QByteArray& certPath, const QByteArray& keyPath) {
    return writeLoopbackCertificate(certPath, keyPath);
}

class ServiceTls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(writeCertificate(cert.toLocal8Bit(), key.toLocal8Bit()));
        ServiceProcess::Options o;
        o.extraArgs = QStringList{QStringLiteral("--tls-cert"), cert, QStringLiteral("--tls-key"), key};
        service = std::make_unique<ServiceProcess>(o);
        ASSERT_TRUE(service->isRunning()) << service->errorString().toStdString();
    }
    std::string balance() {
        httplib::SSLClient trusting("127.0.0.1", service->port());
        trusting.set_ca_cert_path(cert.toStdString());
        trusting.enable_server_certificate_verification(true);
        const auto r = trusting.Get("/sms/count.php?email=demo@velvox.example");
        return r ? r->body : "(" + httplib::to_string(r.error()) + ")";
    }

    QTemporaryDir dir;
    const QString cert = dir.filePath(QStringLiteral("cert.pem"));
    const QString key = dir.filePath(QStringLiteral("key.pem"));
    std::unique_ptr<ServiceProcess> service;
};

} // namespace

TEST_F(ServiceTls, ServesHttpsToClientsThatTrustItsCertificate) {
    EXPECT_TRUE(service->oemIni().contains("SendSMS=https://127.0.0.1:"));

    EXPECT_EQ(balance(), "5000");
    httplib::SSLClient doubting("127.0.0.1", service->port());
    doubting.enable_server_certificate_verification(true);
    EXPECT_FALSE(doubting.Get("/update/version"));
}

// Clients that trickle in a TLS handshake record (its header promises 512
// bytes) neither block others nor stay: the handshake has the request deadline.
TEST_F(ServiceTls, SlowHandshakesNeitherBlockOthersNorStayForEver) {
    SlowClients slow(service->port(), 80, QByteArray("\x16\x03\x01\x02\x00", 5), '\0');
    ASSERT_EQ(slow.connected(), 80);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_EQ(balance(), "5000");
    EXPECT_EQ(slow.dropped(), 0); // answered while they all still hang
    EXPECT_TRUE(QTest::qWaitFor([&] { return slow.dropped() == 80; }, 30000)) << slow.dropped();
    EXPECT_EQ(balance(), "5000");
}
