#include "mass/ui/frmMultiSMSLog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QString caption(frmMultiSMSLog& log) {
    return log.findChild<QPushButton*>(QStringLiteral("cmdClose"))->text();
}
QProgressBar* bar(frmMultiSMSLog& log) {
    return log.findChild<QProgressBar*>(QStringLiteral("pBar"));
}
bool animating(frmMultiSMSLog& log) {
    return log.findChild<QProgressBar*>(QStringLiteral("ani"))->maximum() == 0;
}

} // namespace

TEST(RunLog, LinesGoOnTopAndCancelLinesAtTheEnd) {
    frmMultiSMSLog log;
    EXPECT_EQ(log.windowTitle(), QStringLiteral("Ihre Nachrichten werden verschickt"));
    log.startRun(5);
    EXPECT_TRUE(log.isVisible());
    EXPECT_EQ(caption(log), QStringLiteral("Abbrechen"));
    EXPECT_TRUE(animating(log));
    EXPECT_EQ(bar(log)->maximum(), 5);
    EXPECT_EQ(bar(log)->value(), 0);

    log.addLine(QStringLiteral("t1 - erste\r\n"));
    log.addLine(QStringLiteral("t2 - zweite\r\n"));
    EXPECT_EQ(log.logText(), QStringLiteral("t2 - zweite\r\nt1 - erste\r\n"));
    // Pressed twice: the cancel line twice, nothing else changes.
    log.onCloseClicked();
    log.onCloseClicked();
    EXPECT_TRUE(log.cancelSend());
    EXPECT_TRUE(log.isVisible());
    EXPECT_EQ(caption(log), QStringLiteral("Abbrechen"));
    EXPECT_EQ(log.logText(), QStringLiteral("t2 - zweite\r\nt1 - erste\r\n\r\n!!!! Abbruch durch User\r\n"
                                            "!!!! Abbruch durch User"));
    // A reply that arrives after the cancel still goes on top.
    log.addLine(QStringLiteral("t3 - dritte\r\n"));
    EXPECT_TRUE(log.logText().startsWith(QStringLiteral("t3 - dritte\r\nt2 - zweite\r\n")));

    log.finishRun();
    EXPECT_EQ(caption(log), QStringLiteral("Schliessen"));
    EXPECT_EQ(bar(log)->value(), 5);
    EXPECT_FALSE(animating(log));
    EXPECT_EQ(log.findChild<QLabel*>(QStringLiteral("lblSend"))->text(),
              QStringLiteral("Vorgang abgeschlossen"));

    // A second run starts empty, running and cancellable.
    log.startRun(4);
    EXPECT_TRUE(log.logText().isEmpty());
    EXPECT_FALSE(log.cancelSend());
    EXPECT_EQ(caption(log), QStringLiteral("Abbrechen"));
    EXPECT_TRUE(animating(log));
    log.close();
    EXPECT_TRUE(log.cancelSend()); // closing during a run is a cancel
}
