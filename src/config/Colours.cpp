#include "config/Colours.h"

#include <array>

namespace Colours {

std::optional<WinColor> parse(const QString& text) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    // Either a signed or an unsigned reading of 32 bits.
    if (v < -2147483648LL || v > 4294967295LL)
        return std::nullopt;
    return WinColor{qint32(quint32(v & 0xFFFFFFFFLL))};
}

QString systemColorName(int n) {
    static constexpr std::array<const char*, 25> names = {
        "Scrollbar",    "Background",       "ActiveCaption",     "InactiveCaption",     "Menu",
        "Window",       "WindowFrame",      "MenuText",          "WindowText",          "CaptionText",
        "ActiveBorder", "InactiveBorder",   "AppWorkspace",      "Highlight",           "HighlightText",
        "ButtonFace",   "ButtonShadow",     "GrayText",          "ButtonText",          "InactiveCaptionText",
        "ButtonHighlight", "ThreeDDarkShadow", "ThreeDLightShadow", "InfoText",         "InfoBackground"};
    if (n < 0 || n >= int(names.size()))
        return {};
    return QString::fromLatin1(names[n]);
}

} // namespace Colours
