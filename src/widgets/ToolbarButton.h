#pragma once

#include "widgets/HoverButton.h"

// A toolbar entry: picture on the left, the caption 10 units to its right,
// centred vertically on the picture.
class ToolbarButton : public HoverButton {
    Q_OBJECT
public:
    explicit ToolbarButton(QWidget* parent = nullptr);

protected:
    void layoutFor(const QSize& size, QRect& picture, QRect& caption) const override;
};
