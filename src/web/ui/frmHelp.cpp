#include "web/ui/frmHelp.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "widgets/WebBrowser.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmHelp::frmHelp(QWidget* parent)
    : QWidget(parent, Qt::Window), m_header(new QWidget(this)), m_logo(new QLabel(m_header)),
      m_browser(new WebBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(Product::productName() + QStringLiteral(" Hilfe"));
    m_header->setObjectName(QStringLiteral("boxHeader"));
    m_header->setAutoFillBackground(true);
    QPalette band = m_header->palette();
    band.setColor(QPalette::Window, QColor(0x1d, 0x3f, 0x6e));
    m_header->setPalette(band);
    m_logo->setObjectName(QStringLiteral("picLogo"));
    m_logo->setPixmap(
        QPixmap(QStringLiteral(":/images/header.png")).scaledToHeight(48, Qt::SmoothTransformation));
    m_browser->setObjectName(QStringLiteral("wbHelp"));

    // The layouts keep the rules on every resize: the header spans the width,
    // the logo keeps its distance from the right edge, the browser fills the rest.
    auto* headerLayout = new QHBoxLayout(m_header);
    headerLayout->setContentsMargins(8, 6, logoMarginPx(logicalDpiX()), 6);
    headerLayout->addStretch(1);
    headerLayout->addWidget(m_logo);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addWidget(m_browser, 1);
    resize(720, 560);
}

int frmHelp::logoMarginPx(double dpi) {
    return qRound(800.0 * dpi / 1440.0);
}

void frmHelp::closeEvent(QCloseEvent* event) {
    m_browser->releaseView();
    QWidget::closeEvent(event);
}

void frmHelp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_browser->view())
        m_browser->navigate(urlStore().getHelppage());
}
