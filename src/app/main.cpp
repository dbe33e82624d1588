#include "app/Startup.h"
#include "web/ui/WebBrowser.h"

#include <QApplication>

int main(int argc, char** argv) {
    prepareWebEngine();
    QApplication app(argc, argv);
    // The pictures live in a static library: register them explicitly.
    Q_INIT_RESOURCE(velvox);
    return Startup::run(app);
}
