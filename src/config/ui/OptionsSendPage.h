#pragma once

#include "config/ui/OptionsPage.h"

namespace Ui {
class frmOptionen;
}

// The page "Versandoptionen": the sender id with its typing and paste rules,
// the options that go with it, their cost, and the companion app's links.
class OptionsSendPage : public OptionsPage {
    Q_OBJECT
public:
    OptionsSendPage(Ui::frmOptionen& ui, QObject* parent);

    void load(const OptionsRules::OptionsForm& form) override;
    void store(OptionsRules::OptionsForm& form) const override;
    // False while the sender id cannot be sent: neither button may apply it.
    bool acceptable() const { return m_acceptable; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onSenderIdCheck();
    void onSenderIdEdited(const QString& text);
    void onSenderIdChanged();
    void showSenderWarning(const QString& text);
    void updateCost();

    Ui::frmOptionen& m_ui;
    bool m_acceptable = true;
    int m_maxLength = OptionsRules::kSenderIdMaxLetters;
    bool m_pasteStripped = false; // the last edit dropped characters of a paste
};
