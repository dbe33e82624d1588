#include "app/frmMain.h"

#include "app/BalloonHelp.h"
#include "app/JournalStart.h"
#include "widgets/Browser.h"
#include "widgets/HeaderArea.h"
#include "app/Theme.h"
#include "app/ToolbarSetup.h"
#include "app/TrayController.h"
#include "app/WindowPlacement.h"
#include "app/frmSplash.h"
#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/ProxyConfig.h"
#include "config/cOptionen.h"
#include "config/ui/frmOptionen.h"
#include "history/SendJournal.h"
#include "history/ui/frmVerlauf.h"
#include "lists/clsMRU.h"
#include "lists/ui/SignatureListController.h"
#include "mass/ui/MassMode.h"
#include "mass/ui/frmMultiSMS.h"
#include "messaging/SendContext.h"
#include "messaging/SendSession.h"
#include "messaging/ui/CreditDisplay.h"
#include "messaging/ui/MessageEditor.h"
#include "messaging/ui/OptionPanels.h"
#include "messaging/ui/RecipientInput.h"
#include "messaging/ui/SendWorkflow.h"
#include "platform/Prompts.h"
#include "platform/ToolRegistry.h"
#include "platform/Transfer.h"
#include "web/ui/PhonebookDock.h"
#include "web/ui/UpdateNotice.h"
#include "web/ui/frmHelp.h"
#include "web/ui/frmNews.h"
#include "web/ui/frmPhonebook.h"
#include "widgets/AppIcon.h"
#include "widgets/ToolbarButton.h"
#include "ui_frmMain.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace {
const QString kX = QStringLiteral("x");
const QString kY = QStringLiteral("y");
const QString kLastPrefix = QStringLiteral("lastPrefix");
const QString kLastNumber = QStringLiteral("lastNumber");
const QString kLastText = QStringLiteral("lastText");
} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::frmMain>()), m_tray(new TrayController(this)),
      m_context(std::make_unique<SendContext>()), m_mru(std::make_unique<clsMRU>()),
      m_journal(std::make_unique<SendJournal>()) {
    m_ui->setupUi(this);
    setWindowTitle(Product::productName());
    m_header = std::make_unique<HeaderArea>(m_ui->lblHeaderText, m_ui->imgWarning, m_ui->imgInformation);

    // The built-in design: a dark header band with light text.
    QPalette headerPalette = m_ui->boxHeader->palette();
    headerPalette.setColor(QPalette::Window, QColor(0x1d, 0x3f, 0x6e));
    headerPalette.setColor(QPalette::WindowText, Qt::white);
    m_ui->boxHeader->setPalette(headerPalette);
    QFont titleFont = m_ui->lblHeaderTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_ui->lblHeaderTitle->setFont(titleFont);
    m_ui->lblCopyright->setText(QStringLiteral("© ") + Product::defaultCopyright());
    m_ui->picHeader->setPixmap(QPixmap(QStringLiteral(":/images/header.png")));
    setWindowIcon(appIcon());
    m_ui->lblEmpfaenger->setBuddy(m_ui->cmbName);
    m_ui->lblRufnummer->setBuddy(m_ui->txtNummer);
    m_ui->lblNachricht->setBuddy(m_ui->txtSMS);
    // The reuse offer reads and behaves like a link.
    QFont linkFont = m_ui->lblReuseText->font();
    linkFont.setUnderline(true);
    m_ui->lblReuseText->setFont(linkFont);
    m_ui->lblReuseText->setCursor(Qt::PointingHandCursor);
    QPalette linkPalette = m_ui->lblReuseText->palette();
    linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Link));
    m_ui->lblReuseText->setPalette(linkPalette);
    m_ui->lblBuyCredits->setFont(linkFont);
    m_ui->lblBuyCredits->setCursor(Qt::PointingHandCursor);
    m_ui->lblVersion->setText(Product::versionLabel());

    connect(m_tray, &TrayController::secondaryVisibilityChanged, this, &frmMain::setSecondaryVisible);
    setUpToolbar(*m_ui);
    composeControllers();
}

