#include "../messaging/ui/MainWindowHarness.h"

#include "widgets/ToolbarButton.h"

#include <QTest>

#include <gtest/gtest.h>

// A user without a mouse: Space on the focused "Senden", or Ctrl+Return in
// the message field, sends; each time one message reaches the service.
TEST(KeyboardSend, SpaceOnSendAndCtrlReturnInTheMessageEachSendOnce) {
    MainWindowHarness h;
    ASSERT_TRUE(h.service->isRunning()) << h.service->errorString().toStdString();
    h.load();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(h.window.get()));

    EXPECT_EQ(h.ui().tbSend->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    h.enterText(QStringLiteral("per Leertaste"));
    h.ui().tbSend->setFocus();
    QTest::keyClick(h.ui().tbSend, Qt::Key_Space);
    ASSERT_TRUE(h.waitForMessages(1));
    EXPECT_EQ(h.messagesStored(), 1);

    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("7654321"));
    h.enterText(QStringLiteral("per Strg+Eingabe"));
    h.ui().txtSMS->setFocus();
    QTest::keyClick(h.ui().txtSMS, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(h.waitForMessages(2));
    EXPECT_EQ(h.messagesStored(), 2);
    EXPECT_EQ(
        h.service->scalar(QStringLiteral("SELECT text FROM messages ORDER BY rowid DESC LIMIT 1")).toString(),
        QStringLiteral("per Strg+Eingabe"));
}
