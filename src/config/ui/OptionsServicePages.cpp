#include "config/ui/OptionsServicePages.h"

#include "config/CUrlStore.h"
#include "config/OptionsRules.h"
#include "config/cOptionen.h"
#include "config/ui/OptionsPalette.h"
#include "config/ui/frmOptionen.h"
#include "ui_frmOptionen.h"
#include "widgets/WebBrowser.h"

#include <QTimer>
#include <QVBoxLayout>

using namespace OptionsRules;

OptionsServicePages::OptionsServicePages(Ui::frmOptionen& ui, QObject* parent) : QObject(parent), m_ui(ui) {
    m_credits = make(m_ui.boxBrowserCredits, frmOptionen::Credits);
    m_cron = make(m_ui.boxBrowserTerminversand, frmOptionen::Terminversand);
}

WebBrowser* OptionsServicePages::make(QWidget* box, int page) {
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* b = new WebBrowser(box);
    b->setObjectName(page == frmOptionen::Credits ? QStringLiteral("brwCredits")
                                                  : QStringLiteral("brwTerminversand"));
    layout->addWidget(b);
    b->hide();
    connect(b, &WebBrowser::beforeNavigate, this, [this](const QString& target, bool* cancel) {
        if (!isCloseLink(target))
            return;
        *cancel = true;
        // Not from inside the browser's callback: the dialog may be deleted on close.
        QTimer::singleShot(0, this, &OptionsServicePages::closeRequested);
    });
    connect(b, &WebBrowser::documentComplete, this, [this, page] {
        const bool credits = page == frmOptionen::Credits;
        (credits ? m_ui.lblLadenCredits : m_ui.lblLadenTerminversand)->hide();
        (credits ? m_ui.aniLadenCredits : m_ui.aniLadenTerminversand)->hide();
        emit loaded(page);
    });
    return b;
}

void OptionsServicePages::hideBrowsers() {
    m_credits->hide();
    m_cron->hide();
}

WebBrowser* OptionsServicePages::browser(int page) const {
    return page == frmOptionen::Credits ? m_credits : page == frmOptionen::Terminversand ? m_cron : nullptr;
}

QString OptionsServicePages::address(int page) const {
    return page == frmOptionen::Credits         ? m_creditsAddress
           : page == frmOptionen::Terminversand ? m_cronAddress
                                                : QString();
}

void OptionsServicePages::open(int page) {
    const bool credits = page == frmOptionen::Credits;
    const QColor face = OptionsPalette::sys(Colours::kButtonFace);
    const QString colour = colourText(face.red(), face.green(), face.blue());
    const QString email = options().Username;
    const QString password = getPassword();
    QString& address = credits ? m_creditsAddress : m_cronAddress;
    address = credits ? buyCreditsAddress(urlStore().getBuyCredits(), email, password, colour)
                      : editCronAddress(urlStore().getEditCronSMS(), email, password, colour);
    (credits ? m_ui.lblLadenCredits : m_ui.lblLadenTerminversand)->show();
    (credits ? m_ui.aniLadenCredits : m_ui.aniLadenTerminversand)->show();
    browser(page)->navigate(address);
}
