#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the account password when none is stored. Closing by the frame
// counts as "Abbrechen".
class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);

    void setEmail(const QString& email);
    QString answer() const { return m_answer; }

private:
    QLineEdit* m_email;
    QLineEdit* m_password;
    QString m_answer;
};

// Shows the prompt modally and returns the typed password, empty when cancelled.
QString askForPassword(const QString& email, QWidget* parent = nullptr);
// Makes the prompt reachable through the prompts seam.
void registerLoginDialog();
