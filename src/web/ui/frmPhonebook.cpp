#include "web/ui/frmPhonebook.h"

#include "widgets/WebBrowser.h"

#include <QCloseEvent>
#include <QVBoxLayout>

frmPhonebook::frmPhonebook(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new WebBrowser(this)) {
    setObjectName(QStringLiteral("frmPhonebook"));
    setWindowTitle(QStringLiteral("Telefonbuch"));
    m_browser->setObjectName(QStringLiteral("wbPhonebook"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(360, 600);
}

void frmPhonebook::placeBeside(QWidget* mainWindow) {
    if (m_main)
        m_main->removeEventFilter(this);
    m_main = mainWindow;
    if (m_main)
        m_main->installEventFilter(this);
    dock();
}

void frmPhonebook::dock() {
    if (!m_main)
        return;
    const QRect mainFrame = m_main->frameGeometry();
    // What the frame adds to the inner size, so the frames line up.
    const int frameExtra = frameGeometry().height() - height();
    resize(width(), qMax(1, mainFrame.height() - frameExtra));
    move(mainFrame.right() + 1, mainFrame.top());
}

bool frmPhonebook::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_main && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        dock();
    return QWidget::eventFilter(watched, event);
}

void frmPhonebook::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Only a shown window knows its frame.
    dock();
}

void frmPhonebook::closeEvent(QCloseEvent* event) {
    if (m_main)
        m_main->removeEventFilter(this);
    m_main = nullptr;
    m_browser->releaseView();
    event->accept();
    emit closed();
}
