#pragma once

#include <QString>

class Transfer;

// How the transfer components reach the service, from the stored settings.
namespace ProxyConfig {

qint16 getAccessType();
QString getProxyHost();
// Ports above 32767 are real ports too: carried unsigned.
quint16 getProxyPort();
QString getProxyText();

// Access type, then proxy text: done once when a window loads.
void configure(Transfer& transfer);

} // namespace ProxyConfig
