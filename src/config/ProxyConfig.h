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

// Access type, then proxy text: done once when a window loads. The component
// is remembered for as long as it lives, so reconfigureAll() reaches it.
void configure(Transfer& transfer);
// Hands the current settings to every live component (after an apply of the
// options dialog). Only a changed choice does anything, and only to requests
// started afterwards.
void reconfigureAll();

} // namespace ProxyConfig
