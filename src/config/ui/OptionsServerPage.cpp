#include "config/ui/OptionsServerPage.h"

#include "config/ui/OptionsPalette.h"
#include "platform/Prompts.h"
#include "ui_frmOptionen.h"

using namespace OptionsRules;
using namespace OptionsPalette;

// Its changes leave "Übernehmen" as it was: the page never reports one.
OptionsServerPage::OptionsServerPage(Ui::frmOptionen& ui, QObject* parent) : OptionsPage(parent), m_ui(ui) {
    connect(m_ui.chkXmlServer, &QCheckBox::toggled, this, &OptionsServerPage::serverRule);
    connect(m_ui.optGruppenkonto, &QRadioButton::clicked, this, &OptionsServerPage::bookingRule);
    connect(m_ui.optEigenesKonto, &QRadioButton::clicked, this, &OptionsServerPage::bookingRule);
    connect(m_ui.cmdOrdnerWaehlen, &QPushButton::clicked, this, &OptionsServerPage::chooseFolder);
}

void OptionsServerPage::load(const OptionsForm& f) {
    m_ui.chkXmlServer->setChecked(f.useServer);
    (f.groupBooking ? m_ui.optGruppenkonto : m_ui.optEigenesKonto)->setChecked(true);
    m_ui.txtXmlUser->setText(f.serverUser);
    m_ui.txtXmlGruppe->setText(f.serverGroup);
    m_ui.txtXmlKey->setText(f.serverKey);
    m_ui.txtXmlPfad->setText(f.serverFolder);
    serverRule();
}

void OptionsServerPage::store(OptionsForm& f) const {
    f.useServer = m_ui.chkXmlServer->isChecked();
    f.groupBooking = m_ui.optGruppenkonto->isChecked();
    f.singleBooking = m_ui.optEigenesKonto->isChecked();
    f.serverUser = m_ui.txtXmlUser->text();
    f.serverGroup = m_ui.txtXmlGruppe->text();
    f.serverKey = m_ui.txtXmlKey->text();
    f.serverFolder = m_ui.txtXmlPfad->text();
}

void OptionsServerPage::bookingRule() {
    Ui::frmOptionen& u = m_ui;
    const ServerStates s = serverStates(u.chkXmlServer->isChecked(), u.optGruppenkonto->isChecked(),
                                        u.optEigenesKonto->isChecked());
    if (s.useSingle && !u.optEigenesKonto->isChecked())
        u.optEigenesKonto->setChecked(true);
    for (QLineEdit* t : {u.txtXmlGruppe, u.txtXmlKey}) {
        t->setEnabled(s.groupAndKeyEnabled);
        setBackground(t, sys(s.groupAndKeyEnabled ? kCaptionText : Colours::kButtonFace));
    }
    for (QLabel* l : {u.lblXmlGruppe, u.lblXmlKey})
        setTextColour(l, sys(s.groupAndKeyEnabled ? Colours::kButtonText : kGrayText));
}

void OptionsServerPage::serverRule() {
    Ui::frmOptionen& u = m_ui;
    const bool on = u.chkXmlServer->isChecked();
    u.optGruppenkonto->setEnabled(on);
    u.optEigenesKonto->setEnabled(on);
    bookingRule();
    u.txtXmlUser->setEnabled(on);
    u.cmdOrdnerWaehlen->setEnabled(on);
    const QColor text = sys(on ? Colours::kButtonText : kGrayText);
    for (QWidget* w : {static_cast<QWidget*>(u.lblXmlUser), static_cast<QWidget*>(u.lblXmlPfad),
                       static_cast<QWidget*>(u.txtXmlPfad)})
        setTextColour(w, text);
    for (QLineEdit* t : {u.txtXmlUser, u.txtXmlPfad})
        setBackground(t, sys(on ? kCaptionText : Colours::kButtonFace));
}

void OptionsServerPage::chooseFolder() {
    const QString chosen = Prompts::dialog(QString::fromLatin1(Prompts::Dialog::ChooseFolder),
                                           {{QStringLiteral("title"), folderPromptText()},
                                            {QStringLiteral("start"), m_ui.txtXmlPfad->text()}})
                               .toString();
    if (!chosen.isEmpty()) {
        if (const QString problem = serverFolderProblem(chosen); !problem.isEmpty()) {
            Prompts::show(Prompts::Icon::Warning, messageTitle(), problem);
            return;
        }
    }
    // A cancelled browser empties the folder.
    m_ui.txtXmlPfad->setText(chosen);
}
