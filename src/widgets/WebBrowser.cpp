#include "widgets/WebBrowser.h"

#include <QMetaObject>
#include <QPointer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Clicked links of schemes the browser does not know are handed over wrapped
// in this scheme, with the href exactly as the page wrote it: the browser
// would otherwise parse "telefon://Name@0043664/123" as an address with a host
// and hand the program "0.0.71.180".
const QString kWrapScheme = QStringLiteral("velvox-link");

// Runs in its own script world before the page's scripts, in every frame.
const char kLinkScript[] = R"JS(
(function () {
    var known = /^(https?|ftp|file|data|blob|about|javascript|qrc|mailto):/i;
    window.addEventListener('click', function (e) {
        if (e.defaultPrevented || !e.target || !e.target.closest)
            return;
        var a = e.target.closest('a[href]');
        if (!a)
            return;
        var raw = a.getAttribute('href').trim();
        if (!/^[a-z][a-z0-9+.\-]*:/i.test(raw) || known.test(raw))
            return;
        e.preventDefault();
        window.location.href = 'velvox-link:' + encodeURIComponent(raw);
    }, true);
})();
)JS";

bool browserCanShow(const QUrl& url) {
    static const QStringList schemes = {
        QStringLiteral("http"),  QStringLiteral("https"), QStringLiteral("ftp"),
        QStringLiteral("file"),  QStringLiteral("data"),  QStringLiteral("blob"),
        QStringLiteral("about"), QStringLiteral("qrc"),   QStringLiteral("mailto"),
    };
    return schemes.contains(url.scheme(), Qt::CaseInsensitive);
}

} // namespace

class LinkWatchingPage : public QWebEnginePage {
public:
    LinkWatchingPage(WebBrowser* browser, QObject* parent) : QWebEnginePage(parent), m_browser(browser) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        Q_UNUSED(isMainFrame)
        if (url.scheme() == kWrapScheme) {
            const QString raw = QUrl::fromPercentEncoding(url.path(QUrl::FullyEncoded).toUtf8());
            m_browser->acceptTarget(raw, false);
            return false;
        }
        // Content set directly on the page, not a link.
        if (url.scheme() == QLatin1String("data") && type == NavigationTypeTyped)
            return true;
        return m_browser->acceptTarget(QString::fromUtf8(url.toEncoded()), browserCanShow(url));
    }

private:
    WebBrowser* m_browser;
};

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this)) {
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
}

WebBrowser::~WebBrowser() = default;

QWebEngineView* WebBrowser::ensureView() {
    if (m_view)
        return m_view;
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("webBrowserView"));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_page = new LinkWatchingPage(this, m_view);
    // Without this, links of the program's own schemes started by a page's
    // script never reach acceptNavigationRequest.
    m_page->settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::AllowAllUnknownUrlSchemes);

    QWebEngineScript script;
    script.setName(QStringLiteral("velvox-links"));
    script.setSourceCode(QString::fromLatin1(kLinkScript));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    m_page->scripts().insert(script);

    m_view->setPage(m_page);
    connect(m_page, &QWebEnginePage::urlChanged, this, &WebBrowser::navigateComplete);
    connect(m_page, &QWebEnginePage::loadFinished, this,
            [this](bool ok) { emit documentComplete(m_page->url(), ok); });
    m_layout->addWidget(m_view);
    return m_view;
}

bool WebBrowser::acceptTarget(const QString& target, bool browserCanShow) {
    bool cancel = false;
    emit beforeNavigate(target, &cancel);
    if (cancel)
        return false;
    if (browserCanShow)
        return true;
    // Nothing to show for it (and the desktop should not get it): report it
    // as done, after the browser's callback has returned, so a handler may
    // close the window.
    QMetaObject::invokeMethod(
        this,
        [self = QPointer<WebBrowser>(this), target] {
            if (self)
                emit self->navigateComplete(QUrl(target, QUrl::TolerantMode));
        },
        Qt::QueuedConnection);
    return false;
}

void WebBrowser::navigate(const QString& address) {
    ensureView()->load(QUrl(address, QUrl::TolerantMode));
}

QUrl WebBrowser::storedPageUrl(const QString& fileName) {
    return QUrl(QStringLiteral("qrc:/html/") + fileName);
}

void WebBrowser::showStoredPage(const QString& fileName) {
    ensureView()->load(storedPageUrl(fileName));
}

QUrl WebBrowser::url() const {
    return m_page ? m_page->url() : QUrl();
}

QWebEngineView* WebBrowser::view() const {
    return m_view;
}

QWebEnginePage* WebBrowser::page() const {
    return m_page;
}
