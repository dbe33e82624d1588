#include "app/Startup.h"

#include "account/ui/frmLogin.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "lists/ui/frmSignaturen.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/WidgetPrompts.h"
#include "web/ui/frmNoInternet.h"

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

frmMain* showMainWindow() {
    frmSplash splash;
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();
    auto* window = new frmMain();
    window->setAttribute(Qt::WA_DeleteOnClose);
    WidgetPrompts::instance().setParentWindow(window);
    window->load(&splash);
    if (window->quitRequested()) {
        // Asked for before the event loop runs, QApplication::quit() would be lost.
        splash.close();
        delete window;
        return nullptr;
    }
    window->show();
    splash.close();
    return window;
}

int run(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Velvox"));
    Prompts::install(&WidgetPrompts::instance());
    registerLoginDialog();
    registerSignatureDialog();
    registerFileDialogs();
    registerNoInternetDialog();
    Product::loadProductName();
    QApplication::setApplicationDisplayName(Product::productName());
    // The first-start wizard is not part of this build yet: a first start goes
    // straight to the main window, the decision itself is already made here.
    (void)isFirstStart();
    if (!showMainWindow())
        return 0;
    return app.exec();
}

} // namespace Startup
