#include "account/ui/frmAGBs.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "platform/ui/WidgetPrompts.h"
#include "widgets/WebBrowser.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmAGBs::frmAGBs(QWidget* parent)
    : QDialog(parent), m_browser(new WebBrowser(this)),
      m_accept(new QPushButton(QStringLiteral("Akzeptieren"), this)),
      m_cancel(new QPushButton(QStringLiteral("Abbrechen"), this)) {
    setObjectName(QStringLiteral("frmAGBs"));
    setWindowTitle(QStringLiteral("AGBs ") + Product::productName());
    resize(640, 540);
    m_browser->setObjectName(QStringLiteral("webAGB"));
    m_accept->setObjectName(QStringLiteral("cmdAccept"));
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    // Nobody accepts terms they could not read.
    m_accept->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_accept);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);

    connect(m_browser, &WebBrowser::documentComplete, this, [this](const QUrl&, bool ok) {
        if (ok)
            m_accept->setEnabled(true);
    });
    connect(m_accept, &QPushButton::clicked, this, [this] {
        m_answer = true;
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_answer = false;
        reject();
    });
    m_browser->navigate(urlStore().getAGB());
}

bool acceptAGBs(QWidget* parent) {
    frmAGBs dialog(parent);
    dialog.exec();
    return dialog.answer();
}

void registerTermsDialog() {
    WidgetPrompts::instance().registerDialog(
        QString::fromLatin1(Prompts::Dialog::Terms),
        [](QWidget* parent, const QVariantMap&) -> QVariant { return acceptAGBs(parent); });
}
