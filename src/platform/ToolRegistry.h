#pragma once

#include <QString>

// The per-user value store. Key paths use backslashes ("Software\Quendal\SMS\MRU")
// relative to the per-user root. Backed by QSettings: the registry on Windows, an
// INI file readable by its owner only elsewhere. Failures are silent: a failed
// read gives the default, a failed write keeps the old value and fails only
// itself (earlier values still read back, later writes are tried afresh).
namespace ToolRegistry {

enum Disposition : int {
    Failed = 0,
    CreatedNewKey = 1,
    OpenedExistingKey = 2,
};

QString getString(const QString& keyPath, const QString& valueName);
// A text that is blank after trimming deletes the value instead.
bool setString(const QString& keyPath, const QString& valueName, const QString& text);
bool getBool(const QString& keyPath, const QString& valueName, bool defaultValue);
bool setBool(const QString& keyPath, const QString& valueName, bool value);
int createKey(const QString& keyPath);
bool deleteValue(const QString& keyPath, const QString& valueName);

QString boolToText(bool value);

// Gathers the writes made while it lives into one write of the store, made by
// commit() or at its end. Writes inside it report success; commit() tells
// whether they all reached the disk (if not, the store keeps its old values).
class Batch {
public:
    Batch();
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    bool commit();

private:
    bool m_done = false;
    bool m_result = false;
};

// Points the store at an INI file (tests); an empty path restores the user's store.
void setStoreFile(const QString& iniPath);
// The file behind the store, where there is one.
QString storeFile();
// How often the store has been written to disk in this process.
int diskWrites();

} // namespace ToolRegistry

namespace ToolRegistry {

// A 32-bit number value (a DWORD in the registry, decimal text in an INI file).
bool setNumber(const QString& keyPath, const QString& valueName, qint32 value);
// False when the value is missing or holds no number.
bool getNumber(const QString& keyPath, const QString& valueName, qint32* value);

} // namespace ToolRegistry
