#pragma once

#include "config/Colours.h"

#include <QColor>

// Turns a colour in the Windows encoding into a colour of the running desktop:
// direct colours as they are, system colours 0 to 24 from the palette. Any
// other system number gives an invalid colour, which callers ignore.
QColor toQColor(WinColor c);
