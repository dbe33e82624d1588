#include "app/WindowPlacement.h"

#include <cmath>

namespace WindowPlacement {

int edgeFromStored(const QString& stored, int screenExtent, int windowExtent) {
    bool ok = false;
    const int value = stored.trimmed().toInt(&ok);
    if (ok && value >= 0)
        return value;
    return screenExtent / 2 - windowExtent / 2;
}

int pixelsToTwips(int pixels, double dotsPerInch) {
    return int(std::lround(pixels * 1440.0 / (dotsPerInch > 0 ? dotsPerInch : 96.0)));
}

int twipsToPixels(int twips, double dotsPerInch) {
    return int(std::lround(twips * (dotsPerInch > 0 ? dotsPerInch : 96.0) / 1440.0));
}

} // namespace WindowPlacement
