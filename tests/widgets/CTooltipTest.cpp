#include "widgets/CTooltip.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

TEST(CTooltip, DefaultsAndNothingBeforeCreate) {
    CTooltip tip;
    EXPECT_EQ(tip.VisibleTime, 5000);
    EXPECT_EQ(tip.DelayTime, 500);
    EXPECT_FALSE(tip.isCreated());
    tip.showAt(QPoint(1, 1)); // no window yet: nothing happens
    EXPECT_FALSE(tip.isShown());
}

TEST(CTooltip, WithoutTitleAndIconOnlyTheTextShows) {
    QWidget owner;
    owner.show();
    CTooltip tip;
    tip.setTipText(QStringLiteral("Nur Text"));
    tip.DelayTime = 0;
    tip.Create(&owner);
    EXPECT_FALSE(tip.hasTitleArea());
    tip.showAt(QPoint(5, 5));
    QTRY_VERIFY(tip.isShown());
    EXPECT_EQ(tip.tipWindow()->findChild<QLabel*>(QStringLiteral("text"))->text(), QStringLiteral("Nur Text"));
    EXPECT_TRUE(tip.tipWindow()->findChild<QLabel*>(QStringLiteral("title"))->isHidden());

    tip.setTitle(QStringLiteral("Guthaben"));
    tip.setIcon(CTooltip::Information);
    EXPECT_TRUE(tip.hasTitleArea());
    EXPECT_EQ(tip.tipWindow()->findChild<QLabel*>(QStringLiteral("title"))->text(), QStringLiteral("Guthaben"));
}

TEST(CTooltip, DelayDefersAndVisibleTimeCloses) {
    QWidget owner;
    owner.show();
    CTooltip tip;
    tip.setTipText(QStringLiteral("x"));
    tip.DelayTime = 150;
    tip.VisibleTime = 200;
    tip.Create(&owner);
    tip.showAt(QPoint(0, 0));
    EXPECT_FALSE(tip.isShown());
    QTRY_VERIFY(tip.isShown());
    QTRY_VERIFY(!tip.isShown());
}

TEST(CTooltip, ColoursAndRecreate) {
    QWidget owner;
    CTooltip tip;
    tip.setBackColor(QColor(10, 20, 30));
    tip.setForeColor(QColor(250, 250, 0));
    tip.setTipText(QStringLiteral("Farbe"));
    tip.Style = 0;
    tip.Create(&owner);
    QWidget* first = tip.tipWindow();
    const QImage shot = first->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() / 2, 2)), QColor(10, 20, 30));
    EXPECT_EQ(first->findChild<QLabel*>(QStringLiteral("text"))->palette().color(QPalette::WindowText),
              QColor(250, 250, 0));
    tip.Create(&owner); // replaces the old window
    EXPECT_NE(tip.tipWindow(), nullptr);
    tip.Destroy();
    EXPECT_FALSE(tip.isCreated());
}
