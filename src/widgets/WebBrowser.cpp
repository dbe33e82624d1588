#include "widgets/WebBrowser.h"

#include "platform/ui/DesktopShell.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Links the page hands over are wrapped in this scheme, with the target
// exactly as the page wrote it: the browser would otherwise parse
// "telefon://Name@0043664/123" as an address with a host and hand the program
// "0.0.71.180".
const QString kWrapScheme = QStringLiteral("velvox-link");
// Runs in its own script world before the page's scripts, in every frame.
// The page cannot reach it, but its listeners see the page's clicks and
// navigations. A link is handed over as "velvox-link:" + origin + ":" +
// target, the origin "page" or, for a real click of the user, the click token
// (%1): only such a click may hand a mail address to the desktop. Each page
// has its own token, which its scripts cannot read, so they cannot forge one.
const char kLinkScript[] = R"JS(
(function (clickToken) {
    var shown = /^(https?|data|qrc):/i;
    var ignored = /^(velvox-link|javascript|about|blob):/i;
    function handOver(raw, from) {
        window.location.href = 'velvox-link:' + from + ':' + encodeURIComponent(raw);
    }
    window.addEventListener('click', function (e) {
        if (e.defaultPrevented || !e.target || !e.target.closest)
            return;
        var a = e.target.closest('a[href]');
        if (!a)
            return;
        var raw = a.getAttribute('href').trim();
        if (!/^[a-z][a-z0-9+.\-]*:/i.test(raw) || shown.test(raw) || ignored.test(raw))
            return;
        e.preventDefault();
        handOver(raw, e.isTrusted ? clickToken : 'page');
    }, true);
    // Assignments to location and the like: the target as the script wrote it.
    if (window.navigation) {
        window.navigation.addEventListener('navigate', function (e) {
            var to = e.destination.url;
            if (!e.cancelable || shown.test(to) || ignored.test(to))
                return;
            e.preventDefault();
            setTimeout(function () { handOver(to, 'page'); }, 0);
        });
    }
})('%1');
)JS";

// Runs in the page's own world: a window the page opens for a link of
// another scheme would follow it where nobody watches, so such a link goes
// through this page, where it is reported (and cancelled) like any other.
const char kOpenScript[] = R"JS(
(function () {
    var open = window.open;
    window.open = function (target) {
        var raw = typeof target === 'string' ? target.trim() : '';
        if (/^[a-z][a-z0-9+.\-]*:/i.test(raw) && !/^(https?|data|qrc|about|blob|javascript):/i.test(raw)) {
            window.location.href = raw;
            return null;
        }
        return open.apply(window, arguments);
    };
})();
)JS";

// What the browser may show itself; everything else is cancelled.
bool browserCanShow(const QUrl& url) {
    static const QStringList schemes = {
        QStringLiteral("http"),
        QStringLiteral("https"),
        QStringLiteral("data"),
        QStringLiteral("qrc"),
    };
    return schemes.contains(url.scheme(), Qt::CaseInsensitive);
}

QString schemeOf(const QString& target) {
    const qsizetype colon = target.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : target.left(colon).trimmed().toLower();
}

// The program's own links, which its windows act on.
bool isOwnLink(const QString& target) {
    static const QStringList schemes = {
        QStringLiteral("telefon"),
        QStringLiteral("close"),
        QStringLiteral("gruppe"),
    };
    return schemes.contains(schemeOf(target));
}

QWebEngineScript makeScript(const QString& name, const QString& source, quint32 world) {
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(world);
    script.setRunsOnSubFrames(true);
    return script;
}

Q_LOGGING_CATEGORY(pageConsole, "velvox.page", QtWarningMsg)

// Console lines of a page quote its address, which may carry the password.
QString withoutQueries(QString text) {
    static const QRegularExpression query(QStringLiteral(R"(([a-zA-Z][a-zA-Z0-9+.\-]*:[^\s?#"']*)[?#][^\s"']*)"));
    return text.replace(query, QStringLiteral("\\1"));
}

} // namespace

