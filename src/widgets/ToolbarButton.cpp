#include "widgets/ToolbarButton.h"

namespace {
constexpr int kMargin = 4;
constexpr int kCaptionGap = 10;
} // namespace

ToolbarButton::ToolbarButton(QWidget* parent) : HoverButton(parent) {}

void ToolbarButton::layoutFor(const QSize& size, QRect& picture, QRect& caption) const {
    const QSize pic = pictureSize();
    const QSize cap = captionSize();
    const int contentHeight = qMax(pic.height(), cap.height());
    const int top = qMax(kMargin, (size.height() - contentHeight) / 2);
    picture = QRect(kMargin, top + (contentHeight - pic.height()) / 2, pic.width(), pic.height());
    const int captionLeft = pic.isEmpty() ? kMargin : picture.right() + 1 + kCaptionGap;
    const int pictureCentre = pic.isEmpty() ? top + contentHeight / 2 : picture.center().y();
    caption = QRect(captionLeft, pictureCentre - cap.height() / 2, cap.width(), cap.height());
}
