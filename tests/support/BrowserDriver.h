#pragma once

// Drives a WebBrowser in GUI tests (header only: the support library itself
// does not link the browser). Everything waits with the event loop running.

#include "widgets/WebBrowser.h"

#include <QSignalSpy>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace BrowserDriver {

inline constexpr int kPageTimeoutMs = 20000;

// Runs JavaScript in the page and returns its result (invalid on time-out).
inline QVariant evaluate(WebBrowser& browser, const QString& script, int timeoutMs = kPageTimeoutMs) {
    if (!browser.page())
        return {};
    bool done = false;
    QVariant result;
    browser.page()->runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, timeoutMs))
        return {};
    return result;
}

// The text of the page's body as shown.
inline QString bodyText(WebBrowser& browser) {
    return evaluate(browser, QStringLiteral("document.body ? document.body.innerText : ''")).toString();
}

// Clicks the element with that id as a user would (the click event runs
// through the page's handlers and the link's default action).
inline bool clickElement(WebBrowser& browser, const QString& id) {
    return evaluate(browser, QStringLiteral("(function(){var e=document.getElementById('%1');"
                                            "if(!e)return false;e.click();return true;})()")
                                 .arg(id))
        .toBool();
}

// Clicks the first link whose text is exactly text.
inline bool clickLink(WebBrowser& browser, const QString& text) {
    const QString quoted = QString(text)
                               .replace(QLatin1Char('\\'), QLatin1String("\\\\"))
                               .replace(QLatin1Char('\''), QLatin1String("\\'"));
    return evaluate(browser, QStringLiteral("(function(){var a=Array.from(document.querySelectorAll('a'))"
                                            ".find(function(e){return e.textContent==='%1';});"
                                            "if(!a)return false;a.click();return true;})()")
                                 .arg(quoted))
        .toBool();
}

// Waits until the page shown contains text (for loads started elsewhere).
inline bool waitForText(WebBrowser& browser, const QString& text, int timeoutMs = kPageTimeoutMs) {
    return QTest::qWaitFor([&] { return browser.page() && bodyText(browser).contains(text); }, timeoutMs);
}

// Waits for the next documentComplete of a load started by call(); returns
// whether the page loaded.
template <typename Start>
bool loadAndWait(WebBrowser& browser, Start&& call, int timeoutMs = kPageTimeoutMs) {
    QSignalSpy done(&browser, &WebBrowser::documentComplete);
    call();
    if (!done.wait(timeoutMs))
        return false;
    return done.last().at(1).toBool();
}

} // namespace BrowserDriver
