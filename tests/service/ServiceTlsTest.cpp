// The service over HTTPS, with a certificate made for the test.

#include "ServiceProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <httplib.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

// A self-signed certificate for 127.0.0.1 (as its own authority) and its key.
bool writeCertificate(const QString& certPath, const QString& keyPath) {
    EVP_PKEY* key = EVP_RSA_gen(2048);
    X509* cert = X509_new();
    bool ok = key && cert;
    if (ok) {
        X509_set_version(cert, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
        X509_gmtime_adj(X509_getm_notBefore(cert), -60);
        X509_gmtime_adj(X509_getm_notAfter(cert), 3600);
        X509_set_pubkey(cert, key);
        X509_NAME* name = X509_get_subject_name(cert);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
        X509_set_issuer_name(cert, name);
        X509V3_CTX ctx;
        X509V3_set_ctx_nodb(&ctx);
        X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
        for (const auto& [nid, value] : {std::pair{NID_subject_alt_name, "IP:127.0.0.1"},
                                         std::pair{NID_basic_constraints, "critical,CA:TRUE"}}) {
            X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
            ok = ok && ext && X509_add_ext(cert, ext, -1);
            X509_EXTENSION_free(ext);
        }
        ok = ok && X509_sign(cert, key, EVP_sha256()) > 0;
    }
    if (ok) {
        FILE* c = std::fopen(QFile::encodeName(certPath).constData(), "w");
        FILE* k = std::fopen(QFile::encodeName(keyPath).constData(), "w");
        ok = c && k && PEM_write_X509(c, cert) &&
             PEM_write_PrivateKey(k, key, nullptr, nullptr, 0, nullptr, nullptr);
        if (c)
            std::fclose(c);
        if (k)
            std::fclose(k);
    }
    X509_free(cert);
    EVP_PKEY_free(key);
    return ok;
}

TEST(ServiceTls, ServesHttpsWithTheGivenCertificate) {
    QTemporaryDir dir;
    const QString cert = dir.filePath(QStringLiteral("cert.pem"));
    const QString key = dir.filePath(QStringLiteral("key.pem"));
    ASSERT_TRUE(writeCertificate(cert, key));

    ServiceProcess::Options o;
    o.extraArgs = QStringList{QStringLiteral("--tls-cert"), cert, QStringLiteral("--tls-key"), key};
    ServiceProcess service(o);
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    EXPECT_EQ(service.baseUrl(), QStringLiteral("https://127.0.0.1:%1").arg(service.port()));
    EXPECT_TRUE(service.oemIni().contains("SendSMS=https://127.0.0.1:"));

    // A client that trusts the certificate and checks the host gets answers.
    httplib::SSLClient trusting("127.0.0.1", service.port());
    trusting.set_ca_cert_path(cert.toStdString());
    trusting.enable_server_certificate_verification(true);
    auto r = trusting.Get("/sms/count.php?email=demo@velvox.example");
    ASSERT_TRUE(r) << httplib::to_string(r.error());
    EXPECT_EQ(r->body, "5000");

    // One that does not trust it, and a plain HTTP request, get nothing; the
    // service carries on.
    httplib::SSLClient doubting("127.0.0.1", service.port());
    doubting.enable_server_certificate_verification(true);
    EXPECT_FALSE(doubting.Get("/update/version"));
    httplib::Client plain("127.0.0.1", service.port());
    plain.set_read_timeout(5);
    const auto p = plain.Get("/update/version");
    EXPECT_TRUE(!p || p->status >= 400);
    r = trusting.Get("/update/version");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->body, "3.0.99");
    EXPECT_EQ(service.stop(), 0);
}

TEST(ServiceTls, UnreadableCertificateStopsTheStart) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.pem"));
    ServiceProcess::Options o;
    o.extraArgs = QStringList{QStringLiteral("--tls-cert"), missing, QStringLiteral("--tls-key"), missing};
    ServiceProcess service(o);
    EXPECT_FALSE(service.isRunning());
    EXPECT_EQ(service.stop(), 1);
}

} // namespace
