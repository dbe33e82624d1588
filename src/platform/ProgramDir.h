#pragma once

#include <QString>

// Where the branding profile and the updater are looked up: the executable's
// directory, unless a test points it elsewhere.
namespace ProgramDir {

QString path();
void setPath(const QString& dir); // empty restores the executable's directory
QString file(const QString& name); // the directory joined with a file name

} // namespace ProgramDir
