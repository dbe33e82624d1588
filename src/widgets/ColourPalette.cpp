#include "widgets/ColourPalette.h"

#include <QApplication>
#include <QPalette>

QColor toQColor(WinColor c) {
    if (!c.isSystem())
        return QColor(c.red(), c.green(), c.blue());
    const QPalette p = QApplication::palette();
    using R = QPalette::ColorRole;
    switch (c.systemIndex()) {
    case 0: return p.color(R::Mid);                                   // Scrollbar
    case 1: return p.color(R::Dark);                                  // desktop Background
    case 2: return p.color(QPalette::Active, R::Highlight);           // ActiveCaption
    case 3: return p.color(QPalette::Inactive, R::Highlight);         // InactiveCaption
    case 4: return p.color(R::Window);                                // Menu
    case 5: return p.color(R::Base);                                  // Window
    case 6: return p.color(R::Shadow);                                // WindowFrame
    case 7: return p.color(R::WindowText);                            // MenuText
    case 8: return p.color(R::Text);                                  // WindowText
    case 9: return p.color(QPalette::Active, R::HighlightedText);     // CaptionText
    case 10:                                                          // ActiveBorder
    case 11: return p.color(R::Button);                               // InactiveBorder
    case 12: return p.color(R::Dark);                                 // AppWorkspace
    case 13: return p.color(R::Highlight);                            // Highlight
    case 14: return p.color(R::HighlightedText);                      // HighlightText
    case 15: return p.color(R::Button);                               // ButtonFace
    case 16: return p.color(R::Mid);                                  // ButtonShadow
    case 17: return p.color(QPalette::Disabled, R::Text);             // GrayText
    case 18: return p.color(R::ButtonText);                           // ButtonText
    case 19: return p.color(QPalette::Inactive, R::HighlightedText);  // InactiveCaptionText
    case 20: return p.color(R::Light);                                // ButtonHighlight
    case 21: return p.color(R::Shadow);                               // ThreeDDarkShadow
    case 22: return p.color(R::Midlight);                             // ThreeDLightShadow
    case 23: return p.color(R::ToolTipText);                          // InfoText
    case 24: return p.color(R::ToolTipBase);                          // InfoBackground
    default: return {};
    }
}
