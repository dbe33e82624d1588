#include "widgets/ToolbarButton.h"
#include "widgets/TreeButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPixmap solid(const QColor& c, int size = 16) {
    QPixmap p(size, size);
    p.fill(c);
    return p;
}

// Offscreen there is no real pointer: hand the button its enter and leave.
void pointerIn(QWidget* w) {
    QEnterEvent enter(QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &enter);
}

void pointerOut(QWidget* w) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

QColor pixelAt(QWidget* w, QPoint p) {
    return QColor(w->grab().toImage().pixel(p));
}

bool isGrey(const QColor& c) {
    return c.red() == c.green() && c.green() == c.blue();
}

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
    QPoint inside() const { return {3, 3}; }
    QPoint outside() const { return {button.width() + 20, 3}; }
    ToolbarButton button;
};

} // namespace

TEST(HoverButtonDefaults, FreshButtonShowsVelvoxEnabledOnButtonFace) {
    ToolbarButton b;
    EXPECT_EQ(b.caption(), QStringLiteral("Velvox"));
    EXPECT_EQ(b.property("Caption").toString(), QStringLiteral("Velvox"));
    EXPECT_TRUE(b.property("Enabled").toBool());
    EXPECT_TRUE(b.picture().isNull());
    EXPECT_EQ(b.themedBackColor(), b.palette().color(QPalette::Button));
    EXPECT_EQ(b.frameState(), HoverButton::Frame::Flat);
    EXPECT_EQ(b.shownPicture(), HoverButton::Shown::Nothing);
    EXPECT_TRUE(b.currentPicture().isNull());
    // Without pictures the caption still gets all the room it needs.
    b.resize(b.sizeHint());
    EXPECT_TRUE(b.rect().contains(b.captionRect()));
    EXPECT_EQ(pixelAt(&b, QPoint(b.width() - 2, 1)), b.palette().color(QPalette::Button));
}

TEST_F(HoverButtons, PointerInShowsHoverPictureAndRaisedFrameOutRestores) {
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Normal);
    EXPECT_EQ(pixelAt(&button, button.pictureRect().center()), QColor(Qt::blue));
    pointerIn(&button);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Raised);
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Hover);
    EXPECT_EQ(button.currentPicture().toImage().pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(pixelAt(&button, button.pictureRect().center()), QColor(Qt::green));
    // The raised frame: light top-left edge, dark bottom-right edge.
    const QImage raised = button.grab().toImage();
    EXPECT_EQ(raised.pixel(0, 0), button.palette().color(QPalette::Light).rgb());
    EXPECT_EQ(raised.pixel(button.width() - 1, button.height() - 1),
              button.palette().color(QPalette::Dark).rgb());
    pointerOut(&button);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Flat);
    EXPECT_EQ(pixelAt(&button, button.pictureRect().center()), QColor(Qt::blue));
    EXPECT_EQ(pixelAt(&button, QPoint(0, 0)), button.themedBackColor());
}

TEST_F(HoverButtons, PressShowsSunkenFrameAndReleaseClicksOnce) {
    QSignalSpy clicks(&button, &HoverButton::Click);
    pointerIn(&button);
    QTest::mousePress(&button, Qt::LeftButton, {}, inside());
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Sunken);
    const QImage sunken = button.grab().toImage();
    EXPECT_EQ(sunken.pixel(0, 0), button.palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, inside());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Raised);
    // A second release without a press is no click, nor is the right button.
    QTest::mouseRelease(&button, Qt::LeftButton, {}, inside());
    QTest::mouseClick(&button, Qt::RightButton, {}, inside());
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&button, Qt::LeftButton, {}, inside());
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(HoverButtons, ReleaseOutsideOrWhileDisabledDoesNotClick) {
    QSignalSpy clicks(&button, &HoverButton::Click);
    QTest::mousePress(&button, Qt::LeftButton, {}, inside());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, outside());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button.isPressed());
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Flat);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, inside());
    EXPECT_EQ(clicks.count(), 0);
    // Disabled in the middle of a press: the release is no click either.
    button.setEnabled(true);
    QTest::mousePress(&button, Qt::LeftButton, {}, inside());
    button.setEnabled(false);
    button.setEnabled(true);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, inside());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(HoverButtons, DisabledShowsDisabledPictureAndGreyCaption) {
    const QImage enabledShot = button.grab().toImage();
    const QColor enabledText = button.captionColor();
    button.setEnabled(false);
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Disabled);
    const QImage disabledShot = button.grab().toImage();
    EXPECT_EQ(QColor(disabledShot.pixel(button.pictureRect().center())), QColor(Qt::gray));
    // The caption is drawn in the palette's disabled text colour.
    const QColor disabledText = button.captionColor();
    EXPECT_EQ(disabledText, button.palette().color(QPalette::Disabled, QPalette::ButtonText));
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
    // A disabled button does not answer the pointer: no hover picture, no frame.
    pointerIn(&button);
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Disabled);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Flat);
    EXPECT_EQ(pixelAt(&button, QPoint(0, 0)), button.themedBackColor());
    // Enabled again under the resting pointer: the hover state shows at once.
    button.setEnabled(true);
    EXPECT_EQ(button.shownPicture(), HoverButton::Shown::Hover);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Raised);
}

