#include "../../messaging/ui/MainWindowHarness.h"

#include "app/Startup.h"
#include "platform/ProgramDir.h"
#include "web/UpdateCheck.h"
#include "web/ui/UpdateNotice.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

ServiceProcess::Options latest(const char* version) {
    ServiceProcess::Options o;
    o.extraArgs = QStringList{QStringLiteral("--latest-version"), QString::fromLatin1(version)};
    return o;
}

int noConnectionWindows(const ScriptedPrompts& prompts) {
    int n = 0;
    for (const auto& d : prompts.dialogs())
        n += d.name == QLatin1String(Prompts::Dialog::NoInternet) ? 1 : 0;
    return n;
}

TEST(UpdateNoticeUi, ShownOnlyForANewerVersion) {
    for (const auto& [version, shown] : {std::pair{"3.0.99", false}, std::pair{"3.1.0", true}}) {
        MainWindowHarness h(latest(version));
        h.load();
        EXPECT_EQ(h.ui().lblUpdate->isVisible(), shown) << version;
        EXPECT_EQ(h.ui().picUpdate->isVisible(), shown) << version;
        EXPECT_EQ(noConnectionWindows(h.prompts), 0);
    }
}

// A stand-in for the updater that leaves a mark that it ran.
void writeUpdater(const QString& path, const QString& mark) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\necho gestartet > '" + mark.toUtf8() + "'\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(UpdateNoticeUi, AClickStartsTheUpdaterBesideTheProgram) {
    MainWindowHarness h(latest("3.1.0"));
    h.load();
    ASSERT_TRUE(h.ui().lblUpdate->isVisible());
    const QString mark = h.settings.dir() + QStringLiteral("/updater-ran");
    writeUpdater(ProgramDir::file(QStringLiteral("velvoxupdater.exe")), mark);
    for (QLabel* notice : {h.ui().lblUpdate, h.ui().picUpdate}) {
        QFile::remove(mark);
        QTest::mouseClick(notice, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(mark); }, 10000))
            << notice->objectName().toStdString();
    }
    EXPECT_TRUE(h.prompts.messages().isEmpty());
}

TEST(UpdateNoticeUi, AMissingUpdaterIsReportedAndTheProgramGoesOn) {
    MainWindowHarness h(latest("3.1.0"));
    h.load();
    QTest::mouseClick(h.ui().lblUpdate, Qt::LeftButton);
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.prompts.messages()[0].icon, Prompts::Icon::Error);
    EXPECT_TRUE(h.prompts.messages()[0].text.startsWith(
        QStringLiteral("Das Update-Programm \"velvoxupdater.exe\" konnte nicht gestartet werden.")));
    EXPECT_TRUE(h.window->isVisible());
}

// The service down at start: the no-connection window; "Erneut versuchen"
// asks again, closing the window goes on with the start.
TEST(NoConnectionAtStart, TheMainWindowStillOpens) {
    MainWindowHarness h;
    h.service->stop();
    h.prompts.queueDialogResult(QString::fromLatin1(UpdateCheck::kRetry));
    h.load();
    EXPECT_EQ(noConnectionWindows(h.prompts), 2);
    EXPECT_FALSE(h.window->quitRequested());
    EXPECT_TRUE(h.window->isVisible());
    EXPECT_FALSE(h.ui().lblUpdate->isVisible());
}

TEST(NoConnectionAtStart, QuittingThereEndsTheStart) {
    MainWindowHarness h;
    h.service->stop();
    h.prompts.queueDialogResult(QString::fromLatin1(UpdateCheck::kQuit));
    frmMain* window = Startup::showMainWindow();
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(noConnectionWindows(h.prompts), 1);
    delete window;
}

} // namespace
