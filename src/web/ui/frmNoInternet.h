#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class WebBrowser;

// Shown modally when the service does not answer at start: the stored page
// with its advice, and "Erneut versuchen", "Einstellungen", "Beenden".
class frmNoInternet : public QDialog {
    Q_OBJECT
public:
    explicit frmNoInternet(QWidget* parent = nullptr);

    WebBrowser& browser() const { return *m_browser; }
    QPushButton* retryButton() const { return m_retry; }
    QPushButton* optionsButton() const { return m_options; }
    QPushButton* quitButton() const { return m_quit; }

    // What was chosen: "retry", "quit", or empty when closed by its frame.
    QString choice() const { return m_choice; }

private:
    void choose(const char* choice);

    WebBrowser* m_browser;
    QPushButton* m_retry;
    QPushButton* m_options;
    QPushButton* m_quit;
    QString m_choice;
};

// Makes the window reachable through the prompts seam (Prompts::Dialog::NoInternet).
void registerNoInternetDialog();
