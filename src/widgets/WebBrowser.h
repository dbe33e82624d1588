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
// the browser's context menu never appears. The web view (and with it the
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

    // The address of the page shown (empty before the first one).
    QUrl url() const;
    // nullptr before the first page.
    QWebEngineView* view() const;
    QWebEnginePage* page() const;

    // Address under which showStoredPage() finds a stored page.
    static QUrl storedPageUrl(const QString& fileName);

signals:
    // A link is about to be followed. target is the link as the page wrote
    // it when the page offers that (a clicked link of a scheme the browser
    // does not know, such as "telefon://Anna%20Huber@0043664/123456", which
    // the browser itself would parse as a host); otherwise the encoded
    // address. Setting *cancel stops the navigation.
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
    bool acceptTarget(const QString& target, bool browserCanShow);

    QVBoxLayout* m_layout = nullptr;
    QWebEngineView* m_view = nullptr;
    LinkWatchingPage* m_page = nullptr;
};