TEST(HoverButtonPictures, UnsetHoverAndDisabledPicturesAreDrawnFromTheNormalOne) {
    ToolbarButton b;
    b.setCaption(QStringLiteral("Hilfe"));
    b.setPicture(solid(QColor(0, 0, 200)));
    b.resize(b.sizeHint());
    b.show();
    const QPoint centre = b.pictureRect().center();
    pointerIn(&b);
    EXPECT_EQ(b.shownPicture(), HoverButton::Shown::Hover);
    const QColor hover = pixelAt(&b, centre);
    EXPECT_GT(hover.red(), 0); // lighter than the normal picture
    EXPECT_GT(hover.blue(), 200);
    pointerOut(&b);
    b.setEnabled(false);
    EXPECT_EQ(b.shownPicture(), HoverButton::Shown::Disabled);
    const QColor disabled = pixelAt(&b, centre);
    EXPECT_TRUE(isGrey(disabled)) << disabled.name().toStdString();
    EXPECT_NE(disabled, QColor(0, 0, 200));
    // A picture set later replaces the derived one.
    b.setPictureDisabled(solid(Qt::red));
    EXPECT_EQ(pixelAt(&b, centre), QColor(Qt::red));
}

TEST_F(HoverButtons, ThemedBackgroundIsPainted) {
    button.setThemedBackColor(QColor(255, 0, 0));
    EXPECT_EQ(pixelAt(&button, QPoint(button.width() - 2, 1)), QColor(255, 0, 0));
    // The property is what the theme sets by name.
    button.setProperty("ThemedBackColor", QColor(0, 0, 255));
    EXPECT_EQ(pixelAt(&button, QPoint(button.width() - 2, 1)), QColor(0, 0, 255));
    EXPECT_EQ(pixelAt(&button, button.pictureRect().center()), QColor(Qt::blue));
}

TEST_F(HoverButtons, CaptionStandsTenRightOfThePictureCentredOnIt) {
    EXPECT_EQ(button.captionRect().left(), button.pictureRect().right() + 1 + 10);
    EXPECT_LE(qAbs(button.captionRect().center().y() - button.pictureRect().center().y()), 1);
    EXPECT_TRUE(button.rect().contains(button.captionRect()));
    const QRect before = button.captionRect();
    const QSize hintBefore = button.sizeHint();
    button.setPicture(solid(Qt::blue, 32));
    EXPECT_GT(button.captionRect().left(), before.left());
    EXPECT_GT(button.sizeHint().width(), hintBefore.width());
    // A longer caption asks for more room.
    button.setCaption(QStringLiteral("Senden an alle Empfänger"));
    EXPECT_GT(button.sizeHint().width(), hintBefore.width() + 40);
}

TEST(TreeButtons, PictureAboveCaptionBothCentred) {
    TreeButton b;
    b.setCaption(QStringLiteral("Telefonbuch"));
    b.setPicture(solid(Qt::blue, 32));
    b.resize(b.sizeHint());
    EXPECT_LT(b.pictureRect().bottom(), b.captionRect().top());
    EXPECT_LE(qAbs(b.pictureRect().center().x() - b.captionRect().center().x()), 1);
    EXPECT_TRUE(b.rect().contains(b.captionRect()));
    b.resize(200, 80);
    b.show();
    EXPECT_LE(qAbs(b.pictureRect().center().x() - 100), 1);
    EXPECT_LE(qAbs(b.captionRect().center().x() - 100), 1);
    EXPECT_EQ(pixelAt(&b, b.pictureRect().center()), QColor(Qt::blue));
    // The tree button has the same states as the toolbar button.
    QSignalSpy clicks(&b, &HoverButton::Click);
    pointerIn(&b);
    EXPECT_EQ(b.frameState(), HoverButton::Frame::Raised);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(HoverButtons, KeysPressTheButtonOnceEach) {
    struct Case {
        Qt::Key key;
        bool enabled;
        int clicks;
    };
    const Case cases[] = {
        {Qt::Key_Space, true, 1}, {Qt::Key_Return, true, 1}, {Qt::Key_Enter, true, 1},
        {Qt::Key_A, true, 0},     {Qt::Key_Space, false, 0}, {Qt::Key_Return, false, 0},
    };
    for (const Case& c : cases) {
        button.setEnabled(c.enabled);
        QSignalSpy clicks(&button, &HoverButton::Click);
        QTest::keyClick(&button, c.key);
        EXPECT_EQ(clicks.size(), c.clicks) << c.key << " enabled " << c.enabled;
    }
    button.setEnabled(true);

    // Space held shows the sunken frame and clicks only when it comes up.
    QSignalSpy clicks(&button, &HoverButton::Click);
    QTest::keyPress(&button, Qt::Key_Space);
    EXPECT_EQ(button.frameState(), HoverButton::Frame::Sunken);
    EXPECT_EQ(clicks.size(), 0);
    QTest::keyRelease(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_NE(button.frameState(), HoverButton::Frame::Sunken);
}

TEST(HoverButtonKeyboard, TabReachesEveryButtonAndToolsSeeANamedPushButton) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit(&window);
    auto* send = new ToolbarButton(&window);
    send->setCaption(QStringLiteral("Senden"));
    auto* options = new TreeButton(&window);
    options->setCaption(QString());
    options->setToolTip(QStringLiteral("Einstellungen"));
    for (QWidget* w : {static_cast<QWidget*>(field), static_cast<QWidget*>(send), static_cast<QWidget*>(options)})
        layout->addWidget(w);
    window.show();
    QApplication::setActiveWindow(&window);
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }));
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_TRUE(send->hasFocus());
    QTest::keyClick(send, Qt::Key_Tab);
    EXPECT_TRUE(options->hasFocus());

    const struct {
        HoverButton* button;
        const char* name;
    } named[] = {{send, "Senden"}, {options, "Einstellungen"}};
    for (const auto& n : named) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(n.button);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->role(), QAccessible::Button);
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(n.name));
        ASSERT_TRUE(a->actionInterface());
        QSignalSpy clicks(n.button, &HoverButton::Click);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.size(), 1) << n.name;
    }
}
