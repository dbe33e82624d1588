#include "app/Startup.h"

#include "account/ui/frmAGBs.h"
#include "account/ui/frmFirstTime.h"
#include "account/ui/frmLogin.h"
#include "app/OptionsDialog.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "lists/ui/frmSignaturen.h"
#include "mass/ui/ImportMappingDialog.h"
#include "platform/PasswordStore.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/WidgetPrompts.h"
#include "schedule/ui/frmTimeControl.h"
#include "web/ui/frmNoInternet.h"
#include "widgets/AppIcon.h"

#include <QApplication>

namespace Startup {

bool isFirstStart() {
    cOptionen& o = options();
    if (o.InfoVersion > 0) {
        o.FirstStartHasRun = true;
        o.save();
    }
    return !o.FirstStartHasRun;
}

namespace {
void showSplash(frmSplash& splash) {
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();
}
} // namespace

frmMain* showMainWindow(frmSplash* splash) {
    frmSplash ownSplash;
    if (!splash) {
        splash = &ownSplash;
        showSplash(ownSplash);
    }
    auto* window = new frmMain();
    window->setAttribute(Qt::WA_DeleteOnClose);
    WidgetPrompts::instance().setParentWindow(window);
    window->load(splash);
    if (window->quitRequested()) {
        // Asked for before the event loop runs, QApplication::quit() would be lost.
        splash->close();
        delete window;
        return nullptr;
    }
    window->show();
    splash->close();
    return window;
}

frmFirstTime* showFirstStartWizard() {
    // Between the wizard's close and the main window's show no window is up:
    // that must not count as the program's end.
    const bool quitOnLastClosed = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    registerTermsDialog();
    auto* wizard = new frmFirstTime();
    WidgetPrompts::instance().setParentWindow(wizard);
    QObject::connect(wizard, &frmFirstTime::closed, wizard, [quitOnLastClosed] {
        const bool shown = showMainWindow() != nullptr;
        QApplication::setQuitOnLastWindowClosed(quitOnLastClosed);
        // Without a main window (the user chose to end) nothing is left to run.
        if (!shown)
            QCoreApplication::exit(0);
    });
    wizard->show();
    return wizard;
}

void prepareApplication() {
    // No display name: the window system would append it to every title.
    QApplication::setApplicationName(QStringLiteral("Velvox"));
    // Ties the windows to the menu entry "velvox.desktop" and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("velvox"));
    QApplication::setWindowIcon(appIcon());
    Prompts::install(&WidgetPrompts::instance());
    registerLoginDialog();
    registerSignatureDialog();
    registerFileDialogs();
    registerTimeControlDialog();
    registerNoInternetDialog();
    registerOptionsDialog();
    registerImportMappingDialog();
    Product::loadProductName();
}

frmMain* start(const std::function<bool()>& firstStartCheck, bool* wizardShown) {
    if (wizardShown)
        *wizardShown = false;
    frmSplash splash;
    showSplash(splash);
    if (firstStartCheck()) {
        splash.close();
        showFirstStartWizard();
        if (wizardShown)
            *wizardShown = true;
        return nullptr;
    }
    return showMainWindow(&splash);
}

int run(QApplication& app) {
    PasswordStore::setEnabled(true);
    prepareApplication();
    movePasswordToKeychain();
    bool wizard = false;
    if (!start(isFirstStart, &wizard) && !wizard)
        return 0;
    return app.exec();
}

} // namespace Startup
