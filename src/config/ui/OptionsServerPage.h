#pragma once

#include "config/ui/OptionsPage.h"

namespace Ui {
class frmOptionen;
}

// The page "Velvox Server": the hand-over of requests to the company server,
// its booking choice, its account fields and its folder.
class OptionsServerPage : public OptionsPage {
    Q_OBJECT
public:
    OptionsServerPage(Ui::frmOptionen& ui, QObject* parent);

    void load(const OptionsRules::OptionsForm& form) override;
    void store(OptionsRules::OptionsForm& form) const override;

private:
    void serverRule();
    void bookingRule();
    void chooseFolder();

    Ui::frmOptionen& m_ui;
};
