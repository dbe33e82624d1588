#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the value store at an INI file in a fresh temp directory and the
// program directory at that directory, and drops the cached settings object
// and endpoint table; everything is restored on destruction.
class TempSettings {
public:
    TempSettings();
    ~TempSettings();
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    QString dir() const { return m_dir.path(); }
    QString iniPath() const;
    // Writes "oem.inf" into the program directory.
    void writeProfile(const QByteArray& content) const;
    // Forgets cached settings and addresses so the next use reads the files again.
    void reload() const;

private:
    QTemporaryDir m_dir;
};
