#pragma once

#include <QObject>
#include <QPointer>


class QSystemTrayIcon;
class QWidget;

// The notification-area icon of the main window and the minimise-into-tray
// behaviour. Where the desktop has no tray, minimising leaves the window
// minimised so it can always be brought back.
class TrayController : public QObject {
    Q_OBJECT
public:
    explicit TrayController(QWidget* window);
    ~TrayController() override;

    void addIcon();
    void removeIcon();
    void setRouting(bool on) { m_routing = on; }
    bool iconShown() const;
    QString tip() const { return m_tip; }

    // Runs on every state change of the main window.
    void onWindowStateChanged();
    // A left-button release on the icon.
    void SysTrayMouseEventHandler();

    static bool trayAvailable();
    // Tests on a desktop without tray force the tray path.
    static void setTrayAvailableOverride(int available); // -1: ask the desktop

signals:
    // The secondary windows (mass list, phonebook) are to be shown or hidden with the main window.
    void secondaryVisibilityChanged(bool visible);

private:
    QWidget* m_window;
    QSystemTrayIcon* m_icon = nullptr;
    bool m_routing = false;
    QString m_tip;
};
