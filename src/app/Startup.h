#pragma once

class QApplication;

namespace Startup {
// The program entry's sequence: product name, splash, first-start decision,
// main window. Returns the application's exit code.
int run(QApplication& app);
} // namespace Startup
