#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QVBoxLayout;
class QWebEnginePage;
class QWebEngineView;
class LinkWatchingPage;

// An embedded browser for the service's pages and the program's stored pages.
// Every link target is reported before it is followed and can be cancelled;
// the browser's context menu never appears. It shows "http", "https", "data"
// and "qrc" addresses only: the program's own links ("telefon:", "close:",
// "gruppe:") are reported and never followed, a mail link opens the mail
// program only when the user clicked it, and everything else goes nowhere.
// Nothing of a page (its console, its error pages) reaches the program's
// output or quotes its address. The web view (and with it the
// browser processes, well over 100 MB) is created only when the first page is
// shown.
//
// Handlers of beforeNavigate run inside the browser's navigation callback:
// they may close or deleteLater() the window holding the browser, but must not
// delete it there and then.
class WebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    // Loads the address as the program built it: its query is sent as given,
    // without re-encoding.
    void navigate(const QString& address);
    // Shows a page stored in the program's resources under :/html/.
    void showStoredPage(const QString& fileName);
    // Lets the web view go, and with it its page's processes, as soon as the
    // browser's own callbacks have returned, whatever event loop runs then.
    // For a window that closes: a later navigate() makes a new view.
    void releaseView();

    // The address of the page shown (empty before the first one).
    QUrl url() const;
    // nullptr before the first page.
    QWebEngineView* view() const;
    QWebEnginePage* page() const;

    // Address under which showStoredPage() finds a stored page.
    static QUrl storedPageUrl(const QString& fileName);

signals:
    // A link is about to be followed. target is the link as the page wrote
    // it for a scheme the browser does not show, clicked or started by the
    // page's script ("telefon://Anna%20Huber@0043664/123456", which the
    // browser itself would parse as a host); otherwise the encoded address.
    // Setting *cancel stops the navigation.
    void beforeNavigate(const QString& target, bool* cancel);
    // A navigation was committed to url. Links of schemes the browser does
    // not know cannot be shown; when not cancelled they are reported here.
    void navigateComplete(const QUrl& url);
    // The page at url has finished loading (ok false: it failed).
    void documentComplete(const QUrl& url, bool ok);

private:
    friend class LinkWatchingPage;
    QWebEngineView* ensureView();
    // Called by the page for every navigation; returns whether to follow it.
    // userClick: the user clicked the link (not a script of the page).
    bool acceptTarget(const QString& target, bool browserCanShow, bool userClick);

    QVBoxLayout* m_layout = nullptr;
    QWebEngineView* m_view = nullptr;
    LinkWatchingPage* m_page = nullptr;
};

// Before the QApplication is made, in every program that shows a web view:
// the browser shares Qt's GL contexts as it must be told that early, and
// Chromium's own log lines, which quote page addresses, stay off.
void prepareWebEngine();
