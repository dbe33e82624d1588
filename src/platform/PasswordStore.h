#pragma once

#include <QString>

// The system keychain (a Secret Service keyring such as GNOME Keyring or
// KWallet), holding one password per account e-mail address. It is off until
// switched on, so a process that never asks for it (every test but those of
// the keyring) keeps its password in the settings file. Each call waits for
// the keyring at most timeoutMs(); a keyring that is absent, locked, refuses
// or does not answer in time makes the store unusable for the rest of the
// process, and callers fall back to the settings file.
namespace PasswordStore {

enum class Lookup { Found, Missing, Unavailable };

void setEnabled(bool enabled);
// Switched on and not (yet) found unusable.
bool usable();
void setTimeoutMs(int ms);
int timeoutMs();
// The keychain entries live under this service name ("Velvox" unless set).
void setServiceName(const QString& name);

Lookup read(const QString& account, QString* password);
// False (and the store unusable) when the keyring did not take it.
bool write(const QString& account, const QString& password);
// True when the entry is gone afterwards (also when there was none).
bool remove(const QString& account);

} // namespace PasswordStore
