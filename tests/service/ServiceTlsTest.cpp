// The service over HTTPS, with a certificate made for the test.

#include "ServiceProcess.h"
#include "SlowClients.h"

#include <QTemporaryDir>
#include <QTest>

#include <httplib.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <gtest/gtest.h>

namespace {

// A self-signed certificate for 127.0.0.1, its own authority, and its key.
bool writeCertificate(const QByteArray& certPath, const QByteArray& keyPath) {
    EVP_PKEY* key = EVP_RSA_gen(2048);
    X509* cert = X509_new();
    X509_set_version(cert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert), -60);
    X509_gmtime_adj(X509_getm_notAfter(cert), 3600);
    X509_set_pubkey(cert, key);
    X509_NAME* name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"),
                               -1, -1, 0);
    X509_set_issuer_name(cert, name);
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
    bool ok = key != nullptr;
    for (const auto& [nid, value] : {std::pair{NID_subject_alt_name, "IP:127.0.0.1"},
                                     std::pair{NID_basic_constraints, "critical,CA:TRUE"}}) {
        X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
        ok = ok && ext && X509_add_ext(cert, ext, -1);
        X509_EXTENSION_free(ext);
    }
    BIO* c = BIO_new_file(certPath.constData(), "w");
    BIO* k = BIO_new_file(keyPath.constData(), "w");
    ok = ok && X509_sign(cert, key, EVP_sha256()) > 0 && c && k && PEM_write_bio_X509(c, cert) &&
         PEM_write_bio_PrivateKey(k, key, nullptr, nullptr, 0, nullptr, nullptr);
    BIO_free(c);
    BIO_free(k);
    X509_free(cert);
    EVP_PKEY_free(key);
    return ok;
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
