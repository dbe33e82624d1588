#include "app/Startup.h"

#include "config/Product.h"
#include "platform/ui/WidgetPrompts.h"

#include <QApplication>
#include <QMainWindow>

namespace Startup {

int run(QApplication& app) {
    Prompts::install(&WidgetPrompts::instance());
    Product::loadProductName();
    QMainWindow window;
    window.setWindowTitle(Product::productName());
    window.resize(640, 480);
    window.show();
    return app.exec();
}

} // namespace Startup
