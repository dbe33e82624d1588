// Window, tray and menu entry show one icon: the pictures in the program are
// those data/ installs into the hicolor theme, at every size.

#include "app/Startup.h"
#include "widgets/AppIcon.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

class AppIconSize : public ::testing::TestWithParam<int> {};

TEST_P(AppIconSize, IsTheInstalledPicture) {
    const int size = GetParam();
    const QImage installed =
        QImage(QStringLiteral(VELVOX_SOURCE_DIR "/data/icons/%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(installed.isNull());
    ASSERT_EQ(installed.size(), QSize(size, size));
    const QIcon icon = appIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    // A pixmap keeps its pixels premultiplied: compare both that way.
    const QImage shown = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(shown.size(), installed.size());
    int differing = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            differing += shown.pixel(x, y) != installed.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Hicolor, AppIconSize, ::testing::Values(16, 22, 24, 32, 48, 64, 128, 256));

TEST(AppIcon, EveryWindowOfTheProgramCarriesIt) {
    Startup::prepareApplication();
    EXPECT_EQ(QApplication::windowIcon().pixmap(QSize(48, 48)).toImage(), appIcon().pixmap(QSize(48, 48)).toImage());
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("velvox"));
}

} // namespace
