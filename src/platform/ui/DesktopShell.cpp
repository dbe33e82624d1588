#include "platform/ui/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {
DesktopShell::Opener& opener() {
    static DesktopShell::Opener current = nullptr;
    return current;
}
} // namespace

namespace DesktopShell {

bool openTarget(const QString& target) {
    if (opener())
        return opener()(target);
    if (target.trimmed().isEmpty())
        return false;
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target)
                                               : QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void setOpener(Opener o) { opener() = o; }

} // namespace DesktopShell
