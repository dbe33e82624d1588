#include "widgets/WebBrowser.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    prepareWebEngine();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(velvox);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
