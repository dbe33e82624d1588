#include "config/ui/OptionsAccountPage.h"

#include "ui_frmOptionen.h"

OptionsAccountPage::OptionsAccountPage(Ui::frmOptionen& ui, QObject* parent) : OptionsPage(parent), m_ui(ui) {
    m_ui.lblKennwortHinweis->setBuddy(m_ui.txtKennwort);
    m_ui.lblEmail->setBuddy(m_ui.txtEmail);
    m_ui.lblKennwort->setBuddy(m_ui.txtKennwort);
    for (QLineEdit* t : {m_ui.txtEmail, m_ui.txtKennwort})
        connect(t, &QLineEdit::textChanged, this, &OptionsPage::changed);
}

void OptionsAccountPage::load(const OptionsRules::OptionsForm& form) {
    m_ui.txtEmail->setText(form.email);
    m_ui.txtKennwort->setText(form.password);
    showPasswordStorage();
}

void OptionsAccountPage::store(OptionsRules::OptionsForm& form) const {
    form.email = m_ui.txtEmail->text();
    form.password = m_ui.txtKennwort->text();
}

void OptionsAccountPage::showPasswordStorage() {
    const QString note = OptionsRules::passwordStorageNote();
    m_ui.lblKennwortAblage->setText(note);
    m_ui.lblKennwortAblage->setVisible(!note.isEmpty());
}
