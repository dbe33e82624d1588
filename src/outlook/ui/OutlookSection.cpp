#include "outlook/ui/OutlookSection.h"

#include "outlook/OutlookAddin.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}
QLineEdit* makeField(const QString& name, QWidget* parent) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    // Filled by the choices only: a typed name would have no ids behind it.
    f->setReadOnly(true);
    return f;
}
} // namespace

OutlookSection::OutlookSection(QWidget* parent)
    : QWidget(parent), m_profile(makeField(QStringLiteral("txtOutlookProfile"), this)),
      m_contacts(makeField(QStringLiteral("txtOutlookContacts"), this)) {
    setObjectName(QStringLiteral("boxOutlook"));
    auto* chooseProfile =
        makeButton(QStringLiteral("cmdOutlookProfile"), QStringLiteral("Profile wählen"), this);
    auto* chooseFolder =
        makeButton(QStringLiteral("cmdOulookChooseContacts"), QStringLiteral("Ordner wählen"), this);
    auto* registerAddin =
        makeButton(QStringLiteral("cmdOutlookRegister"), QStringLiteral("Velvox Plugin installieren"), this);

    auto* grid = new QGridLayout;
    auto* profileLabel = new QLabel(QStringLiteral("dieses Outlook Profil verwenden"), this);
    profileLabel->setBuddy(m_profile);
    auto* contactsLabel = new QLabel(QStringLiteral("diese Outlook Adressbuch verwenden"), this);
    contactsLabel->setBuddy(m_contacts);
    grid->addWidget(profileLabel, 0, 0, 1, 2);
    grid->addWidget(m_profile, 1, 0);
    grid->addWidget(chooseProfile, 1, 1);
    grid->addWidget(contactsLabel, 2, 0, 1, 2);
    grid->addWidget(m_contacts, 3, 0);
    grid->addWidget(chooseFolder, 3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(registerAddin, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(chooseProfile, &QPushButton::clicked, this, [this] {
        OutlookChoice next = m_choice;
        OutlookSettings::chooseProfile(next);
        if (next.profile != m_choice.profile) {
            display(next);
            emit changed();
        }
    });
    connect(chooseFolder, &QPushButton::clicked, this, [this] {
        OutlookChoice next = m_choice;
        if (OutlookSettings::chooseFolder(next)) {
            display(next);
            emit changed();
        }
    });
    connect(registerAddin, &QPushButton::clicked, this, [] { OutlookAddin::registerOutlookAddin(); });
}

void OutlookSection::setChoice(const OutlookChoice& choice) {
    display(choice);
}

void OutlookSection::display(const OutlookChoice& choice) {
    m_choice = choice;
    m_profile->setText(choice.profile);
    m_contacts->setText(choice.folderName);
}
