#include "config/ui/frmOptionen.h"

#include "config/cOptionen.h"
#include "config/ui/OptionsAccountPage.h"
#include "config/ui/OptionsPalette.h"
#include "config/ui/OptionsProxyPage.h"
#include "config/ui/OptionsSendPage.h"
#include "config/ui/OptionsServerPage.h"
#include "config/ui/OptionsServicePages.h"
#include "platform/Prompts.h"
#include "ui_frmOptionen.h"
#include "widgets/TreeButton.h"
#include "widgets/WebBrowser.h"

#include <QTimer>

using namespace OptionsRules;

namespace {

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

} // namespace

frmOptionen::frmOptionen(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::frmOptionen>()) {
    m_ui->setupUi(this);
    buildEntries();
    QFont title = m_ui->lblPageTitle->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    m_ui->lblPageTitle->setFont(title);
    m_ui->cmdOK->setDefault(true);

    m_account = new OptionsAccountPage(*m_ui, this);
    m_send = new OptionsSendPage(*m_ui, this);
    m_proxy = new OptionsProxyPage(*m_ui, this);
    addPage(m_account);
    addPage(m_send);
    addPage(new OptionsServerPage(*m_ui, this));
    addPage(m_proxy);
    m_service = new OptionsServicePages(*m_ui, this);
    connect(m_service, &OptionsServicePages::closeRequested, this, &QDialog::reject);
    connect(m_service, &OptionsServicePages::loaded, this, &frmOptionen::onServicePageLoaded);

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmOptionen::onOk);
    connect(m_ui->cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->cmdUebernehmen, &QPushButton::clicked, this, [this] {
        if (apply())
            m_ui->cmdUebernehmen->setEnabled(false);
    });
    connect(this, &QDialog::finished, this, [] { emit OptionsEvents::instance().closed(); });
}

frmOptionen::~frmOptionen() = default;

void frmOptionen::addPage(OptionsPage* page) {
    m_pages.push_back(page);
    connect(page, &OptionsPage::changed, this, &frmOptionen::setDirty);
}

void frmOptionen::hostSection(QWidget* section, OptionsPage* controller) {
    m_hosted = section;
    m_ui->layOutlook->addWidget(section);
    controller->setParent(this);
    addPage(controller);
}

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
    const QColor face = OptionsPalette::sys(Colours::kButtonFace);
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
    m_loaded = formFromSettings(options());
    for (OptionsPage* p : m_pages)
        p->load(m_loaded);
    m_loading = false;
    m_dirty = false;
    updateButtons();
    showPage(Kontodaten);
    highlightEntry(Kontodaten);
}

OptionsForm frmOptionen::form() const {
    OptionsForm f = m_loaded;
    for (const OptionsPage* p : m_pages)
        p->store(f);
    return f;
}

void frmOptionen::showPage(int page) {
    Ui::frmOptionen& u = *m_ui;
    for (QPushButton* b : {u.cmdOK, u.cmdAbbrechen, u.cmdUebernehmen})
        b->show();
    m_service->hideBrowsers();
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
        m_service->open(page);
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
    m_ui->cmdOK->setEnabled(m_send->acceptable());
    m_ui->cmdUebernehmen->setEnabled(m_dirty && m_send->acceptable());
}

WebBrowser* frmOptionen::browser(int page) const {
    return m_service->browser(page);
}

QString frmOptionen::pageAddress(int page) const {
    return m_service->address(page);
}

void frmOptionen::onServicePageLoaded(int page) {
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

bool frmOptionen::apply() {
    const ApplyResult r = applyOptions(form(), options());
    m_applyFailed = !r.ok();
    // The save may have found the keyring gone.
    m_account->showPasswordStorage();
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
    case ApplyFailure::ProxyPort:
        // What was saved: everything else, with the system's proxy.
        emit applied();
        emit OptionsEvents::instance().applied();
        showPage(Proxy);
        m_proxy->focusFault(r.failure);
        break;
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
