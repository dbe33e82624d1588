#pragma once

#include <QIcon>

// The program's icon in every size it is drawn in: the same pictures the
// menu entry installs, so window, tray and menu show one icon.
QIcon appIcon();
