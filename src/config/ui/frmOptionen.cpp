#include "config/ui/frmOptionen.h"

#include "widgets/Browser.h"
#include "config/CUrlStore.h"
#include "config/Colours.h"
#include "config/cOptionen.h"
#include "widgets/ColourPalette.h"
#include "outlook/ui/OutlookSection.h"
#include "platform/Prompts.h"
#include "platform/ui/WidgetPrompts.h"
#include "ui_frmOptionen.h"
#include "widgets/WebBrowser.h"
#include "widgets/FieldMark.h"
#include "widgets/TreeButton.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

using namespace OptionsRules;

namespace {

constexpr int kCaptionText = 9;
constexpr int kGrayText = 17;
constexpr qint32 kEntryHighlight = 16766923;
constexpr qint32 kEntryPlain = 16777215;

struct EntryDef {
    int page;
    const char16_t* caption;
    const char16_t* title;
    const char* name;
};
const EntryDef kEntries[] = {
    {frmOptionen::Kontodaten, u"Kontodaten", u"Kontodaten", "tvKontodaten"},
    {frmOptionen::Versandoptionen, u"Versandoptionen", u"Versandoptionen", "tvVersandoptionen"},
    {frmOptionen::Credits, u"Credits", u"Credits einkaufen", "tvCredits"},
    {frmOptionen::Terminversand, u"Terminversand", u"Terminversand", "tvTerminversand"},
    {frmOptionen::Server, u"Server", u"Velvox Server", "tvServer"},
    {frmOptionen::Proxy, u"Proxy", u"Proxy-Einstellungen", "tvProxy"},
    {frmOptionen::Outlook, u"Outlook", u"Outlook Integration", "tvOutlook"},
};

// Where the companion app is offered.
const QString kAppStoreAddress = QStringLiteral("https://apps.apple.com/app/velvox");
const QString kPlayStoreAddress =
    QStringLiteral("https://play.google.com/store/apps/details?id=example.velvox");
const QString kAppInfoPath = QStringLiteral("/app");

QColor sys(int n) {
    return toQColor(WinColor::system(n));
}

void setBackground(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace

frmOptionen::frmOptionen(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmOptionen>()), m_outlook(nullptr) {
    m_ui->setupUi(this);
    m_outlook = new OutlookSection(m_ui->pageOutlook);
    m_ui->layOutlook->addWidget(m_outlook);
    buildEntries();
    buildBrowsers();
    m_ui->lblAbsenderWarnung->hide();
    m_ui->lblKennwortHinweis->setBuddy(m_ui->txtKennwort);
    m_ui->lblEmail->setBuddy(m_ui->txtEmail);
    m_ui->lblKennwort->setBuddy(m_ui->txtKennwort);
    m_ui->lblAbsender->setBuddy(m_ui->txtAbsender);
    QPalette warn = m_ui->lblAbsenderWarnung->palette();
    warn.setColor(QPalette::WindowText, toQColor(Colours::darkRed()));
    m_ui->lblAbsenderWarnung->setPalette(warn);
    QFont title = m_ui->lblPageTitle->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    m_ui->lblPageTitle->setFont(title);
    m_ui->cmdOK->setDefault(true);

    Ui::frmOptionen& u = *m_ui;
    for (QLineEdit* t : {u.txtEmail, u.txtKennwort, u.txtProxy, u.txtPort})
        connect(t, &QLineEdit::textChanged, this, &frmOptionen::setDirty);
    for (QCheckBox* c : {u.chkLongSMS, u.chkAntwort}) {
        connect(c, &QCheckBox::toggled, this, [this] {
            setDirty();
            updateCost();
        });
    }
    for (QCheckBox* c : {u.chkPush, u.chkControlEmail})
        connect(c, &QCheckBox::toggled, this, &frmOptionen::setDirty);
    connect(u.chkAbsenderkennung, &QCheckBox::toggled, this, &frmOptionen::onSenderIdCheck);
    connect(u.txtAbsender, &QLineEdit::textEdited, this, &frmOptionen::onSenderIdEdited);
    connect(u.txtAbsender, &QLineEdit::textChanged, this, &frmOptionen::onSenderIdChanged);
    u.txtAbsender->installEventFilter(this);

    connect(u.chkXmlServer, &QCheckBox::toggled, this, &frmOptionen::serverRule);
    connect(u.optGruppenkonto, &QRadioButton::clicked, this, &frmOptionen::bookingRule);
    connect(u.optEigenesKonto, &QRadioButton::clicked, this, &frmOptionen::bookingRule);
    connect(u.cmdOrdnerWaehlen, &QPushButton::clicked, this, &frmOptionen::chooseFolder);

    for (QRadioButton* r : {u.optProxyCustom, u.optProxyDefault, u.optProxyNone}) {
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                proxyRule();
        });
    }
    u.txtPort->installEventFilter(this);
    connect(m_outlook, &OutlookSection::changed, this, &frmOptionen::setDirty);

