#include "app/CommandLine.h"
#include "app/Startup.h"
#include "widgets/WebBrowser.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (const std::optional<int> code = CommandLine::handle(argc, argv))
        return *code;
    prepareWebEngine();
    QApplication app(argc, argv);
    // The pictures live in a static library: register them explicitly.
    Q_INIT_RESOURCE(velvox);
    return Startup::run(app);
}
