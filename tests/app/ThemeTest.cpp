#include "TempSettings.h"

#include "app/Theme.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/Product.h"
#include "ui_frmMain.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
frmMain* loadedWindow() {
    frmSplash::setStepPauseMs(0);
    auto* w = new frmMain();
    w->load(nullptr);
    return w;
}
} // namespace

TEST(Theme, BackgroundPaintsTheListedElementsRed) {
    TempSettings t;
    t.writeProfile("[Colors]\nBackground=255\n");
    std::unique_ptr<frmMain> w(loadedWindow());
    const QColor red(255, 0, 0);
    EXPECT_EQ(w->ui().chkPrivat->palette().color(QPalette::Window), red);
    EXPECT_EQ(w->ui().chkPublic->palette().color(QPalette::Window), red);
    EXPECT_EQ(w->ui().boxSignaturen->palette().color(QPalette::Window), red);
    EXPECT_EQ(w->ui().boxPlatzhalter->palette().color(QPalette::Window), red);
    EXPECT_EQ(w->ui().tbSend->property("ThemedBackColor").value<QColor>(), red);
    EXPECT_EQ(w->ui().tbReplaceName->property("ThemedBackColor").value<QColor>(), red);
    // What the user sees: the window background is painted red.
    w->resize(700, 520);
    const QImage shot = w->grab().toImage();
    const QRect checkBox = w->ui().chkPublic->geometry();
    const QPoint inside = w->ui().chkPublic->mapTo(w.get(), QPoint(checkBox.width() - 2, 2));
    EXPECT_EQ(QColor(shot.pixel(inside)), red);
}

TEST(Theme, NonNumericColoursAreIgnored) {
    TempSettings t;
    t.writeProfile("[Colors]\nBackground=rot\nHeader=#ff0000\n");
    std::unique_ptr<frmMain> w(loadedWindow());
    frmMain plain;
    EXPECT_EQ(w->ui().chkPrivat->palette().color(QPalette::Window), plain.ui().chkPrivat->palette().color(QPalette::Window));
    EXPECT_EQ(w->ui().lblHeaderTitle->palette().color(QPalette::WindowText),
              plain.ui().lblHeaderTitle->palette().color(QPalette::WindowText));
}

TEST(Theme, CopyrightTitleAndHeaderStrings) {
    TempSettings t;
    t.writeProfile("[Strings]\nCopyright=Acme GmbH\nProductName=Acme\n[Common]\nHideHeaderStrings=True\n");
    Product::loadProductName();
    std::unique_ptr<frmMain> w(loadedWindow());
    EXPECT_EQ(w->ui().lblCopyright->text(), QStringLiteral("© Acme GmbH"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Acme"));
    // Only exactly "true" hides the header texts.
    EXPECT_FALSE(w->ui().lblHeaderTitle->isHidden());

    t.writeProfile("[Common]\nHideHeaderStrings=true\n[Images]\nHeader=missing.png\n");
    std::unique_ptr<frmMain> hidden(loadedWindow());
    EXPECT_TRUE(hidden->ui().lblHeaderTitle->isHidden());
    EXPECT_TRUE(hidden->ui().lblHeaderText->isHidden());
}

TEST(Theme, HeaderPictureFromTheProgramDirectory) {
    TempSettings t;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(t.dir() + QStringLiteral("/kopf.png")));
    t.writeProfile("[Images]\nHeader=kopf.png\n");
    std::unique_ptr<frmMain> w(loadedWindow());
    const QPixmap shown = w->ui().picHeader->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(QColor(shown.toImage().pixel(1, 1)), QColor(Qt::green));
}

TEST(Theme, BuiltInHeaderPictureAndIconAreThere) {
    TempSettings t;
    std::unique_ptr<frmMain> w(loadedWindow());
    EXPECT_FALSE(w->ui().picHeader->pixmap().isNull());
    EXPECT_FALSE(w->windowIcon().isNull());
}
