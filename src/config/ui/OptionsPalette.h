#pragma once

#include "config/Colours.h"
#include "widgets/ColourPalette.h"

#include <QPalette>
#include <QWidget>

// The colours the options pages give their fields and labels.
namespace OptionsPalette {

inline constexpr int kCaptionText = 9;
inline constexpr int kGrayText = 17;

inline QColor sys(int n) {
    return toQColor(WinColor::system(n));
}

inline void setBackground(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

inline void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace OptionsPalette
