#include "config/Product.h"

#include "config/iniHandler.h"

namespace {
QString& name() {
    static QString productName = Product::defaultProductName();
    return productName;
}
} // namespace

namespace Product {

QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision);
}

QString versionLabel() { return QStringLiteral("Version ") + versionText(); }

qint64 versionNumber(int major, int minor, int revision) {
    return qint64(major) * 1000000 + qint64(minor) * 1000 + revision;
}

QString applicationTitle() { return QStringLiteral("Velvox"); }
QString defaultProductName() { return QStringLiteral("Velvox"); }

QString productName() { return name(); }
void setProductName(const QString& productName) { name() = productName; }

void loadProductName() {
    if (profileExists())
        name() = readIniValue(profilePath(), QStringLiteral("Strings"), QStringLiteral("ProductName"),
                              defaultProductName());
    else
        name() = defaultProductName();
}

QString defaultCopyright() { return QStringLiteral("2026 Velvox. Alle Rechte vorbehalten."); }

} // namespace Product
