#include "widgets/TreeButton.h"

namespace {
// 70 and 30 twips at the usual 15 twips per pixel.
constexpr int kPictureTop = 5;
constexpr int kCaptionGap = 2;
constexpr int kMargin = 4;
} // namespace

TreeButton::TreeButton(QWidget* parent) : HoverButton(parent) {}

void TreeButton::layoutFor(const QSize& size, QRect& picture, QRect& caption) const {
    const QSize pic = pictureSize();
    const QSize cap = captionSize();
    const int contentWidth = qMax(pic.width(), cap.width()) + 2 * kMargin;
    const int centre = qMax(contentWidth, size.width()) / 2;
    picture = QRect(centre - pic.width() / 2, kPictureTop, pic.width(), pic.height());
    const int captionTop = pic.isEmpty() ? kPictureTop : picture.bottom() + 1 + kCaptionGap;
    caption = QRect(centre - cap.width() / 2, captionTop, cap.width(), cap.height());
}
