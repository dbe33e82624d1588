#pragma once

#include "messaging/CreditBalance.h"

#include <QObject>
#include <QTimer>

class QLabel;
class Transfer;
struct SendContext;

// The credit balance label of the main window and its refresh timer; the
// balance itself is kept in the send context, where the credit check reads it.
class CreditDisplay : public QObject {
    Q_OBJECT
public:
    CreditDisplay(QLabel* credits, QLabel* buyCredits, SendContext& context, QObject* parent = nullptr);

    // The second transfer component of the main window.
    Transfer& iNet2() { return *m_iNet2; }
    QTimer& tmCredits() { return m_tmCredits; }
    int tickCounter() const { return m_ticks; }

    void refreshCredits();
    void onTick();

private:
    void apply(const CreditBalance::Display& d);

    QLabel* m_credits;
    QLabel* m_buy;
    SendContext& m_context;
    Transfer* m_iNet2;
    QTimer m_tmCredits;
    qint16 m_ticks = 0;
    bool m_refreshing = false;
    bool m_again = false;
};