class LinkWatchingPage : public QWebEnginePage {
public:
    LinkWatchingPage(WebBrowser* browser, QObject* parent)
        : QWebEnginePage(parent), m_browser(browser),
          m_clickToken(QUuid::createUuid().toString(QUuid::Id128)) {}

    QString clickToken() const { return m_clickToken; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        Q_UNUSED(isMainFrame)
        if (url.scheme() == kWrapScheme) {
            const QString wrapped = url.path(QUrl::FullyEncoded);
            const qsizetype colon = wrapped.indexOf(QLatin1Char(':'));
            const QString from = wrapped.left(colon);
            const QString raw = QUrl::fromPercentEncoding(wrapped.mid(colon + 1).toUtf8());
            m_browser->acceptTarget(raw, false, colon > 0 && from == m_clickToken);
            return false;
        }
        // Content set directly on the page, not a link.
        if (url.scheme() == QLatin1String("data") && type == NavigationTypeTyped)
            return true;
        return m_browser->acceptTarget(QString::fromUtf8(url.toEncoded()), browserCanShow(url), false);
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override {
        // Qt's own version prints every line to standard error, addresses and
        // all. Here only on request, and without anything after a "?".
        qCDebug(pageConsole).noquote() << int(level) << withoutQueries(source) << line << withoutQueries(message);
    }

private:
    WebBrowser* m_browser;
    const QString m_clickToken;
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

    // An English page quoting the failed address says nothing the user can use.
    m_page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    m_page->scripts().insert(makeScript(QStringLiteral("velvox-links"),
                                        QString::fromLatin1(kLinkScript).arg(m_page->clickToken()),
                                        QWebEngineScript::ApplicationWorld));
    m_page->scripts().insert(
        makeScript(QStringLiteral("velvox-open"), QString::fromLatin1(kOpenScript), QWebEngineScript::MainWorld));

    m_view->setPage(m_page);
    connect(m_page, &QWebEnginePage::urlChanged, this, &WebBrowser::navigateComplete);
    connect(m_page, &QWebEnginePage::loadFinished, this,
            [this](bool ok) { emit documentComplete(m_page->url(), ok); });
    m_layout->addWidget(m_view);
    return m_view;
}

bool WebBrowser::acceptTarget(const QString& target, bool browserCanShow, bool userClick) {
    bool cancel = false;
    emit beforeNavigate(target, &cancel);
    if (cancel)
        return false;
    if (browserCanShow)
        return true;
    const QPointer<WebBrowser> self(this);
    if (isOwnLink(target)) {
        // Nothing to show for it (and the desktop must not get it): report it
        // as done, after the browser's callback has returned, so a handler may
        // close the window.
        QMetaObject::invokeMethod(
            this,
            [self, target] {
                if (self)
                    emit self->navigateComplete(QUrl(target, QUrl::TolerantMode));
            },
            Qt::QueuedConnection);
    } else if (userClick && schemeOf(target) == QLatin1String("mailto")) {
        // Only the user's own click on a mail link starts the mail program.
        QMetaObject::invokeMethod(
            this, [self, target] { if (self) DesktopShell::openTarget(target); }, Qt::QueuedConnection);
    }
    // Anything else (other schemes, or a mail link a script followed) goes nowhere.
    return false;
}

void WebBrowser::releaseView() {
    if (!m_view)
        return;
    m_page->disconnect(this);
    m_view->hide();
    m_layout->removeWidget(m_view);
    // Not deleteLater(): a window closed outside the event loop it was shown
    // from would keep its view, and the view its processes, until the end.
    QTimer::singleShot(0, qApp, [view = QPointer<QWebEngineView>(m_view)] { delete view.data(); });
    m_view = nullptr;
    m_page = nullptr;
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

void prepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level"))
        flags += " --log-level=3";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}