    connect(u.cmdOK, &QPushButton::clicked, this, &frmOptionen::onOk);
    connect(u.cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(u.cmdUebernehmen, &QPushButton::clicked, this, [this] {
        if (apply())
            m_ui->cmdUebernehmen->setEnabled(false);
    });
    connect(u.cmdAppStore, &QPushButton::clicked, this, [] { openInBrowser(kAppStoreAddress); });
    connect(u.cmdPlayStore, &QPushButton::clicked, this, [] { openInBrowser(kPlayStoreAddress); });
    connect(u.cmdAppInfo, &QPushButton::clicked, this,
            [] { openInBrowser(urlStore().getHomepage() + kAppInfoPath); });
    connect(this, &QDialog::finished, this, [] { emit OptionsEvents::instance().closed(); });
}

frmOptionen::~frmOptionen() = default;

void frmOptionen::buildEntries() {
    for (const EntryDef& e : kEntries) {
        auto* b = new TreeButton(m_ui->boxPages);
        b->setObjectName(QString::fromLatin1(e.name));
        b->setCaption(QString::fromUtf16(e.caption));
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        m_ui->layPages->insertWidget(m_ui->layPages->count() - 1, b);
        const int page = e.page;
        connect(b, &TreeButton::Click, this, [this, page] {
            showPage(page);
            highlightEntry(page);
        });
    }
}

TreeButton* frmOptionen::entry(int page) const {
    for (const EntryDef& e : kEntries) {
        if (e.page == page)
            return findChild<TreeButton*>(QString::fromLatin1(e.name));
    }
    return nullptr;
}

void frmOptionen::paintPages() {
    const QColor face = sys(Colours::kButtonFace);
    for (int i = 0; i < m_ui->stkPages->count(); ++i) {
        QWidget* p = m_ui->stkPages->widget(i);
        QPalette pal = p->palette();
        pal.setColor(QPalette::Window, face);
        p->setPalette(pal);
    }
}

void frmOptionen::load() {
    m_loading = true;
    paintPages();
    m_applyFailed = false;
    const OptionsForm f = formFromSettings(options());
    Ui::frmOptionen& u = *m_ui;
    u.txtEmail->setText(f.email);
    u.txtKennwort->setText(f.password);
    showPasswordStorage();
    // The box first: its rule decides whether the reply box may be set.
    u.chkAbsenderkennung->setChecked(f.useSenderId);
    onSenderIdCheck();
    u.txtAbsender->setText(f.senderId);
    onSenderIdChanged();
    u.chkLongSMS->setChecked(f.longSms);
    u.chkAntwort->setChecked(f.reply);
    u.chkPush->setChecked(f.push);
    u.chkControlEmail->setChecked(f.controlEmail);

    u.chkXmlServer->setChecked(f.useServer);
    (f.groupBooking ? u.optGruppenkonto : u.optEigenesKonto)->setChecked(true);
    u.txtXmlUser->setText(f.serverUser);
    u.txtXmlGruppe->setText(f.serverGroup);
    u.txtXmlKey->setText(f.serverKey);
    u.txtXmlPfad->setText(f.serverFolder);

    u.txtProxy->setText(f.proxyHost);
    u.txtPort->setText(f.proxyPort);
    switch (f.proxyChoice) {
    case ProxyChoice::Custom:
        u.optProxyCustom->setChecked(true);
        break;
    case ProxyChoice::NoProxy:
        u.optProxyNone->setChecked(true);
        break;
    case ProxyChoice::SystemDefault:
        u.optProxyDefault->setChecked(true);
        break;
    }
    proxyRule();

    m_outlook->setChoice(
        OutlookChoice{f.outlookProfile, f.contactFolderName, f.contactStoreId, f.contactEntryId});
    serverRule();
    updateCost();
    m_loading = false;
    m_dirty = false;
    updateButtons();
    showPage(Kontodaten);
    highlightEntry(Kontodaten);
}

OptionsForm frmOptionen::form() const {
    const Ui::frmOptionen& u = *m_ui;
    OptionsForm f;
    f.email = u.txtEmail->text();
    f.password = u.txtKennwort->text();
    f.senderId = u.txtAbsender->text();
    f.useSenderId = u.chkAbsenderkennung->isChecked();
    f.longSms = u.chkLongSMS->isChecked();
    f.reply = u.chkAntwort->isChecked();
    f.push = u.chkPush->isChecked();
    f.controlEmail = u.chkControlEmail->isChecked();
    f.useServer = u.chkXmlServer->isChecked();
    f.groupBooking = u.optGruppenkonto->isChecked();
    f.singleBooking = u.optEigenesKonto->isChecked();
    f.serverUser = u.txtXmlUser->text();
    f.serverGroup = u.txtXmlGruppe->text();
    f.serverKey = u.txtXmlKey->text();
    f.serverFolder = u.txtXmlPfad->text();
    f.proxyChoice = u.optProxyCustom->isChecked() ? ProxyChoice::Custom
                    : u.optProxyNone->isChecked() ? ProxyChoice::NoProxy
                                                  : ProxyChoice::SystemDefault;
    f.proxyHost = u.txtProxy->text();
    f.proxyPort = u.txtPort->text();
    const OutlookChoice& o = m_outlook->choice();
    f.outlookProfile = o.profile;
    f.contactFolderName = o.folderName;
    f.contactStoreId = o.storeID;
    f.contactEntryId = o.entryID;
    return f;
}

void frmOptionen::showPage(int page) {
    Ui::frmOptionen& u = *m_ui;
    for (QPushButton* b : {u.cmdOK, u.cmdAbbrechen, u.cmdUebernehmen})
        b->show();
    for (WebBrowser* b : {m_creditsBrowser, m_cronBrowser})
        b->hide();
    const EntryDef* def = nullptr;
    for (const EntryDef& e : kEntries) {
        if (e.page == page)
            def = &e;
    }
    if (!def)
        return;
    m_page = page;
    u.stkPages->setCurrentIndex(page - 1);
    u.lblPageTitle->setText(QString::fromUtf16(def->title));
    if (page == Credits) {
        for (QPushButton* b : {u.cmdOK, u.cmdAbbrechen, u.cmdUebernehmen})
            b->hide();
    }
    if (page == Credits || page == Terminversand)
        openServicePage(page);
}

void frmOptionen::highlightEntry(int page) {
    m_highlighted = page;
    for (const EntryDef& e : kEntries) {
        if (TreeButton* b = entry(e.page))
            b->setThemedBackColor(toQColor(WinColor{e.page == page ? kEntryHighlight : kEntryPlain}));
    }
}

void frmOptionen::setDirty() {
    if (m_loading)
        return;
    m_dirty = true;
    updateButtons();
}

void frmOptionen::updateButtons() {
    // A sender id that cannot be sent is never applied, by either button.
    m_ui->cmdOK->setEnabled(m_senderAcceptable);
    m_ui->cmdUebernehmen->setEnabled(m_dirty && m_senderAcceptable);
}

// --- Send options ---------------------------------------------------------

void frmOptionen::onSenderIdCheck() {
    Ui::frmOptionen& u = *m_ui;
    const SendOptionStates s = sendOptionStates(u.chkAbsenderkennung->isChecked());
    u.lblAbsender->setEnabled(s.senderEnabled);
    u.txtAbsender->setEnabled(s.senderEnabled);
    if (!isFieldMarked(u.txtAbsender))
        setBackground(u.txtAbsender, sys(s.senderEnabled ? Colours::kWindow : Colours::kButtonFace));
    if (!s.replyEnabled)
        u.chkAntwort->setChecked(false);
    u.chkAntwort->setEnabled(s.replyEnabled);
    u.chkLongSMS->setEnabled(s.longSmsEnabled);
    setDirty();
    updateCost();
}

void frmOptionen::showSenderWarning(const QString& text) {
    m_ui->lblAbsenderWarnung->setText(text);
    m_ui->lblAbsenderWarnung->setVisible(!text.isEmpty());
}

void frmOptionen::onSenderIdEdited(const QString& text) {
    // Pasted or dropped text: typed characters never get this far.
    const QString kept = keepSenderIdChars(text);
    m_pasteStripped = kept != text;
    if (!m_pasteStripped)
        return;
    const int cursor = m_ui->txtAbsender->cursorPosition() - int(text.size() - kept.size());
    m_ui->txtAbsender->setText(kept);
    m_ui->txtAbsender->setCursorPosition(qMax(0, cursor));
}

void frmOptionen::onSenderIdChanged() {
    setDirty();
    const SenderIdState s = checkSenderId(m_ui->txtAbsender->text());
    // The field tells why part of a paste is missing, unless its length says more.
    showSenderWarning(s.warning.isEmpty() && m_pasteStripped ? onlyLettersAndDigitsText() : s.warning);
    markField(m_ui->txtAbsender, s.marked);
    if (!s.marked && !m_ui->txtAbsender->isEnabled())
        setBackground(m_ui->txtAbsender, sys(Colours::kButtonFace));
    m_senderAcceptable = s.acceptable;
    m_senderMaxLength = s.maxLength;
    updateButtons();
}

void frmOptionen::updateCost() {
    const Ui::frmOptionen& u = *m_ui;
    const CostDisplay c =
        costDisplay(u.chkAbsenderkennung->isChecked(), u.chkLongSMS->isChecked(), u.chkAntwort->isChecked());
    u.lblKosten->setText(c.costText);
    u.lblKostenDetail->setText(c.detailText);
}

// --- Company server ---------------------------------------------------------

void frmOptionen::bookingRule() {
    Ui::frmOptionen& u = *m_ui;
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

void frmOptionen::serverRule() {
    Ui::frmOptionen& u = *m_ui;
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

void frmOptionen::chooseFolder() {
    const QString chosen = Prompts::dialog(QString::fromLatin1(Prompts::Dialog::ChooseFolder),
                                           {{QStringLiteral("title"), folderPromptText()},
                                            {QStringLiteral("start"), m_ui->txtXmlPfad->text()}})
                               .toString();
    if (!chosen.isEmpty()) {
        if (const QString problem = serverFolderProblem(chosen); !problem.isEmpty()) {
            Prompts::show(Prompts::Icon::Warning, messageTitle(), problem);
            return;
        }
    }
    // A cancelled browser empties the folder.
    m_ui->txtXmlPfad->setText(chosen);
}

// --- Proxy --------------------------------------------------------------------

void frmOptionen::proxyRule() {
    const bool custom = m_ui->optProxyCustom->isChecked();
    m_ui->txtProxy->setEnabled(custom);
    m_ui->txtPort->setEnabled(custom);
    setDirty();
}

bool frmOptionen::portLeft() {
    const QString port = m_ui->txtPort->text().trimmed();
    if (port.isEmpty())
        return true;
    const QString problem = portProblem(port);
    if (problem.isEmpty())
        return true;
    Prompts::show(Prompts::Icon::None, messageTitle(), problem);
    QTimer::singleShot(0, m_ui->txtPort, [port = QPointer<QLineEdit>(m_ui->txtPort)] {
        if (port)
            port->setFocus();
    });
    return false;
}

// --- Service pages --------------------------------------------------------------

void frmOptionen::buildBrowsers() {
    const auto make = [this](QWidget* box, int page) {
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* b = new WebBrowser(box);
        b->setObjectName(page == Credits ? QStringLiteral("brwCredits") : QStringLiteral("brwTerminversand"));
        layout->addWidget(b);
        b->hide();
        connect(b, &WebBrowser::beforeNavigate, this, [this](const QString& target, bool* cancel) {
            if (!isCloseLink(target))
                return;
            *cancel = true;
            // Not from inside the browser's callback: the dialog may be deleted on close.
            QTimer::singleShot(0, this, &QDialog::reject);
        });
        connect(b, &WebBrowser::documentComplete, this, [this, page] { onPageLoaded(page); });
        return b;
    };
    m_creditsBrowser = make(m_ui->boxBrowserCredits, Credits);
    m_cronBrowser = make(m_ui->boxBrowserTerminversand, Terminversand);
}

WebBrowser* frmOptionen::browser(int page) const {
    return page == Credits ? m_creditsBrowser : page == Terminversand ? m_cronBrowser : nullptr;
}

void frmOptionen::onPageLoaded(int page) {
    QLabel* loading = page == Credits ? m_ui->lblLadenCredits : m_ui->lblLadenTerminversand;
    QProgressBar* animation = page == Credits ? m_ui->aniLadenCredits : m_ui->aniLadenTerminversand;
    loading->hide();
    animation->hide();
    if (m_page != page)
        return;
    // The first web view turns the dialog's window into a new one, which a
    // desktop without a window manager puts back into the corner.
    const QPoint at = pos();
    browser(page)->show();
    QTimer::singleShot(0, this, [this, at] {
        // Qt may still believe in the old place: step aside and back.
        move(at + QPoint(1, 0));
        move(at);
    });
}

QString frmOptionen::pageAddress(int page) const {
    return page == Credits ? m_creditsAddress : page == Terminversand ? m_cronAddress : QString();
}

void frmOptionen::openServicePage(int page) {
    const QColor face = sys(Colours::kButtonFace);
    const QString colour = colourText(face.red(), face.green(), face.blue());
    const QString email = options().Username;
    const QString password = getPassword();
    QString& address = page == Credits ? m_creditsAddress : m_cronAddress;
    address = page == Credits ? buyCreditsAddress(urlStore().getBuyCredits(), email, password, colour)
                              : editCronAddress(urlStore().getEditCronSMS(), email, password, colour);
    (page == Credits ? m_ui->lblLadenCredits : m_ui->lblLadenTerminversand)->show();
    (page == Credits ? m_ui->aniLadenCredits : m_ui->aniLadenTerminversand)->show();
    browser(page)->navigate(address);
}

// --- Apply --------------------------------------------------------------------

void frmOptionen::showPasswordStorage() {
    const QString note = passwordStorageNote();
    m_ui->lblKennwortAblage->setText(note);
    m_ui->lblKennwortAblage->setVisible(!note.isEmpty());
}

bool frmOptionen::apply() {
    const ApplyResult r = applyOptions(form(), options());
    m_applyFailed = !r.ok();
    // The save may have found the keyring gone.
    showPasswordStorage();
    // A folder that cannot be used is not taken, but the rest was saved.
    if (r.ok() || r.failure == ApplyFailure::ServerFolder) {
        emit applied();
        emit OptionsEvents::instance().applied();
    }
    if (r.ok())
        return true;
    if (!r.message.isEmpty())
        Prompts::show(Prompts::Icon::None, messageTitle(), r.message);
    switch (r.failure) {
    case ApplyFailure::ProxyHost:
    case ApplyFailure::ProxyPort: {
        // What was saved: everything else, with the system's proxy.
        emit applied();
        emit OptionsEvents::instance().applied();
        showPage(Proxy);
        QLineEdit* field = r.failure == ApplyFailure::ProxyHost ? m_ui->txtProxy : m_ui->txtPort;
        if (field->isEnabled())
            field->setFocus();
        break;
    }
    case ApplyFailure::ServerFolder:
        showPage(Server);
        break;
    case ApplyFailure::SenderId:
        showPage(Versandoptionen);
        break;
    case ApplyFailure::None:
        break;
    }
    return false;
}

void frmOptionen::onOk() {
    const bool ok = apply();
    m_applyFailed = false;
    if (ok)
        accept();
}

bool frmOptionen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->txtAbsender && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        m_pasteStripped = false;
        const QString text = key->text();
        if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F ||
            (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            return QDialog::eventFilter(watched, event);
        for (const QChar c : text) {
            if (!isSenderIdChar(c)) {
                if (m_ui->lblAbsenderWarnung->isHidden())
                    showSenderWarning(onlyLettersAndDigitsText());
                return true;
            }
        }
        // The length limit of typing; a paste is left whole so its rule can speak.
        QLineEdit* field = m_ui->txtAbsender;
        if (field->text().size() - field->selectedText().size() + text.size() > m_senderMaxLength)
            return true;
    }
    if (watched == m_ui->txtPort && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftForCancel = QApplication::focusWidget() == m_ui->cmdAbbrechen;
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !leftForCancel &&
            isVisible())
            portLeft();
    }
    return QDialog::eventFilter(watched, event);
}

// --- Opening ------------------------------------------------------------------

OptionsEvents& OptionsEvents::instance() {
    static OptionsEvents events;
    return events;
}

namespace {

QPointer<frmOptionen>& shown() {
    static QPointer<frmOptionen> dialog;
    return dialog;
}

void enter(frmOptionen& d, int page, bool moveHighlight) {
    if (page != frmOptionen::Kontodaten)
        d.showPage(page);
    if (moveHighlight)
        d.highlightEntry(page);
}

// The open dialog, brought to the front on the page; false when none is open.
bool toFront(int page, bool moveHighlight) {
    frmOptionen* d = shown();
    if (!d)
        return false;
    d->showPage(page);
    if (moveHighlight)
        d->highlightEntry(page);
    d->raise();
    d->activateWindow();
    return true;
}

void openModal(QWidget* owner, int page, bool moveHighlight) {
    if (toFront(page, moveHighlight))
        return;
    frmOptionen dialog(owner);
    shown() = &dialog;
    dialog.load();
    enter(dialog, page, moveHighlight);
    dialog.exec();
}

} // namespace

frmOptionen* openOptionsDialog() {
    return shown();
}

void showOptions(QWidget* owner) {
    openModal(owner, frmOptionen::Kontodaten, false);
}

void showBuyCredits(QWidget* owner) {
    openModal(owner, frmOptionen::Credits, false);
}

void showOptionTerminversand(QWidget* owner) {
    openModal(owner, frmOptionen::Terminversand, true);
}

void showOptionen(QWidget* owner) {
    if (toFront(frmOptionen::Versandoptionen, false))
        return;
    auto* dialog = new frmOptionen(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    shown() = dialog;
    dialog->load();
    enter(*dialog, frmOptionen::Versandoptionen, false);
    dialog->show();
}

void registerOptionsDialog() {
    WidgetPrompts& prompts = WidgetPrompts::instance();
    prompts.registerDialog(QString::fromLatin1(Prompts::Dialog::Options),
                           [](QWidget* parent, const QVariantMap& args) -> QVariant {
                               const QString page = args.value(QStringLiteral("page")).toString();
                               if (page == QLatin1String("absender"))
                                   showOptionen(parent);
                               else if (page == QLatin1String("credits"))
                                   showBuyCredits(parent);
                               else if (page == QLatin1String("terminversand"))
                                   showOptionTerminversand(parent);
                               else
                                   showOptions(parent);
                               return {};
                           });
}
