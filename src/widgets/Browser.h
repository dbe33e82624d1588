#pragma once

#include <QString>

// Opens an address or document with the desktop's default handler; when that
// fails, tells the user where the web interface is. Returns whether it opened.
bool openInBrowser(const QString& target);
