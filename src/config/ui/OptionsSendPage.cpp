#include "config/ui/OptionsSendPage.h"

#include "config/CUrlStore.h"
#include "config/ui/OptionsPalette.h"
#include "ui_frmOptionen.h"
#include "widgets/Browser.h"
#include "widgets/FieldMark.h"

#include <QKeyEvent>

using namespace OptionsRules;
using namespace OptionsPalette;

namespace {
// Where the companion app is offered.
const QString kAppStoreAddress = QStringLiteral("https://apps.apple.com/app/velvox");
const QString kPlayStoreAddress =
    QStringLiteral("https://play.google.com/store/apps/details?id=example.velvox");
const QString kAppInfoPath = QStringLiteral("/app");
} // namespace

OptionsSendPage::OptionsSendPage(Ui::frmOptionen& ui, QObject* parent) : OptionsPage(parent), m_ui(ui) {
    m_ui.lblAbsenderWarnung->hide();
    m_ui.lblAbsender->setBuddy(m_ui.txtAbsender);
    QPalette warn = m_ui.lblAbsenderWarnung->palette();
    warn.setColor(QPalette::WindowText, toQColor(Colours::darkRed()));
    m_ui.lblAbsenderWarnung->setPalette(warn);

    for (QCheckBox* c : {m_ui.chkLongSMS, m_ui.chkAntwort}) {
        connect(c, &QCheckBox::toggled, this, [this] {
            emit changed();
            updateCost();
        });
    }
    for (QCheckBox* c : {m_ui.chkPush, m_ui.chkControlEmail})
        connect(c, &QCheckBox::toggled, this, &OptionsPage::changed);
    connect(m_ui.chkAbsenderkennung, &QCheckBox::toggled, this, &OptionsSendPage::onSenderIdCheck);
    connect(m_ui.txtAbsender, &QLineEdit::textEdited, this, &OptionsSendPage::onSenderIdEdited);
    connect(m_ui.txtAbsender, &QLineEdit::textChanged, this, &OptionsSendPage::onSenderIdChanged);
    m_ui.txtAbsender->installEventFilter(this);

    connect(m_ui.cmdAppStore, &QPushButton::clicked, this, [] { openInBrowser(kAppStoreAddress); });
    connect(m_ui.cmdPlayStore, &QPushButton::clicked, this, [] { openInBrowser(kPlayStoreAddress); });
    connect(m_ui.cmdAppInfo, &QPushButton::clicked, this,
            [] { openInBrowser(urlStore().getHomepage() + kAppInfoPath); });
}

void OptionsSendPage::load(const OptionsForm& f) {
    // The box first: its rule decides whether the reply box may be set.
    m_ui.chkAbsenderkennung->setChecked(f.useSenderId);
    onSenderIdCheck();
    m_ui.txtAbsender->setText(f.senderId);
    onSenderIdChanged();
    m_ui.chkLongSMS->setChecked(f.longSms);
    m_ui.chkAntwort->setChecked(f.reply);
    m_ui.chkPush->setChecked(f.push);
    m_ui.chkControlEmail->setChecked(f.controlEmail);
    updateCost();
}

void OptionsSendPage::store(OptionsForm& f) const {
    f.senderId = m_ui.txtAbsender->text();
    f.useSenderId = m_ui.chkAbsenderkennung->isChecked();
    f.longSms = m_ui.chkLongSMS->isChecked();
    f.reply = m_ui.chkAntwort->isChecked();
    f.push = m_ui.chkPush->isChecked();
    f.controlEmail = m_ui.chkControlEmail->isChecked();
}

void OptionsSendPage::onSenderIdCheck() {
    const SendOptionStates s = sendOptionStates(m_ui.chkAbsenderkennung->isChecked());
    m_ui.lblAbsender->setEnabled(s.senderEnabled);
    m_ui.txtAbsender->setEnabled(s.senderEnabled);
    if (!isFieldMarked(m_ui.txtAbsender))
        setBackground(m_ui.txtAbsender, sys(s.senderEnabled ? Colours::kWindow : Colours::kButtonFace));
    if (!s.replyEnabled)
        m_ui.chkAntwort->setChecked(false);
    m_ui.chkAntwort->setEnabled(s.replyEnabled);
    m_ui.chkLongSMS->setEnabled(s.longSmsEnabled);
    emit changed();
    updateCost();
}

void OptionsSendPage::showSenderWarning(const QString& text) {
    m_ui.lblAbsenderWarnung->setText(text);
    m_ui.lblAbsenderWarnung->setVisible(!text.isEmpty());
}

void OptionsSendPage::onSenderIdEdited(const QString& text) {
    // Pasted or dropped text: typed characters never get this far.
    const QString kept = keepSenderIdChars(text);
    m_pasteStripped = kept != text;
    if (!m_pasteStripped)
        return;
    const int cursor = m_ui.txtAbsender->cursorPosition() - int(text.size() - kept.size());
    m_ui.txtAbsender->setText(kept);
    m_ui.txtAbsender->setCursorPosition(qMax(0, cursor));
}

void OptionsSendPage::onSenderIdChanged() {
    const SenderIdState s = checkSenderId(m_ui.txtAbsender->text());
    // The field tells why part of a paste is missing, unless its length says more.
    showSenderWarning(s.warning.isEmpty() && m_pasteStripped ? onlyLettersAndDigitsText() : s.warning);
    markField(m_ui.txtAbsender, s.marked);
    if (!s.marked && !m_ui.txtAbsender->isEnabled())
        setBackground(m_ui.txtAbsender, sys(Colours::kButtonFace));
    m_acceptable = s.acceptable;
    m_maxLength = s.maxLength;
    // After the state: the frame reads acceptable() when it hears of the change.
    emit changed();
}

void OptionsSendPage::updateCost() {
    const CostDisplay c = costDisplay(m_ui.chkAbsenderkennung->isChecked(), m_ui.chkLongSMS->isChecked(),
                                      m_ui.chkAntwort->isChecked());
    m_ui.lblKosten->setText(c.costText);
    m_ui.lblKostenDetail->setText(c.detailText);
}

bool OptionsSendPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_ui.txtAbsender || event->type() != QEvent::KeyPress)
        return OptionsPage::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    m_pasteStripped = false;
    const QString text = key->text();
    if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F ||
        (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return OptionsPage::eventFilter(watched, event);
    for (const QChar c : text) {
        if (!isSenderIdChar(c)) {
            if (m_ui.lblAbsenderWarnung->isHidden())
                showSenderWarning(onlyLettersAndDigitsText());
            return true;
        }
    }
    // The length limit of typing; a paste is left whole so its rule can speak.
    QLineEdit* field = m_ui.txtAbsender;
    if (field->text().size() - field->selectedText().size() + text.size() > m_maxLength)
        return true;
    return OptionsPage::eventFilter(watched, event);
}
