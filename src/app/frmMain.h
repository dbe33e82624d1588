#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace Ui {
class frmMain;
}
class HeaderArea;
class TrayController;
class frmSplash;

// The main window: loads its form and composes one controller per concern.
// Rules live in the subsystems; this class only wires them to the controls.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The main window load, reporting each step on the splash window (may be null).
    void load(frmSplash* splash);

    Ui::frmMain& ui() { return *m_ui; }
    HeaderArea& header() { return *m_header; }
    TrayController& tray() { return *m_tray; }

    void restoreWindowPosition();
    void saveWindowPosition();
    void restoreLastInput();
    void saveLastInput();

    bool massMode() const { return m_massMode; }
    bool phonebookOpen() const { return m_phonebookOpen; }
    // Secondary windows that follow the main window (hidden with it, closed with it).
    void setMassWindow(QWidget* w) { m_massWindow = w; }
    void setPhonebookWindow(QWidget* w) { m_phonebookWindow = w; }
    void setNewsWindow(QWidget* w) { m_newsWindow = w; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void info(frmSplash* splash, const QString& text);
    void setSecondaryVisible(bool visible);

    std::unique_ptr<Ui::frmMain> m_ui;
    std::unique_ptr<HeaderArea> m_header;
    TrayController* m_tray;
    bool m_massMode = false;
    bool m_phonebookOpen = false;
    QPointer<QWidget> m_massWindow;
    QPointer<QWidget> m_phonebookWindow;
    QPointer<QWidget> m_newsWindow;
};
