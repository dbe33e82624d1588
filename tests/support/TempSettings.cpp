#include "TempSettings.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "history/SendJournal.h"
#include "platform/ProgramDir.h"
#include "platform/ToolRegistry.h"

#include <QDir>
#include <QFile>

TempSettings::TempSettings() {
    ToolRegistry::setStoreFile(iniPath());
    ProgramDir::setPath(m_dir.path());
    SendJournal::setDataDirectory(m_dir.path());
    reload();
}

TempSettings::~TempSettings() {
    ToolRegistry::setStoreFile(QDir(m_dir.path()).filePath(QStringLiteral("after-test.ini")));
    ProgramDir::setPath({});
    SendJournal::setDataDirectory({});
    resetOptions();
    resetUrlStore();
    Product::setProductName(Product::defaultProductName());
}

QString TempSettings::iniPath() const { return QDir(m_dir.path()).filePath(QStringLiteral("settings.ini")); }

void TempSettings::writeProfile(const QByteArray& content) const {
    QFile f(QDir(m_dir.path()).filePath(QStringLiteral("oem.inf")));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
}

void TempSettings::reload() const {
    ToolRegistry::setStoreFile(iniPath());
    resetOptions();
    resetUrlStore();
}
