#pragma once

namespace Ui {
class frmMain;
}

// Captions and pictures of the main window's toolbar entries.
void setUpToolbar(Ui::frmMain& ui);
