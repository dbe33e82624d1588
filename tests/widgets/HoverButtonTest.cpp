#include "widgets/ToolbarButton.h"
#include "widgets/TreeButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPixmap solid(const QColor& c, int size = 16) {
    QPixmap p(size, size);
    p.fill(c);
    return p;
}

void pointerIn(QWidget* w) {
    QEnterEvent enter(QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &enter);
}

void pointerOut(QWidget* w) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

QColor pixelAt(QWidget* w, QPoint p) { return QColor(w->grab().toImage().pixel(p)); }

class HoverButtons : public ::testing::Test {
protected:
    void SetUp() override {
        button.setCaption(QStringLiteral("Senden"));
        button.setPicture(solid(Qt::blue));
        button.setPictureHover(solid(Qt::green));
        button.setPictureDisabled(solid(Qt::gray));
        button.resize(button.sizeHint());
        button.show();
    }
    ToolbarButton button;
};

} // namespace

TEST(HoverButtonDefaults, FreshButtonShowsVelvoxEnabledOnButtonFace) {
    ToolbarButton b;
    EXPECT_EQ(b.caption(), QStringLiteral("Velvox"));
    EXPECT_TRUE(b.isEnabled());
    EXPECT_EQ(b.themedBackColor(), b.palette().color(QPalette::Button));
    EXPECT_EQ(b.frameState(), HoverButton::Frame::None);
    EXPECT_EQ(b.shownPicture(), HoverButton::Shown::Nothing);
    EXPECT_GT(b.sizeHint().width(), b.captionRect().width());
}

TEST_F(HoverButtons, PointerInShowsHoverPictureAndRaisedFrameOutRestores) {
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Normal);
    EXPECT_EQ(pixelAt(&button, button.pictureRect().center()), QColor(Qt::blue));
    pointerIn(&button);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Raised);
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Hover);
    EXPECT_EQ(pixelAt(&button, button.pictureRect().center()), QColor(Qt::green));
    pointerOut(&button);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::None);
    EXPECT_EQ(pixelAt(&button, button.pictureRect().center()), QColor(Qt::blue));
}

TEST_F(HoverButtons, PressShowsSunkenFrameAndReleaseClicksOnce) {
    QSignalSpy clicks(&button, &HoverButton::Click);
    pointerIn(&button);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Sunken);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Raised);
    // A second release without a press is no click.
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(HoverButtons, ReleaseOutsideOrWhileDisabledDoesNotClick) {
    QSignalSpy clicks(&button, &HoverButton::Click);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(button.width() + 20, 3));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::None);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(HoverButtons, DisabledShowsDisabledPictureAndGreyCaption) {
    const QImage enabledShot = button.grab().toImage();
    button.setEnabled(false);
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Disabled);
    const QImage disabledShot = button.grab().toImage();
    EXPECT_EQ(QColor(disabledShot.pixel(button.pictureRect().center())), QColor(Qt::gray));
    // The caption is drawn in the disabled text colour.
    const QColor disabledText = button.palette().color(QPalette::Disabled, QPalette::ButtonText);
    const QColor enabledText = button.palette().color(QPalette::Active, QPalette::ButtonText);
    ASSERT_NE(disabledText, enabledText);
    bool sawDisabled = false;
    bool sawEnabled = false;
    const QRect caption = button.captionRect();
    for (int x = caption.left(); x <= caption.right(); ++x) {
        for (int y = caption.top(); y <= caption.bottom(); ++y) {
            sawDisabled |= QColor(disabledShot.pixel(x, y)) == disabledText;
            sawEnabled |= QColor(enabledShot.pixel(x, y)) == enabledText;
        }
    }
    EXPECT_TRUE(sawDisabled);
    EXPECT_TRUE(sawEnabled);
    // Hovering a disabled button changes nothing.
    pointerIn(&button);
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Disabled);
}

TEST_F(HoverButtons, ThemedBackgroundIsPainted) {
    button.setThemedBackColor(QColor(255, 0, 0));
    EXPECT_EQ(pixelAt(&button, QPoint(button.width() - 2, 1)), QColor(255, 0, 0));
    // An invalid colour is ignored.
    button.setThemedBackColor(QColor());
    EXPECT_EQ(button.themedBackColor(), QColor(255, 0, 0));
    // The property is what the theme sets by name.
    button.setProperty("ThemedBackColor", QColor(0, 0, 255));
    EXPECT_EQ(pixelAt(&button, QPoint(button.width() - 2, 1)), QColor(0, 0, 255));
}

TEST_F(HoverButtons, CaptionStandsTenRightOfThePictureCentredOnIt) {
    EXPECT_EQ(button.captionRect().left(), button.pictureRect().right() + 1 + 10);
    EXPECT_LE(qAbs(button.captionRect().center().y() - button.pictureRect().center().y()), 1);
    const QRect before = button.captionRect();
    button.setPicture(solid(Qt::blue, 32));
    EXPECT_GT(button.captionRect().left(), before.left());
}

TEST(TreeButtons, PictureAboveCaptionBothCentred) {
    TreeButton b;
    b.setCaption(QStringLiteral("Telefonbuch"));
    b.setPicture(solid(Qt::blue, 32));
    b.resize(b.sizeHint());
    EXPECT_LT(b.pictureRect().bottom(), b.captionRect().top());
    EXPECT_LE(qAbs(b.pictureRect().center().x() - b.captionRect().center().x()), 1);
    b.resize(200, 80);
    b.show();
    EXPECT_LE(qAbs(b.pictureRect().center().x() - 100), 1);
}
