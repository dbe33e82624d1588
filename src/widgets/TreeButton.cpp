#include "widgets/TreeButton.h"

namespace {
// 70 and 30 twips at the usual 15 twips per pixel.
constexpr int kPictureTop = 5;
constexpr int kCaptionGap = 2;
constexpr int kMargin = 4;
} // namespace

TreeButton::TreeButton(QWidget* parent) : HoverButton(parent) { layoutParts(); }

void TreeButton::layoutParts() {
    const QSize pic = pictureSize();
    const QSize cap = captionSize();
    const int contentWidth = qMax(pic.width(), cap.width()) + 2 * kMargin;
    const int centre = qMax(contentWidth, width()) / 2;
    const QRect picture(centre - pic.width() / 2, kPictureTop, pic.width(), pic.height());
    const int captionTop = pic.isEmpty() ? kPictureTop : picture.bottom() + 1 + kCaptionGap;
    const QRect caption(centre - cap.width() / 2, captionTop, cap.width(), cap.height());
    setPartRects(picture, caption);
}
