#include "app/Startup.h"

#include "account/ui/frmLogin.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "platform/ui/WidgetPrompts.h"

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

frmMain* showMainWindow(frmSplash* splash) {
    frmSplash ownSplash;
    if (!splash) {
        splash = &ownSplash;
        splash->show();
        splash->repaint();
        QCoreApplication::processEvents();
    }
    auto* window = new frmMain();
    window->setAttribute(Qt::WA_DeleteOnClose);
    WidgetPrompts::instance().setParentWindow(window);
    window->load(splash);
    window->show();
    splash->close();
    return window;
}

void prepareApplication() {
    // No display name: the window system would append it to every title.
    QApplication::setApplicationName(QStringLiteral("Velvox"));
    Prompts::install(&WidgetPrompts::instance());
    registerLoginDialog();
    Product::loadProductName();
}

frmMain* start(const std::function<bool()>& firstStartCheck) {
    frmSplash splash;
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();
    // The first-start wizard is not part of this build yet: a first start goes
    // straight to the main window, the decision itself is already made here.
    (void)firstStartCheck();
    return showMainWindow(&splash);
}

int run(QApplication& app) {
    prepareApplication();
    start();
    return app.exec();
}

} // namespace Startup
