#include "account/ui/frmFirstTime.h"

#include "account/AccountRequests.h"
#include "account/FirstStart.h"
#include "config/Colours.h"
#include "config/Product.h"
#include "config/ProxyConfig.h"
#include "config/cOptionen.h"
#include "platform/Transfer.h"
#include "widgets/WebBrowser.h"
#include "widgets/FieldMark.h"

#include "ui_frmFirstTime.h"

#include <QCloseEvent>
#include <QTimer>

namespace {

WinColor windowColour() {
    return WinColor::system(Colours::kWindow);
}
WinColor faceColour() {
    return WinColor::system(Colours::kButtonFace);
}
WinColor mismatchColour() {
    return WinColor::rgb(255, 255, 192);
}

} // namespace

frmFirstTime::frmFirstTime(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::frmFirstTime>()), m_iNet(new Transfer(this)) {
    m_ui->setupUi(this);
    ProxyConfig::configure(*m_iNet);
    m_iNet->setTimeoutMs(AccountRequests::kTimeoutMs);

    const QString product = Product::productName();
    setWindowTitle(product);
    m_ui->lblHeader->setText(product);
    QFont headerFont = m_ui->lblHeader->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.6);
    headerFont.setBold(true);
    m_ui->lblHeader->setFont(headerFont);
    m_ui->lblVersion->setText(Product::versionLabel());
    m_ui->optAccount0->setText(QStringLiteral("Ich habe bereits ein ") + product + QStringLiteral(" Konto"));
    // The warning line keeps its room when hidden, so the fields do not jump.
    QSizePolicy keep = m_ui->lblWarning->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_ui->lblWarning->setSizePolicy(keep);
    m_ui->lblWarning->hide();
    m_ui->boxWait->setMinimumSize(300, 90);
    m_ui->lblWait->setAlignment(Qt::AlignCenter);
    m_ui->boxWait->hide();
    QPalette warning = m_ui->lblWarning->palette();
    warning.setColor(QPalette::WindowText, Qt::darkRed);
    m_ui->lblWarning->setPalette(warning);

    // Editing a field clears its mark at once.
    for (QLineEdit* field :
         {m_ui->txtOldEmail, m_ui->txtPassword, m_ui->txtName, m_ui->txtFirstName, m_ui->txtEmail,
          m_ui->txtEmailRepeat, m_ui->txtStrasse, m_ui->txtPLZ, m_ui->txtOrt}) {
        connect(field, &QLineEdit::textChanged, this, [field] { colourField(field, windowColour()); });
    }
    m_ui->txtPassword->installEventFilter(this);
    m_ui->cmdActivate->setEnabled(false);
    connect(m_ui->txtPasswordNew, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_ui->cmdActivate->setEnabled(!t.isEmpty()); });

    connect(m_ui->cmdNext, &QPushButton::clicked, this,
            [this] { m_ui->pages->setCurrentWidget(m_ui->pageAccount); });
    connect(m_ui->optAccount0, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            selectOption(0);
    });
    connect(m_ui->optAccount1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            selectOption(1);
    });
    connect(m_ui->cmdDoIt, &QPushButton::clicked, this, &frmFirstTime::doIt);
    connect(m_ui->cmdActivate, &QPushButton::clicked, this, &frmFirstTime::activateNewAccount);
    connect(m_ui->cmdBack, &QPushButton::clicked, this, [this] {
        showWait(false);
        m_ui->pages->setCurrentWidget(m_ui->pageAccount);
    });
    connect(m_ui->cmdSkip, &QPushButton::clicked, this, [this] {
        FirstStart::skip();
        close();
    });
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    m_ui->optAccount0->setChecked(true);
    selectOption(0);
    if (options().WaitingForPassword) {
        // The registration is done; only the mailed password is missing.
        m_ui->cmdBack->hide();
        showCompletion(FirstStart::completionText(false));
    } else {
        // The browser is created only here: the completion page never needs it.
        m_browser = new WebBrowser(m_ui->boxBrowser);
        m_browser->setObjectName(QStringLiteral("webIntro"));
        m_ui->layBrowser->addWidget(m_browser);
        m_browser->showStoredPage(QStringLiteral("FIRSTSTART.HTML"));
        m_ui->pages->setCurrentWidget(m_ui->pageIntro);
    }
}

frmFirstTime::~frmFirstTime() = default;

QList<QWidget*> frmFirstTime::existingGroup() const {
    return {m_ui->txtOldEmail, m_ui->txtPassword};
}

QList<QWidget*> frmFirstTime::newGroup() const {
    return {m_ui->txtName,        m_ui->txtFirstName, m_ui->txtFirma, m_ui->txtEmail,
            m_ui->txtEmailRepeat, m_ui->txtTelefon,   m_ui->txtFax,   m_ui->txtStrasse,
            m_ui->txtPLZ,         m_ui->txtOrt,       m_ui->txtLand,  m_ui->txtGutscheincode};
}

void frmFirstTime::selectOption(int index) {
    const bool existing = index == 0;
    for (QWidget* field : existingGroup()) {
        field->setEnabled(existing);
        colourField(field, existing ? windowColour() : faceColour());
    }
    m_ui->chkRememberPassword->setEnabled(existing);
    for (QWidget* field : newGroup()) {
        field->setEnabled(!existing);
        colourField(field, existing ? faceColour() : windowColour());
    }
    // The labels of the selected group's required fields stand out.
    const QList<QLabel*> existingRequired{m_ui->lblOldEmail, m_ui->lblPassword};
    const QList<QLabel*> newRequired{m_ui->lblName,        m_ui->lblFirstName, m_ui->lblEmail,
                                     m_ui->lblEmailRepeat, m_ui->lblStrasse,   m_ui->lblPLZOrt};
    for (QLabel* label : existingRequired + newRequired) {
        QFont f = label->font();
        f.setBold(existingRequired.contains(label) == existing);
        label->setFont(f);
    }
    m_ui->cmdDoIt->setText(existing ? QStringLiteral("Kontodaten überprüfen und anmelden")
                                    : QStringLiteral("Neues Konto anlegen"));
}

