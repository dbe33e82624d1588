#include "account/ui/frmLogin.h"

#include "platform/ui/WidgetPrompts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kMinEmailChars = 36;
// The frame and inner margins of a line edit, generously.
constexpr int kTextMargin = 12;
} // namespace

frmLogin::frmLogin(QWidget* parent)
    : QDialog(parent), m_email(new QLineEdit(this)), m_password(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Kennwort eingeben"));
    m_email->setObjectName(QStringLiteral("txtEmail"));
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    // The address is shown, not asked for: the prompt answers the password only.
    m_email->setReadOnly(true);
    m_email->setMinimumWidth(m_email->fontMetrics().averageCharWidth() * kMinEmailChars);

    auto* form = new QFormLayout;
    auto* emailLabel = new QLabel(QStringLiteral("&eMail:"), this);
    emailLabel->setBuddy(m_email);
    auto* passwordLabel = new QLabel(QStringLiteral("&Kennwort:"), this);
    passwordLabel->setBuddy(m_password);
    form->addRow(emailLabel, m_email);
    form->addRow(passwordLabel, m_password);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] {
        m_answer = m_password->text();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_answer.clear();
        reject();
    });
    m_password->setFocus();
}

void frmLogin::setEmail(const QString& email) {
    m_email->setText(email);
    // Room for the whole address, however long, so that it is read at a glance.
    const int needed = m_email->fontMetrics().horizontalAdvance(email) + 2 * kTextMargin;
    m_email->setMinimumWidth(qMax(m_email->minimumWidth(), needed));
    adjustSize();
}

QString askForPassword(const QString& email, QWidget* parent) {
    frmLogin dialog(parent);
    dialog.setEmail(email);
    dialog.exec();
    // Closing by the frame runs neither button: the answer stays empty.
    return dialog.result() == QDialog::Accepted ? dialog.answer() : QString();
}

void registerLoginDialog() {
    WidgetPrompts::instance().registerDialog(QString::fromLatin1(Prompts::Dialog::Login),
                                             [](QWidget* parent, const QVariantMap& args) -> QVariant {
                                                 return askForPassword(
                                                     args.value(QStringLiteral("email")).toString(), parent);
                                             });
}
