#include "widgets/ToolbarButton.h"

namespace {
constexpr int kMargin = 4;
constexpr int kCaptionGap = 10;
} // namespace

ToolbarButton::ToolbarButton(QWidget* parent) : HoverButton(parent) { layoutParts(); }

void ToolbarButton::layoutParts() {
    const QSize pic = pictureSize();
    const QSize cap = captionSize();
    const int contentHeight = qMax(pic.height(), cap.height());
    const int top = qMax(kMargin, (height() - contentHeight) / 2);
    const QRect picture(kMargin, top + (contentHeight - pic.height()) / 2, pic.width(), pic.height());
    const int captionLeft = pic.isEmpty() ? kMargin : picture.right() + 1 + kCaptionGap;
    const int pictureCentre = pic.isEmpty() ? top + contentHeight / 2 : picture.center().y();
    const QRect caption(captionLeft, pictureCentre - cap.height() / 2, cap.width(), cap.height());
    setPartRects(picture, caption);
}
