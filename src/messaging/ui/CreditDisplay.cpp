#include "messaging/ui/CreditDisplay.h"

#include "config/CUrlStore.h"
#include "config/Colours.h"
#include "config/cOptionen.h"
#include "widgets/ColourPalette.h"
#include "messaging/CreditBalance.h"
#include "messaging/SendContext.h"
#include "messaging/ServiceContract.h"
#include "platform/Transfer.h"

#include <QLabel>

namespace {
constexpr int kBalanceTimeoutMs = 15000;
} // namespace

CreditDisplay::CreditDisplay(QLabel* credits, QLabel* buyCredits, SendContext& context, QObject* parent)
    : QObject(parent), m_credits(credits), m_buy(buyCredits), m_context(context), m_iNet2(new Transfer(this)) {
    // The fetch blocks the window while it waits: a dead line must not hold it for a minute.
    m_iNet2->setTimeoutMs(kBalanceTimeoutMs);
    m_tmCredits.setInterval(CreditBalance::kRefreshIntervalMs);
    connect(&m_tmCredits, &QTimer::timeout, this, &CreditDisplay::onTick);
    m_tmCredits.start();
}

void CreditDisplay::refreshCredits() {
    // The fetch lets events run, so a send's reply can ask for a fetch while
    // one is under way; the running one then fetches once more, so an older
    // answer never has the last word.
    if (m_refreshing) {
        m_again = true;
        return;
    }
    m_refreshing = true;
    do {
        m_again = false;
        bool ok = false;
        const QString reply =
            m_iNet2->openUrl(ServiceContract::balanceUrl(urlStore().getSmsCount(), options().Username), &ok);
        apply(CreditBalance::interpretBalanceReply(reply, ok));
    } while (m_again);
    m_refreshing = false;
}

void CreditDisplay::apply(const CreditBalance::Display& d) {
    m_credits->setText(d.labelText);
    if (d.enabled == CreditBalance::Enabled::On)
        m_credits->setEnabled(true);
    else if (d.enabled == CreditBalance::Enabled::Off)
        m_credits->setEnabled(false);
    m_context.creditBalance = d.balance;
    m_buy->setVisible(d.low);
    QPalette p = m_credits->palette();
    p.setColor(QPalette::WindowText, d.low ? toQColor(Colours::darkRed())
                                           : toQColor(WinColor::system(Colours::kButtonText)));
    m_credits->setPalette(p);
}

void CreditDisplay::onTick() {
    if (CreditBalance::tickFetches(m_ticks))
        refreshCredits();
}
