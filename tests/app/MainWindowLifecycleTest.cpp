#include "ScriptedPrompts.h"
#include "TempSettings.h"

#include "widgets/HeaderArea.h"
#include "app/TrayController.h"
#include "app/WindowPlacement.h"
#include "app/frmMain.h"
#include "app/frmMinimizeNotice.h"
#include "app/frmSplash.h"
#include "messaging/ui/RecipientInput.h"
#include "config/cOptionen.h"
#include "platform/ToolRegistry.h"
#include "ui_frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("Software\\Quendal\\SMS");

class MainWindowLifecycle : public ::testing::Test {
protected:
    void SetUp() override { frmSplash::setStepPauseMs(0); }
    void TearDown() override { TrayController::setTrayAvailableOverride(-1); }

    static QString stored(const char* name) { return ToolRegistry::getString(kKey, QString::fromLatin1(name)); }
    static void store(const char* name, const QString& value) {
        ToolRegistry::setString(kKey, QString::fromLatin1(name), value);
    }
    static QPoint centredTopLeft(const frmMain& w) {
        const QRect screen = w.screen()->geometry();
        return {screen.width() / 2 - w.frameGeometry().width() / 2, screen.height() / 2 - w.frameGeometry().height() / 2};
    }
    TempSettings settings;
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(MainWindowLifecycle, FirstRunOpensCentred) {
    frmMain w;
    w.restoreWindowPosition();
    const QPoint expected = centredTopLeft(w);
    EXPECT_NEAR(w.x(), expected.x(), 2);
    EXPECT_NEAR(w.y(), expected.y(), 2);
}

TEST_F(MainWindowLifecycle, NegativeOrJunkPositionIsCentredOnThatAxisOnly) {
    const double dpi = QApplication::primaryScreen()->logicalDotsPerInchY();
    store("x", QStringLiteral("-5"));
    store("y", QString::number(WindowPlacement::pixelsToTwips(40, dpi)));
    frmMain w;
    w.restoreWindowPosition();
    EXPECT_NEAR(w.x(), centredTopLeft(w).x(), 2);
    EXPECT_NEAR(w.y(), 40, 1);

    store("y", QStringLiteral("oben"));
    w.restoreWindowPosition();
    EXPECT_NEAR(w.y(), centredTopLeft(w).y(), 2);
}

TEST_F(MainWindowLifecycle, PositionRoundTripsInTwips) {
    frmMain w;
    w.move(120, 80);
    w.saveWindowPosition();
    const double dpi = w.screen()->logicalDotsPerInchX();
    EXPECT_EQ(stored("x"), QString::number(WindowPlacement::pixelsToTwips(120, dpi)));
    frmMain again;
    again.restoreWindowPosition();
    EXPECT_NEAR(again.x(), 120, 1);
    EXPECT_NEAR(again.y(), 80, 1);
}

TEST_F(MainWindowLifecycle, ClosingWhileMinimisedKeepsPositionButWritesLastInput) {
    store("x", QStringLiteral("1500"));
    store("y", QStringLiteral("900"));
    auto* w = new frmMain();
    w->load(nullptr);
    w->show();
    w->move(300, 300);
    w->recipient().selectKey(QStringLiteral("G170"));
    w->ui().txtNummer->setText(QStringLiteral("1234567"));
    w->ui().txtSMS->setPlainText(QStringLiteral("Hallo"));
    w->setWindowState(Qt::WindowMinimized);
    w->close();
    delete w;
    EXPECT_EQ(stored("x"), QStringLiteral("1500"));
    EXPECT_EQ(stored("y"), QStringLiteral("900"));
    EXPECT_EQ(stored("lastPrefix"), QStringLiteral("G170"));
    EXPECT_EQ(stored("lastNumber"), QStringLiteral("1234567"));
    EXPECT_EQ(stored("lastText"), QStringLiteral("Hallo"));
}

TEST_F(MainWindowLifecycle, EmptyMessageOnCloseDeletesLastTextAndNextStartIsEmpty) {
    store("lastText", QStringLiteral("alt"));
    {
        frmMain w;
        w.load(nullptr);
        EXPECT_EQ(w.ui().txtSMS->toPlainText(), QStringLiteral("alt"));
        w.ui().txtSMS->clear();
        w.close();
    }
    EXPECT_TRUE(stored("lastText").isEmpty());
    frmMain next;
    next.load(nullptr);
    EXPECT_TRUE(next.ui().txtSMS->toPlainText().isEmpty());
}

TEST_F(MainWindowLifecycle, UnknownLastPrefixSelectsNothing) {
    store("lastPrefix", QStringLiteral("X999"));
    store("lastNumber", QStringLiteral("42"));
    frmMain w;
    w.load(nullptr);
    w.restoreLastInput();
    EXPECT_EQ(w.ui().cmbVorwahl->currentIndex(), -1);
    EXPECT_EQ(w.ui().txtNummer->text(), QStringLiteral("42"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(MainWindowLifecycle, WithoutTrayMinimiseLeavesTheWindowMinimised) {
    TrayController::setTrayAvailableOverride(0);
    frmMain w;
    w.show();
    w.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.windowState() & Qt::WindowMinimized);
}

TEST_F(MainWindowLifecycle, TrayHidesAndRestoresAndIgnoresMaximised) {
    TrayController::setTrayAvailableOverride(1);
    options().DontDisplayMinimizeWarning = true;
    frmMain w;
    QWidget massList;
    w.setMassWindow(&massList);
    w.show();
    w.tray().SysTrayMouseEventHandler(); // normal: minimise into the tray
    EXPECT_TRUE(w.windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(w.isVisible());
    w.tray().SysTrayMouseEventHandler(); // minimised: back
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);

    w.setWindowState(Qt::WindowMaximized);
    w.tray().SysTrayMouseEventHandler();
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowLifecycle, MinimiseNoticeStoresItsCheckBoxAtOnce) {
    frmMinimizeNotice notice;
    EXPECT_TRUE(notice.checkBox()->isChecked());
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("Velvox Hinweis"));
    notice.checkBox()->click();
    EXPECT_EQ(stored("dontDisplayMinimizeWarning"), QStringLiteral("true"));
    notice.checkBox()->click();
    EXPECT_EQ(stored("dontDisplayMinimizeWarning"), QStringLiteral("false"));
}

TEST_F(MainWindowLifecycle, SplashStepsComeInOrderAndTheWindowIsUsableAfterThem) {
    frmSplash splash;
    frmMain w;
    w.load(&splash);
    const QStringList expected = {
        QStringLiteral("Lade Velvox ..."),          QStringLiteral("Lade Theme ..."),
        QStringLiteral("Initialisiere Vorwahlen ..."), QStringLiteral("Lade Signaturen ..."),
        QStringLiteral("Suche nach Updates ..."),   QStringLiteral("Überprüfe Guthaben ..."),
        QStringLiteral("MRU laden ..."),            QStringLiteral("News herunterladen ..."),
        QStringLiteral("Optionen wiederherstellen ..."), QStringLiteral("Sitzung wiederherstellen ..."),
        QStringLiteral("Velvox geladen")};
    EXPECT_EQ(splash.steps(), expected);
    w.show();
    EXPECT_TRUE(w.ui().txtSMS->isEnabled());
    QTest::keyClicks(w.ui().txtNummer, QStringLiteral("123"));
    EXPECT_EQ(w.ui().txtNummer->text(), QStringLiteral("123"));
}
