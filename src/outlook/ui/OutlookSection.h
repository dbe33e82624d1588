#pragma once

#include "outlook/OutlookSettings.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

// The section "Outlook Integration" of the options dialog: the profile and
// contact folder for the add-in, held here until the dialog applies, and the
// add-in's registration.
class OutlookSection : public QWidget {
    Q_OBJECT
public:
    explicit OutlookSection(QWidget* parent = nullptr);

    void setChoice(const OutlookChoice& choice);
    const OutlookChoice& choice() const { return m_choice; }

signals:
    // Profile or folder changed.
    void changed();

private:
    void display(const OutlookChoice& choice);

    QLineEdit* m_profile;
    QLineEdit* m_contacts;
    OutlookChoice m_choice;
};
