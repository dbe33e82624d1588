#pragma once

#include <QString>
#include <QStringList>

// Hands things to the desktop: addresses and documents to their default
// handler, other programs to be started.
namespace DesktopShell {

// True when the desktop accepted the target.
bool openTarget(const QString& target);
bool startProgram(const QString& program, const QStringList& arguments = {});

// Tests replace the opener to see what would be opened (nullptr restores the desktop's).
using Opener = bool (*)(const QString& target);
void setOpener(Opener opener);

} // namespace DesktopShell
