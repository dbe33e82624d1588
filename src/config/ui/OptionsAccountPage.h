#pragma once

#include "config/ui/OptionsPage.h"

namespace Ui {
class frmOptionen;
}

// The page "Kontodaten": e-mail, password, and where the password is kept.
class OptionsAccountPage : public OptionsPage {
    Q_OBJECT
public:
    OptionsAccountPage(Ui::frmOptionen& ui, QObject* parent);

    void load(const OptionsRules::OptionsForm& form) override;
    void store(OptionsRules::OptionsForm& form) const override;
    // The line under the password; a save may have found the keyring gone.
    void showPasswordStorage();

private:
    Ui::frmOptionen& m_ui;
};
