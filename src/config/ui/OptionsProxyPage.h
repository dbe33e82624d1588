#pragma once

#include "config/ui/OptionsPage.h"

namespace Ui {
class frmOptionen;
}

// The page "Proxy-Einstellungen": the proxy choice, host and port; a port
// that is no port is reported as the field is left.
class OptionsProxyPage : public OptionsPage {
    Q_OBJECT
public:
    OptionsProxyPage(Ui::frmOptionen& ui, QObject* parent);

    void load(const OptionsRules::OptionsForm& form) override;
    void store(OptionsRules::OptionsForm& form) const override;
    // After an apply refused the proxy: the field at fault takes the focus.
    void focusFault(OptionsRules::ApplyFailure failure);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void proxyRule();
    void portLeft();

    Ui::frmOptionen& m_ui;
};
