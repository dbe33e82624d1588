#pragma once

namespace Ui {
class frmMain;
}
class QWidget;
class HeaderArea;

// Applies the branding profile's header picture, colours, copyright line and
// header-text visibility to the main window, then resets the header.
void applyTheme(QWidget* window, Ui::frmMain& ui, HeaderArea& header);