void frmMain::composeControllers() {
    Ui::frmMain& u = *m_ui;
    m_recipient = new RecipientInput({u.cmbVorwahl, u.cmbName, u.txtNummer, u.txtKostenProSMS, u.chkPrivat, u.chkPublic},
                                     *m_header, this);
    m_editor = new MessageEditor({u.txtSMS, u.txtZeichen, u.txtAnzahlSMS, u.txtZeichenMultiSMS, u.txtAnzahlProNachricht,
                                  u.txtAnzahlMultiSMS, u.tbSend, u.boxReuseLastSMS, u.tbReplaceName, u.tbReplaceFrei1,
                                  u.tbReplaceFrei2},
                                 *m_context, *m_header, this);
    m_session = new SendSession(this);
    m_session->setRecord(m_journal.get());
    // A mass run keeps as many requests under way as the options say.
    m_session->setWindow(SendSession::kWindowFromOptions);
    m_credits = new CreditDisplay(u.lblCredits, u.lblBuyCredits, *m_context, this);
    m_optionPanels = new OptionPanels(u.optionsBar, this);
    m_signatures = new SignatureListController(
        {u.lvSignaturen, u.tbAddSignature, u.tbEditSignature, u.tbDeleteSignature, u.txtSMS}, this);
    connect(m_optionPanels, &OptionPanels::costChanged, m_recipient, &RecipientInput::updateCostPerSms);
    connect(m_optionPanels, &OptionPanels::sizeChanged, m_editor, &MessageEditor::recalcSmsSize);
    connect(m_optionPanels, &OptionPanels::optionenRequested, this, [] {
        Prompts::dialog(QString::fromLatin1(Prompts::Dialog::Options), {{QStringLiteral("page"), QStringLiteral("absender")}});
    });
    m_workflow = new SendWorkflow({this, u.cmbVorwahl, u.cmbName, u.txtNummer, u.txtSMS, u.txtAnzahlSMS,
                                   u.txtAnzahlMultiSMS, u.lblReuseText, u.boxReuseLastSMS, u.chkPrivat, u.chkPublic},
                                  {*m_context, *m_header, *m_recipient, *m_editor, *m_session, *m_credits, *m_mru}, this);
    // The balance fetched right after starting a send may predate its charge.
    connect(m_session, &SendSession::singleReplyHandled, m_credits, &CreditDisplay::refreshCredits);

    connect(u.tbSend, &ToolbarButton::Click, m_workflow, &SendWorkflow::onSendClicked);
    // "Senden" from the keyboard without leaving the message.
    auto* sendKey = new QShortcut(u.txtSMS);
    sendKey->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    sendKey->setContext(Qt::WidgetShortcut);
    connect(sendKey, &QShortcut::activated, u.tbSend, &ToolbarButton::click);
    connect(u.tbTerminversand, &ToolbarButton::Click, m_workflow, &SendWorkflow::onScheduledSendClicked);
    connect(u.tbAdmin, &ToolbarButton::Click, this, [] { openInBrowser(urlStore().getHomepage()); });
    m_updateNotice = new UpdateNotice(u.lblUpdate, u.picUpdate, m_credits->iNet2(), this);
    m_phonebook =
        new PhonebookDock({this, u.cmbVorwahl, u.cmbName, u.txtNummer, u.chkPrivat, u.chkPublic, u.txtSMS}, this);
    connect(m_phonebook, &PhonebookDock::prefixChosen, m_recipient, &RecipientInput::selectKey);
    connect(m_phonebook, &PhonebookDock::openChanged, this, [this](QWidget* window, bool open) {
        m_phonebookOpen = open;
        setPhonebookWindow(window);
    });
    connect(u.tbPhonebook, &ToolbarButton::Click, m_phonebook, &PhonebookDock::toggle);
    connect(u.tbHelp, &ToolbarButton::Click, this, &frmMain::showHelp);
    connect(u.tbVerlauf, &ToolbarButton::Click, this, &frmMain::showHistory);
    connect(u.tbOptions, &ToolbarButton::Click, this, [this] { showOptions(this); });
    // An applied dialog changes what the indicators show; a closed one may have bought credits.
    connect(&OptionsEvents::instance(), &OptionsEvents::applied, m_optionPanels, &OptionPanels::setOptionsBar);
    connect(&OptionsEvents::instance(), &OptionsEvents::closed, m_credits, &CreditDisplay::refreshCredits);
    u.lblReuseText->installEventFilter(this);

    m_massMode = new MassMode({this, u.cmbVorwahl, u.cmbName, u.txtNummer, u.chkPrivat, u.chkPublic, u.boxPlatzhalter,
                               u.boxVariablesToolbar, u.txtAnzahlMultiSMS, u.tbSend, u.tbTerminversand, u.tbMultiSMS,
                               u.tbPhonebook, u.txtSMS},
                              {*m_context, *m_header, *m_session, m_journal.get()}, this);
    connect(m_workflow, &SendWorkflow::massSendRequested, m_massMode, &MassMode::sendMass);
    connect(m_massMode, &MassMode::listFiguresChanged, m_editor, &MessageEditor::setListFigures);
    connect(m_massMode, &MassMode::runEnded, m_credits, &CreditDisplay::refreshCredits);
    connect(m_massMode, &MassMode::phonebookCloseRequested, this, [this] {
        if (m_phonebookWindow)
            m_phonebookWindow->close();
    });
    setMassWindow(m_massMode->listWindow());
    connect(u.tbMultiSMS, &ToolbarButton::Click, m_massMode, &MassMode::toggle);
    u.lblBuyCredits->installEventFilter(this);
}

