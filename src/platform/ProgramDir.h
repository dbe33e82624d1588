#pragma once

#include <QString>

// Where the branding profile and the updater are looked up: the executable's
// directory, unless a test points it elsewhere. An installed copy also has a
// system-wide folder ("/etc/velvox"; VELVOX_SYSCONFDIR moves it, so that an
// unpacked package can be run from where it lies).
namespace ProgramDir {

QString path();
void setPath(const QString& dir); // empty restores the executable's directory
QString file(const QString& name); // the directory joined with a file name

// The system-wide folder; empty while a test has pointed path() elsewhere and
// not set this one too, so tests never see the machine's files.
QString systemPath();
void setSystemPath(const QString& dir); // empty: back to the default
// The file beside the executable when it is there, else the one in the
// system-wide folder when that is there, else the path beside the executable.
QString lookup(const QString& name);

} // namespace ProgramDir
