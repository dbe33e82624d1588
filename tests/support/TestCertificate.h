#pragma once

#include <QByteArray>

// Writes a self-signed certificate for 127.0.0.1 (its own authority) and its
// key as PEM files, for servers on loopback that speak TLS. True when written.
bool writeLoopbackCertificate(const QByteArray& certPath, const QByteArray& keyPath);
