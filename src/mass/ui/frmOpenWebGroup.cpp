#include "mass/ui/frmOpenWebGroup.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/ProxyConfig.h"
#include "config/cOptionen.h"
#include "mass/WebGroup.h"
#include "mass/ui/frmMultiSMS.h"
#include "messaging/ServiceContract.h"
#include "platform/Prompts.h"
#include "platform/Transfer.h"
#include "widgets/WebBrowser.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
// Long enough for a big group over a slow line, short of the send's minute.
constexpr int kDownloadTimeoutMs = 30000;
} // namespace

frmOpenWebGroup::frmOpenWebGroup(frmMultiSMS& target, QWidget* parent)
    : QDialog(parent), m_target(&target), m_browser(new WebBrowser(this)), m_iNet(new Transfer(this)),
      m_stack(new QStackedWidget(this)), m_animation(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmOpenWebGroup"));
    setWindowTitle(QStringLiteral("Gruppe öffnen"));
    setWindowModality(Qt::WindowModal);
    m_iNet->setTimeoutMs(kDownloadTimeoutMs);

    auto* header = new QLabel(QStringLiteral("Gruppe öffnen"), this);
    header->setObjectName(QStringLiteral("lblHeader"));
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    auto* line = new QLabel(
        QStringLiteral("Öffnet eine der im Internet gespeicherten Gruppen zum Massenversand."), this);
    line->setObjectName(QStringLiteral("lblHeaderLine"));

    m_browser->setObjectName(QStringLiteral("web"));
    auto* loading = new QWidget(this);
    auto* loadingText = new QLabel(QStringLiteral("Die Daten werden geladen "), loading);
    loadingText->setObjectName(QStringLiteral("lblLoading"));
    m_animation->setObjectName(QStringLiteral("aniLoading"));
    m_animation->setRange(0, 0); // runs without a known end
    m_animation->setTextVisible(false);
    auto* loadingLayout = new QVBoxLayout(loading);
    loadingLayout->addStretch(1);
    loadingLayout->addWidget(loadingText, 0, Qt::AlignHCenter);
    loadingLayout->addWidget(m_animation);
    loadingLayout->addStretch(1);
    m_stack->addWidget(m_browser);
    m_stack->addWidget(loading);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(line);
    layout->addWidget(m_stack, 1);
    resize(560, 520);

    connect(m_browser, &WebBrowser::beforeNavigate, this, &frmOpenWebGroup::onBeforeNavigate);
    connect(this, &QDialog::finished, this, [this] {
        if (m_target)
            m_target->recalcMaxSizes();
    });
}

void frmOpenWebGroup::start() {
    ProxyConfig::configure(*m_iNet);
    const QString password = getPassword();
    m_browser->navigate(WebGroup::pageAddress(urlStore().getWebGroup(), options().Username, password));
    open();
}

void frmOpenWebGroup::onBeforeNavigate(const QString& target, bool* cancel) {
    if (ServiceContract::isGroupLink(target)) {
        *cancel = true;
        if (m_loading)
            return;
        const std::optional<QString> file =
            ServiceContract::groupFileFromLink(target, urlStore().getWebGroupDir());
        // Loaded after the browser's callback has returned: the window may close.
        QMetaObject::invokeMethod(
            this,
            [this, file] {
                if (!file) {
                    Prompts::show(Prompts::Icon::Warning, Product::applicationTitle(),
                                  WebGroup::loadFailedText());
                    return;
                }
                if (loadGroup(*file))
                    close();
            },
            Qt::QueuedConnection);
    } else if (ServiceContract::isCloseLink(target)) {
        *cancel = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void frmOpenWebGroup::showLoading(bool loading) {
    m_loading = loading;
    m_stack->setCurrentIndex(loading ? 1 : 0);
}

bool frmOpenWebGroup::loadGroup(const QString& fileAddress) {
    showLoading(true);
    bool ok = false;
    const QByteArray bytes = m_iNet->openUrlBytes(fileAddress, &ok);
    const std::optional<QList<RecipientEntry>> entries =
        ok && m_iNet->lastStatus() == 200 ? WebGroup::parseGroupFile(bytes) : std::nullopt;
    showLoading(false);
    if (!entries || !m_target) {
        // The list stays as it was; the page stays for another choice.
        Prompts::show(Prompts::Icon::Warning, Product::applicationTitle(), WebGroup::loadFailedText());
        return false;
    }
    m_target->replaceEntries(*entries);
    return true;
}

// A download under way finishes first; its outcome decides about the list.
void frmOpenWebGroup::closeEvent(QCloseEvent* event) {
    if (m_loading) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmOpenWebGroup::reject() {
    if (!m_loading)
        QDialog::reject();
}

void attachWebGroups(frmMultiSMS& window) {
    QObject::connect(&window, &frmMultiSMS::openWebRequested, &window, [w = &window] {
        auto* dialog = new frmOpenWebGroup(*w, w);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->start();
    });
    window.setWebGroupsAvailable(true);
}
