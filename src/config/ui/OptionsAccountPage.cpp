#include "config/ui/OptionsAccountPage.h"

#include "config/cOptionen.h"
#include "ui_frmOptionen.h"

OptionsAccountPage::OptionsAccountPage(Ui::frmOptionen& ui, QObject* parent) : OptionsPage(parent), m_ui(ui) {
    m_ui.lblKennwortHinweis->setBuddy(m_ui.txtKennwort);
    m_ui.lblEmail->setBuddy(m_ui.txtEmail);
    m_ui.lblKennwort->setBuddy(m_ui.txtKennwort);
    m_ui.lblUebertragungen->setBuddy(m_ui.spnUebertragungen);
    m_ui.spnUebertragungen->setRange(cOptionen::kMinParallel, cOptionen::kMaxParallel);
    for (QLineEdit* t : {m_ui.txtEmail, m_ui.txtKennwort})
        connect(t, &QLineEdit::textChanged, this, &OptionsPage::changed);
    connect(m_ui.spnUebertragungen, &QSpinBox::valueChanged, this, &OptionsPage::changed);
}

void OptionsAccountPage::load(const OptionsRules::OptionsForm& form) {
    m_ui.txtEmail->setText(form.email);
    m_ui.txtKennwort->setText(form.password);
    m_ui.spnUebertragungen->setValue(form.parallelTransfers);
    showPasswordStorage();
}

void OptionsAccountPage::store(OptionsRules::OptionsForm& form) const {
    form.email = m_ui.txtEmail->text();
    form.password = m_ui.txtKennwort->text();
    form.parallelTransfers = m_ui.spnUebertragungen->value();
}

void OptionsAccountPage::showPasswordStorage() {
    const QString note = OptionsRules::passwordStorageNote();
    m_ui.lblKennwortAblage->setText(note);
    m_ui.lblKennwortAblage->setVisible(!note.isEmpty());
}
