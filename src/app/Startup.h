#pragma once

class QApplication;
class frmFirstTime;
class frmMain;

namespace Startup {

// True exactly when the first-start wizard has not run yet; an older
// installation that has already seen news counts as having run it.
bool isFirstStart();

// Shows the splash, loads and shows the main window, closes the splash.
// The caller owns the returned window; nullptr when the user ended the
// program during the load.
frmMain* showMainWindow();

// Shows the first-start wizard; however it closes, the main window follows.
// The wizard deletes itself.
frmFirstTime* showFirstStartWizard();

// The program entry's sequence. Returns the application's exit code.
int run(QApplication& app);

} // namespace Startup
