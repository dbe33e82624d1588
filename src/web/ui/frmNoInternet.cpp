#include "web/ui/frmNoInternet.h"

#include "platform/Prompts.h"
#include "platform/ui/WidgetPrompts.h"
#include "web/UpdateCheck.h"
#include "widgets/WebBrowser.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmNoInternet::frmNoInternet(QWidget* parent)
    : QDialog(parent), m_browser(new WebBrowser(this)),
      m_retry(new QPushButton(QStringLiteral("Erneut versuchen"), this)),
      m_options(new QPushButton(QStringLiteral("Einstellungen"), this)),
      m_quit(new QPushButton(QStringLiteral("Beenden"), this)) {
    setObjectName(QStringLiteral("frmNoInternet"));
    setWindowTitle(QStringLiteral("Kein Internet"));
    setModal(true);
    m_browser->setObjectName(QStringLiteral("wbNoInternet"));
    m_retry->setObjectName(QStringLiteral("cmdRetry"));
    m_options->setObjectName(QStringLiteral("cmdOptions"));
    m_quit->setObjectName(QStringLiteral("cmdQuit"));
    m_retry->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_retry);
    buttons->addWidget(m_options);
    buttons->addWidget(m_quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
    resize(520, 400);
    connect(m_retry, &QPushButton::clicked, this, [this] { choose(UpdateCheck::kRetry); });
    connect(m_quit, &QPushButton::clicked, this, [this] { choose(UpdateCheck::kQuit); });
    // The window stays while the options are changed (a proxy, for instance).
    connect(m_options, &QPushButton::clicked, this,
            [] { Prompts::dialog(QString::fromLatin1(Prompts::Dialog::Options)); });
    m_browser->showStoredPage(QStringLiteral("NOINTERNET.HTML"));
}

void frmNoInternet::choose(const char* choice) {
    m_choice = QString::fromLatin1(choice);
    accept();
}

void registerNoInternetDialog() {
    WidgetPrompts::instance().registerDialog(QString::fromLatin1(Prompts::Dialog::NoInternet),
                                             [](QWidget* parent, const QVariantMap&) -> QVariant {
                                                 frmNoInternet window(parent);
                                                 window.exec();
                                                 if (window.choice().isEmpty())
                                                     return {};
                                                 return window.choice();
                                             });
}
