#pragma once

#include <QString>

// The stored window position is kept in twips (1/1440 inch).
namespace WindowPlacement {

// The stored edge when it is a non-negative number, else the centred one.
int edgeFromStored(const QString& stored, int screenExtent, int windowExtent);

int pixelsToTwips(int pixels, double dotsPerInch);
int twipsToPixels(int twips, double dotsPerInch);

} // namespace WindowPlacement
