#include "app/TrayController.h"

#include "app/frmMinimizeNotice.h"
#include "config/Product.h"
#include "config/cOptionen.h"

#include <QApplication>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {
int& availabilityOverride() {
    static int value = -1;
    return value;
}
// The tip field holds 63 visible characters.
constexpr int kMaxTipLength = 63;
} // namespace

void TrayController::setTrayAvailableOverride(int available) { availabilityOverride() = available; }

bool TrayController::trayAvailable() {
    if (availabilityOverride() >= 0)
        return availabilityOverride() != 0;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

TrayController::TrayController(QWidget* window) : QObject(window), m_window(window) {}

TrayController::~TrayController() { removeIcon(); }

void TrayController::addIcon() {
    m_tip = Product::productName().left(kMaxTipLength);
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (m_routing && reason == QSystemTrayIcon::Trigger)
                SysTrayMouseEventHandler();
        });
    }
    QIcon icon = m_window->windowIcon();
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    m_icon->setIcon(icon);
    m_icon->setToolTip(m_tip);
    if (trayAvailable())
        m_icon->show();
}

void TrayController::removeIcon() {
    if (m_icon) {
        m_icon->hide();
        delete m_icon;
        m_icon = nullptr;
    }
}

bool TrayController::iconShown() const { return m_icon && m_icon->isVisible(); }

void TrayController::onWindowStateChanged() {
    const Qt::WindowStates state = m_window->windowState();
    if (state & Qt::WindowMinimized) {
        emit secondaryVisibilityChanged(false);
        if (!trayAvailable())
            return;
        m_window->hide();
        if (!options().DontDisplayMinimizeWarning) {
            auto* notice = new frmMinimizeNotice();
            notice->setAttribute(Qt::WA_DeleteOnClose);
            notice->show();
        }
    } else if (!(state & Qt::WindowMaximized) && !(state & Qt::WindowFullScreen)) {
        emit secondaryVisibilityChanged(true);
    }
}

void TrayController::SysTrayMouseEventHandler() {
    const Qt::WindowStates state = m_window->windowState();
    if (state & Qt::WindowMinimized) {
        m_window->setWindowState(state & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    } else if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        return;
    } else {
        m_window->setWindowState(state | Qt::WindowMinimized);
        // Not every desktop reports the change back: apply it ourselves.
        onWindowStateChanged();
    }
}
