#pragma once

#include <QString>

// Product name and program version, shared by the whole program.
namespace Product {

inline constexpr int kMajor = 3;
inline constexpr int kMinor = 0;
inline constexpr int kRevision = 99;

// "3.0.99": in requests and files.
QString versionText();
// "Version 3.0.99": on the splash and the main window.
QString versionLabel();
// major * 1000000 + minor * 1000 + revision.
qint64 versionNumber(int major = kMajor, int minor = kMinor, int revision = kRevision);

// The fixed title of the company-server confirmations, not the branded name.
QString applicationTitle();
QString defaultProductName();

// The process-wide product name: "Velvox" until loadProductName() reads the profile.
QString productName();
void setProductName(const QString& name);
void loadProductName();

// The built-in copyright line, shown after "© ".
QString defaultCopyright();

} // namespace Product
