#pragma once

class QApplication;
class frmMain;

namespace Startup {

// True exactly when the first-start wizard has not run yet; an older
// installation that has already seen news counts as having run it.
bool isFirstStart();

// Shows the splash, loads and shows the main window, closes the splash.
// The caller owns the returned window; nullptr when the user ended the
// program during the load.
frmMain* showMainWindow();

// The program entry's sequence. Returns the application's exit code.
int run(QApplication& app);

} // namespace Startup
