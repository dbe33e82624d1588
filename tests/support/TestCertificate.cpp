#include "TestCertificate.h"

#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <utility>

bool writeLoopbackCertificate(const QByteArray& certPath, const QByteArray& keyPath) {
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
