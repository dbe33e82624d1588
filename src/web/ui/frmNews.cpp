#include "web/ui/frmNews.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/ProxyConfig.h"
#include "config/cOptionen.h"
#include "platform/Transfer.h"
#include "web/ContactLink.h"
#include "web/UpdateCheck.h"
#include "widgets/WebBrowser.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

frmNews::frmNews(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), m_main(mainWindow), m_headline(new QLabel(this)),
      m_browser(new WebBrowser(this)), m_iNet(new Transfer(this)) {
    setObjectName(QStringLiteral("frmNews"));
    setAttribute(Qt::WA_DeleteOnClose);
    ProxyConfig::configure(*m_iNet);
    const QString product = Product::productName();
    setWindowTitle(product);
    m_headline->setObjectName(QStringLiteral("lblHeadline"));
    m_headline->setText(QStringLiteral("Neues von ") + product);
    QFont bold = m_headline->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_headline->setFont(bold);
    m_browser->setObjectName(QStringLiteral("wbNews"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_headline);
    layout->addWidget(m_browser, 1);
    resize(560, 480);
    connect(m_browser, &WebBrowser::navigateComplete, this, &frmNews::onNavigateComplete);
    connect(m_browser, &WebBrowser::documentComplete, this, &frmNews::onDocumentComplete);
}

void frmNews::closeEvent(QCloseEvent* event) {
    m_browser->releaseView();
    QWidget::closeEvent(event);
}

void frmNews::checkForInfo() {
    const UpdateCheck::NewsDecision d =
        UpdateCheck::checkForInfo(*m_iNet, urlStore().getCheckInfo(), options());
    if (d.action == UpdateCheck::NewsDecision::Show)
        m_browser->navigate(urlStore().getNews());
    else if (d.action == UpdateCheck::NewsDecision::Unload)
        close();
}

void frmNews::onNavigateComplete(const QUrl& url) {
    if (!ContactLink::isCloseLink(QString::fromUtf8(url.toEncoded())))
        return;
    close();
    if (m_main)
        m_main->activateWindow();
}

void frmNews::onDocumentComplete(const QUrl& url, bool ok) {
    // A page that did not load is not shown: there is nothing to read, and
    // a hidden window would keep its browser processes for nothing.
    if (!ok) {
        close();
        return;
    }
    if (url.toString() == QLatin1String("http:///") || ContactLink::isCloseLink(url.toString()))
        return;
    show();
    raise();
    activateWindow();
}
