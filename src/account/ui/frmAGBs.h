#pragma once

#include <QDialog>

class QPushButton;
class WebBrowser;

// The service's terms page with "Akzeptieren" and "Abbrechen". Accepting is
// possible only once the page has loaded; closing by the frame declines.
class frmAGBs : public QDialog {
    Q_OBJECT
public:
    explicit frmAGBs(QWidget* parent = nullptr);

    bool answer() const { return m_answer; }
    WebBrowser* browser() const { return m_browser; }

private:
    WebBrowser* m_browser;
    QPushButton* m_accept;
    QPushButton* m_cancel;
    bool m_answer = false;
};

// Shows the terms modally; true when the user accepted them.
bool acceptAGBs(QWidget* parent = nullptr);
// Makes the terms reachable through the prompts seam.
void registerTermsDialog();
