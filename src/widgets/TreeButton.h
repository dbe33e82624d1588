#pragma once

#include "widgets/HoverButton.h"

// A vertical entry: the picture centred near the top, the caption centred below it.
class TreeButton : public HoverButton {
    Q_OBJECT
public:
    explicit TreeButton(QWidget* parent = nullptr);

protected:
    void layoutFor(const QSize& size, QRect& picture, QRect& caption) const override;
};
