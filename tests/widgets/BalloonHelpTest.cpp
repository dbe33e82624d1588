#include "TempSettings.h"

#include "app/BalloonHelp.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "ui_frmMain.h"
#include "widgets/CTooltip.h"

#include <QApplication>
#include <QEnterEvent>

#include <gtest/gtest.h>

namespace {
void pointerIn(QWidget* w) {
    QEnterEvent enter(QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)), w->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(w, &enter);
}
} // namespace

TEST(BalloonHelp, OneBalloonAtATimeAndTheBackgroundClosesIt) {
    TempSettings t;
    frmSplash::setStepPauseMs(0);
    frmMain w;
    w.load(nullptr);
    w.show();
    BalloonHelp* help = w.balloonHelp();
    ASSERT_NE(help, nullptr);
    help->tooltip().DelayTime = 0;

    pointerIn(w.ui().lblCredits);
    EXPECT_TRUE(help->balloonShown());
    EXPECT_EQ(help->tooltip().title(), QStringLiteral("Guthaben"));
    EXPECT_EQ(help->tooltip().tipText(), QStringLiteral("Zeigt Ihr verbleibendes Guthaben an.\r\n"
                                                        "In den 'Einstellungen' können Sie neue Credits kaufen."));
    // While one is shown, another element does not replace it.
    pointerIn(w.ui().chkPublic);
    EXPECT_EQ(help->tooltip().title(), QStringLiteral("Guthaben"));

    pointerIn(w.ui().centralwidget);
    EXPECT_FALSE(help->balloonShown());
    pointerIn(w.ui().chkPublic);
    EXPECT_EQ(help->tooltip().title(), QStringLiteral("Öffentliches Telefonbuch"));
    EXPECT_EQ(help->tooltip().icon(), CTooltip::Information);
}
