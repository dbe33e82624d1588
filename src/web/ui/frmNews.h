#pragma once

#include <QWidget>

class QLabel;
class Transfer;
class WebBrowser;

// The service's news. Loaded hidden during start-up; it shows itself only
// once its page has loaded, and a "close://" link closes it.
class frmNews : public QWidget {
    Q_OBJECT
public:
    // mainWindow takes the focus back when a page closes the news.
    explicit frmNews(QWidget* mainWindow = nullptr);

    WebBrowser& browser() const { return *m_browser; }
    Transfer& iNet() const { return *m_iNet; }

    // Asks the service for the newest news number: loads the news page, or
    // closes this window when there is nothing new.
    void checkForInfo();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onNavigateComplete(const QUrl& url);
    void onDocumentComplete(const QUrl& url, bool ok);

    QWidget* m_main;
    QLabel* m_headline;
    WebBrowser* m_browser;
    Transfer* m_iNet;
};
