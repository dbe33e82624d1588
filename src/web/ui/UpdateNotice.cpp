#include "web/ui/UpdateNotice.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "platform/ProgramDir.h"
#include "platform/Prompts.h"
#include "platform/ui/DesktopShell.h"
#include "web/UpdateCheck.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QStyle>

UpdateNotice::UpdateNotice(QLabel* label, QLabel* picture, Transfer& transfer, QObject* parent)
    : QObject(parent), m_label(label), m_picture(picture), m_transfer(transfer) {
    m_picture->setPixmap(QApplication::style()->standardIcon(QStyle::SP_BrowserReload).pixmap(16, 16));
    for (QLabel* w : {m_label, m_picture}) {
        w->setCursor(Qt::PointingHandCursor);
        w->installEventFilter(this);
    }
}

bool UpdateNotice::checkVersion() {
    const UpdateCheck::VersionResult r = UpdateCheck::checkVersion(m_transfer, urlStore().getCheckVersion());
    if (r.notice != UpdateCheck::Notice::Unchanged) {
        const bool show = r.notice == UpdateCheck::Notice::Show;
        m_label->setVisible(show);
        m_picture->setVisible(show);
    }
    return !r.quit;
}

bool UpdateNotice::startUpdater() {
    const QString name = urlStore().getUpdaterName();
    const QString path = ProgramDir::file(name);
    if (QFileInfo(path).isFile() && DesktopShell::startProgram(path))
        return true;
    Prompts::show(
        Prompts::Icon::Error, Product::productName(),
        QStringLiteral("Das Update-Programm \"") + name +
            QStringLiteral("\" konnte nicht gestartet werden.\r\nBitte laden Sie die neue Version von ") +
            urlStore().getHomepage() + QStringLiteral(" herunter."));
    return false;
}

bool UpdateNotice::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_label || watched == m_picture) && event->type() == QEvent::MouseButtonRelease) {
        startUpdater();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
