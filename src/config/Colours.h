#pragma once

#include <QString>

#include <optional>

// Colours in the Windows encoding: 0x00BBGGRR for a direct colour,
// 0x80000000 + n for system colour n.
struct WinColor {
    qint32 value = 0;

    bool isSystem() const { return (quint32(value) & 0x80000000u) != 0; }
    int systemIndex() const { return int(quint32(value) & 0x00FFFFFFu); }
    int red() const { return int(quint32(value) & 0xFF); }
    int green() const { return int((quint32(value) >> 8) & 0xFF); }
    int blue() const { return int((quint32(value) >> 16) & 0xFF); }

    static WinColor rgb(int r, int g, int b) { return WinColor{qint32(r | (g << 8) | (b << 16))}; }
    static WinColor system(int n) { return WinColor{qint32(0x80000000u + quint32(n))}; }
    bool operator==(const WinColor&) const = default;
};

namespace Colours {

// System colour numbers used by the program.
inline constexpr int kWindow = 5;
inline constexpr int kWindowText = 8;
inline constexpr int kButtonFace = 15;
inline constexpr int kButtonText = 18;

// Light red marks a faulty field (12632319); dark red a low balance.
inline constexpr qint32 kLightRed = 12632319;
inline WinColor lightRed() { return WinColor{kLightRed}; }
inline WinColor darkRed() { return WinColor::rgb(192, 0, 0); }

// A decimal 32-bit integer, else nothing (the value is then ignored).
std::optional<WinColor> parse(const QString& text);

// "Window", "ButtonFace", ...: the name of system colour n (0 to 24), else empty.
QString systemColorName(int n);

} // namespace Colours