bool frmMain::massMode() const { return m_context->massMode; }

frmHelp* frmMain::showHelp() {
    if (!m_help) {
        m_help = new frmHelp(this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    return m_help;
}

frmVerlauf* frmMain::showHistory() {
    if (!m_history) {
        m_history = new frmVerlauf(*m_journal, this);
        m_history->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_history, &frmVerlauf::reuseText, this, [this](const QString& text) {
            m_ui->txtSMS->setPlainText(text);
            activateWindow();
            m_ui->txtSMS->setFocus();
        });
        connect(m_history, &frmVerlauf::resendRequested, m_massMode, &MassMode::resend);
        // A finished send shows up without the user asking for it.
        connect(m_session, &SendSession::actionEnded, m_history, &frmVerlauf::refresh);
    } else {
        m_history->refresh();
    }
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
    return m_history;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->lblReuseText && event->type() == QEvent::MouseButtonRelease) {
        m_workflow->onReuseClicked();
        return true;
    }
    if (watched == m_ui->lblBuyCredits && event->type() == QEvent::MouseButtonRelease) {
        showBuyCredits(this);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

frmMain::~frmMain() {
    // The journal goes before the session, which is a child of this window.
    m_session->setRecord(nullptr);
}

void frmMain::info(frmSplash* splash, const QString& text) {
    if (splash) {
        splash->info(text);
    } else {
        QCoreApplication::processEvents();
    }
}

void frmMain::load(frmSplash* splash) {
    const QString product = Product::productName();
    ProxyConfig::configure(m_session->iNet());
    ProxyConfig::configure(m_credits->iNet2());
    m_context->creditBalance = -1;
    info(splash, QStringLiteral("Lade ") + product + QStringLiteral(" ..."));
    restoreWindowPosition();
    m_ui->lblVersion->setText(Product::versionLabel());
    // The journal opens with the program's own files, before anything is sent.
    openJournal(*m_journal, options().journalKeepDays);
    info(splash, QStringLiteral("Lade Theme ..."));
    applyTheme(this, *m_ui, *m_header);
    info(splash, QStringLiteral("Initialisiere Vorwahlen ..."));
    m_recipient->fillPrefixList();
    info(splash, QStringLiteral("Lade Signaturen ..."));
    m_signatures->loadSignatures();
    info(splash, QStringLiteral("Suche nach Updates ..."));
    if (!m_updateNotice->checkVersion()) {
        m_quitRequested = true;
        return;
    }
    info(splash, QStringLiteral("Überprüfe Guthaben ..."));
    refreshCreditsWhileStarting();
    m_context->massMode = false;
    info(splash, QStringLiteral("MRU laden ..."));
    m_mru->setMax(10);
    m_mru->ReadSettings();
    m_recipient->fillNameList(*m_mru);
    if (!m_balloon) {
        m_balloon = new BalloonHelp(this);
        addMainWindowBalloons(*m_balloon, *m_ui);
    }
    info(splash, QStringLiteral("News herunterladen ..."));
    auto* news = new frmNews(this);
    setNewsWindow(news);
    news->checkForInfo();
    info(splash, QStringLiteral("Optionen wiederherstellen ..."));
    m_optionPanels->setOptionsBar();
    info(splash, QStringLiteral("Sitzung wiederherstellen ..."));
    restoreLastInput();
    info(splash, product + QStringLiteral(" geladen"));
    m_tray->setRouting(true);
    m_tray->addIcon();
    m_context->lastScheduleStart.clear();
    // Once the window is up: a run that was interrupted last time.
    QTimer::singleShot(0, m_massMode, &MassMode::offerResume);
}

void frmMain::refreshCreditsWhileStarting() {
    // The splash waits for the balance too: with the version check's and the
    // information check's short waits, a service that never answers still
    // lets the main window up within 25 s.
    Transfer& iNet2 = m_credits->iNet2();
    const int ownTimeout = iNet2.timeoutMs();
    iNet2.setTimeoutMs(kStartBalanceTimeoutMs);
    m_credits->refreshCredits();
    iNet2.setTimeoutMs(ownTimeout);
}

void frmMain::restoreWindowPosition() {
    const QScreen* s = screen();
    const double dpiX = s ? s->logicalDotsPerInchX() : 96.0;
    const double dpiY = s ? s->logicalDotsPerInchY() : 96.0;
    const QRect area = s ? s->geometry() : QRect(0, 0, 1024, 768);
    const QSize frame = frameGeometry().size().isValid() ? frameGeometry().size() : size();
    const QString key = settingsKey();
    const int xTwips = WindowPlacement::edgeFromStored(ToolRegistry::getString(key, kX),
                                                       WindowPlacement::pixelsToTwips(area.width(), dpiX),
                                                       WindowPlacement::pixelsToTwips(frame.width(), dpiX));
    const int yTwips = WindowPlacement::edgeFromStored(ToolRegistry::getString(key, kY),
                                                       WindowPlacement::pixelsToTwips(area.height(), dpiY),
                                                       WindowPlacement::pixelsToTwips(frame.height(), dpiY));
    move(area.left() + WindowPlacement::twipsToPixels(xTwips, dpiX),
         area.top() + WindowPlacement::twipsToPixels(yTwips, dpiY));
}

void frmMain::saveWindowPosition() {
    const QScreen* s = screen();
    const double dpiX = s ? s->logicalDotsPerInchX() : 96.0;
    const double dpiY = s ? s->logicalDotsPerInchY() : 96.0;
    const QRect area = s ? s->geometry() : QRect();
    const QString key = settingsKey();
    ToolRegistry::setString(key, kX, QString::number(WindowPlacement::pixelsToTwips(x() - area.left(), dpiX)));
    ToolRegistry::setString(key, kY, QString::number(WindowPlacement::pixelsToTwips(y() - area.top(), dpiY)));
}

void frmMain::restoreLastInput() {
    const QString key = settingsKey();
    const QString prefix = ToolRegistry::getString(key, kLastPrefix);
    m_recipient->selectKey(prefix);
    m_ui->txtNummer->setText(ToolRegistry::getString(key, kLastNumber));
    m_ui->txtSMS->setPlainText(ToolRegistry::getString(key, kLastText));
}

void frmMain::saveLastInput() {
    const QString key = settingsKey();
    // Three independent writes: one failing leaves the others alone.
    const QString prefix = m_recipient->selectedKey();
    if (!prefix.isEmpty())
        ToolRegistry::setString(key, kLastPrefix, prefix);
    ToolRegistry::setString(key, kLastNumber, m_ui->txtNummer->text());
    ToolRegistry::setString(key, kLastText, m_ui->txtSMS->toPlainText());
}

void frmMain::setSecondaryVisible(bool visible) {
    if (m_context->massMode && m_massWindow)
        m_massWindow->setVisible(visible);
    if (m_phonebookOpen && m_phonebookWindow)
        m_phonebookWindow->setVisible(visible);
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_tray->onWindowStateChanged();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // A running mass run counts as cancelled before any event runs; its windows go with this one.
    m_massMode->mainWindowClosing();
    m_tray->setRouting(false);
    QCoreApplication::processEvents();
    QEventLoop pause;
    QTimer::singleShot(frmSplash::stepPauseMs(), &pause, &QEventLoop::quit);
    pause.exec();
    QCoreApplication::processEvents();
    m_tray->removeIcon();
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        saveWindowPosition();
    saveLastInput();
    for (QWidget* w : {m_massWindow.data(), m_phonebookWindow.data(), m_newsWindow.data()}) {
        if (w)
            w->close();
    }
    event->accept();
}
