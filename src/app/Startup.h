#pragma once

#include <functional>

class QApplication;
class frmFirstTime;
class frmMain;
class frmSplash;

namespace Startup {

// True exactly when the first-start wizard has not run yet; an older
// installation that has already seen news counts as having run it.
bool isFirstStart();

// Loads and shows the main window with the given splash window reporting
// the steps (a splash of its own when none is given), then closes the splash.
// The window deletes itself when closed; nullptr when the user ended the
// program during the load.
frmMain* showMainWindow(frmSplash* splash = nullptr);

// Shows the first-start wizard; however it closes, the main window follows.
// The wizard deletes itself.
frmFirstTime* showFirstStartWizard();

// Application name, prompts and product name, before any window is shown.
void prepareApplication();

// The start sequence: the splash, then the first-start decision, then the
// wizard or the main window. Returns the main window (nullptr when the wizard
// came instead, wizardShown then tells so, or the user ended during the load).
frmMain* start(const std::function<bool()>& firstStartCheck = isFirstStart, bool* wizardShown = nullptr);

// The program entry's sequence. Returns the application's exit code.
int run(QApplication& app);

} // namespace Startup