AccountFields::ExistingAccount frmFirstTime::existingAccount() const {
    return {m_ui->txtOldEmail->text(), m_ui->txtPassword->text(), m_ui->chkRememberPassword->isChecked()};
}

AccountFields::NewAccount frmFirstTime::newAccount() const {
    AccountFields::NewAccount a;
    a.name = m_ui->txtName->text();
    a.firstName = m_ui->txtFirstName->text();
    a.firma = m_ui->txtFirma->text();
    a.email = m_ui->txtEmail->text();
    a.emailRepeat = m_ui->txtEmailRepeat->text();
    a.telefon = m_ui->txtTelefon->text();
    a.fax = m_ui->txtFax->text();
    a.strasse = m_ui->txtStrasse->text();
    a.plz = m_ui->txtPLZ->text();
    a.ort = m_ui->txtOrt->text();
    a.land = m_ui->txtLand->text();
    a.gutscheincode = m_ui->txtGutscheincode->text();
    return a;
}

void frmFirstTime::applyMarks(const AccountFields::Check& check) {
    for (auto it = check.marks.cbegin(); it != check.marks.cend(); ++it) {
        auto* field = findChild<QLineEdit*>(it.key());
        if (!field)
            continue;
        switch (it.value()) {
        case AccountFields::Mark::Normal:
            colourField(field, windowColour());
            break;
        case AccountFields::Mark::Missing:
            colourField(field, Colours::lightRed());
            break;
        case AccountFields::Mark::Mismatch:
            colourField(field, mismatchColour());
            break;
        }
    }
}

void frmFirstTime::showWarning(const QString& text) {
    m_ui->lblWarning->setText(text);
    m_ui->lblWarning->setVisible(!text.isEmpty());
}

void frmFirstTime::doIt() {
    showWarning({});
    if (m_ui->optAccount0->isChecked())
        loginExistingAccount();
    else
        createNewAccount();
}

void frmFirstTime::loginExistingAccount() {
    const AccountFields::ExistingAccount a = existingAccount();
    const AccountFields::Check check = AccountFields::validateExistingAccountFields(a);
    applyMarks(check);
    if (!check.ok())
        return showWarning(check.warning);
    AccountRequests::Reply reply;
    if (!request([&] { reply = AccountRequests::checkUser(*m_iNet, a.email, a.password); }))
        return;
    if (FirstStart::signIn(reply, a))
        return (void)close();
    m_ui->txtOldEmail->selectAll();
    showWait(false);
    m_ui->txtOldEmail->setFocus();
}

void frmFirstTime::createNewAccount() {
    const AccountFields::NewAccount a = newAccount();
    const AccountFields::Check check = AccountFields::validateNewAccountFields(a);
    applyMarks(check);
    showWarning(check.warning);
    if (!check.ok() || !FirstStart::termsAccepted())
        return;
    AccountRequests::Reply reply;
    if (!request([&] { reply = AccountRequests::createNewAccount(*m_iNet, a); }))
        return;
    if (FirstStart::registerAccount(reply, a)) {
        m_ui->cmdBack->show();
        showCompletion(FirstStart::completionText(true));
    }
    showWait(false);
}

void frmFirstTime::activateNewAccount() {
    const QString password = m_ui->txtPasswordNew->text();
    const bool remember = m_ui->chkRememberPasswordNew->isChecked();
    AccountRequests::Reply reply;
    if (!request([&] { reply = AccountRequests::checkUser(*m_iNet, options().Username, password); }))
        return;
    if (FirstStart::activateAccount(reply, password, remember))
        return (void)close();
    showWait(false);
    m_ui->txtPasswordNew->setFocus();
    m_ui->txtPasswordNew->selectAll();
}

void frmFirstTime::showCompletion(const QString& text) {
    m_ui->lblDone->setText(text);
    m_ui->pages->setCurrentWidget(m_ui->pageDone);
}

bool frmFirstTime::request(const std::function<void()>& send) {
    showWait(true);
    QCoreApplication::processEvents();
    m_busy = true;
    send();
    m_busy = false;
    if (m_closed) {
        // Closed while waiting: the hand-over has happened; only the window is left.
        deleteLater();
        return false;
    }
    return true;
}

void frmFirstTime::showWait(bool on) {
    m_ui->boxContent->setEnabled(!on);
    if (on) {
        m_ui->boxWait->adjustSize();
        m_ui->boxWait->move((width() - m_ui->boxWait->width()) / 2, (height() - m_ui->boxWait->height()) / 2);
        m_ui->boxWait->raise();
    }
    m_ui->boxWait->setVisible(on);
}

void frmFirstTime::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_ui->boxWait->isVisible())
        showWait(true);
}

bool frmFirstTime::eventFilter(QObject* watched, QEvent* event) {
    // After the focus change, so a mouse click does not undo the selection.
    if (watched == m_ui->txtPassword && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_ui->txtPassword, &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

void frmFirstTime::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    hide();
    emit closed();
    // A waiting request still runs on this window's stack: it deletes the window when it returns.
    if (!m_busy)
        deleteLater();
}
