#include "widgets/CTooltip.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor kInk(200, 0, 0);
const QColor kPaper(255, 255, 180);

QLabel* part(const CTooltip& tip, const char* name) {
    return tip.tipWindow()->findChild<QLabel*>(QString::fromLatin1(name));
}

// The first row of the painted tip that holds text ink, or -1.
int firstInkRow(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == kInk)
                return y;
    return -1;
}

class Tooltips : public ::testing::Test {
protected:
    void SetUp() override {
        owner.resize(300, 200);
        owner.move(100, 100);
        owner.show();
        tip.setForeColor(kInk);
        tip.setBackColor(kPaper);
        tip.DelayTime = 0;
    }
    QWidget owner;
    CTooltip tip;
};

} // namespace

TEST_F(Tooltips, WithoutTitleAndIconOnlyTheTextShows) {
    tip.setTipText(QStringLiteral("Nur Text"));
    tip.Create(&owner);
    EXPECT_FALSE(tip.hasTitleArea());
    tip.showAt(QPoint(5, 5));
    QTRY_VERIFY(tip.isShown());
    EXPECT_EQ(part(tip, "text")->text(), QStringLiteral("Nur Text"));
    EXPECT_TRUE(part(tip, "title")->isHidden());
    EXPECT_TRUE(part(tip, "icon")->isHidden());
    // The first ink painted is the text itself: no line above it.
    const QImage plain = tip.tipWindow()->grab().toImage();
    const QRect text = part(tip, "text")->geometry();
    const int plainInk = firstInkRow(plain);
    ASSERT_GE(plainInk, 0);
    EXPECT_GE(plainInk, text.top());

    tip.setTitle(QStringLiteral("Guthaben"));
    tip.setIcon(CTooltip::Information);
    EXPECT_TRUE(tip.hasTitleArea());
    EXPECT_EQ(part(tip, "title")->text(), QStringLiteral("Guthaben"));
    EXPECT_FALSE(part(tip, "icon")->pixmap().isNull());
    const QImage titled = tip.tipWindow()->grab().toImage();
    EXPECT_GT(titled.height(), plain.height());
    const int titledInk = firstInkRow(titled);
    ASSERT_GE(titledInk, 0);
    EXPECT_LT(titledInk, part(tip, "text")->geometry().top());

    // Taking title and icon away again leaves the text alone.
    tip.setTitle(QString());
    tip.setIcon(CTooltip::NoIcon);
    EXPECT_FALSE(tip.hasTitleArea());
    EXPECT_EQ(tip.tipWindow()->grab().toImage().height(), plain.height());
}

TEST_F(Tooltips, DelayDefersAndVisibleTimeCloses) {
    tip.setTipText(QStringLiteral("x"));
    tip.DelayTime = 150;
    tip.VisibleTime = 200;
    tip.Create(&owner);
    tip.showAt(QPoint(0, 0));
    EXPECT_TRUE(tip.isPending());
    EXPECT_FALSE(tip.isShown());
    QTRY_VERIFY(tip.isShown());
    EXPECT_FALSE(tip.isPending());
    QTRY_VERIFY(!tip.isShown());
}

TEST_F(Tooltips, PointsAtTheWidgetItIsShownAt) {
    auto* target = new QWidget(&owner);
    target->setGeometry(100, 50, 80, 20);
    tip.setTipText(QStringLiteral("Guthaben"));
    tip.Centered = true;
    tip.Create(&owner);
    tip.showAt(target);
    QTRY_VERIFY(tip.isShown());
    const QPoint anchor = target->mapToGlobal(QPoint(40, 20));
    const QRect placed = tip.tipWindow()->geometry();
    EXPECT_EQ(placed.top(), anchor.y());
    EXPECT_LE(qAbs(placed.center().x() - anchor.x()), 1);
    // The tail's tip is painted right at the anchor, the corners beside it are not.
    const QImage shot = tip.tipWindow()->grab().toImage();
    EXPECT_GT(shot.pixelColor(placed.width() / 2, 3).alpha(), 0);
    EXPECT_EQ(shot.pixelColor(1, 1).alpha(), 0);
}

TEST_F(Tooltips, BalloonAndRectangleAndColours) {
    tip.setTipText(QStringLiteral("Farbe"));
    tip.Style = CTooltip::kRectangle;
    tip.Create(&owner);
    QImage shot = tip.tipWindow()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, 2), kPaper);
    EXPECT_EQ(shot.pixelColor(shot.width() - 2, 2), kPaper);
    EXPECT_EQ(part(tip, "text")->palette().color(QPalette::WindowText), kInk);
    EXPECT_GE(firstInkRow(shot), 0);

    // The style is read when the tip is shown: a balloon leaves its top corners bare.
    tip.Style = CTooltip::kBalloon;
    tip.showAt(QPoint(10, 10));
    QTRY_VERIFY(tip.isShown());
    shot = tip.tipWindow()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 2, 2).alpha(), 0);
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() - 3), kPaper);

    // Invalid colours mean the system's tool-tip colours.
    tip.setBackColor(QColor());
    tip.setForeColor(QColor());
    shot = tip.tipWindow()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() - 3),
              QApplication::palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(part(tip, "text")->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::ToolTipText));
}

TEST(CTooltipLifetime, OwnerGoingFirstTakesTheTipWindowAlong) {
    CTooltip tip;
    {
        auto owner = std::make_unique<QWidget>();
        tip.setTipText(QStringLiteral("x"));
        tip.DelayTime = 0;
        tip.Create(owner.get());
        tip.showAt(QPoint(0, 0));
    }
    EXPECT_FALSE(tip.isCreated());
    QTest::qWait(20); // the pending show finds no window
    EXPECT_FALSE(tip.isShown());
    tip.Destroy();
}
