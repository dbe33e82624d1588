#include "messaging/ui/RecipientInput.h"

#include "widgets/HeaderArea.h"
#include "config/cOptionen.h"
#include "lists/clsMRU.h"
#include "messaging/PrefixCatalogue.h"
#include "messaging/RecipientNumber.h"
#include "messaging/ui/FlagIcons.h"
#include "widgets/FieldMark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

RecipientInput::RecipientInput(const Fields& fields, HeaderArea& header, QObject* parent)
    : QObject(parent), m_f(fields), m_header(header) {
    connect(m_f.number, &QLineEdit::textChanged, this, &RecipientInput::onNumberChanged);
    connect(m_f.prefix, &QComboBox::activated, this, &RecipientInput::onPrefixChosen);
    connect(m_f.name, &QComboBox::activated, this, &RecipientInput::onNameChosen);
    connect(m_f.publicBook, &QCheckBox::clicked, this, &RecipientInput::onPublicClicked);
    m_f.number->installEventFilter(this);
}

void RecipientInput::fillPrefixList() {
    m_f.prefix->clear();
    for (const PrefixCatalogue::Entry& e : PrefixCatalogue::entries())
        m_f.prefix->addItem(listPicture(e.picture), e.text, e.key);
    m_f.prefix->setCurrentIndex(-1);
}

QString RecipientInput::selectedKey() const {
    const int index = m_f.prefix->currentIndex();
    return index < 0 ? QString() : m_f.prefix->itemData(index).toString();
}

bool RecipientInput::selectKey(const QString& key) {
    const int index = key.isEmpty() ? -1 : m_f.prefix->findData(key);
    m_f.prefix->setCurrentIndex(index);
    return index >= 0;
}

void RecipientInput::updateCostPerSms() {
    const cOptionen& o = options();
    m_f.cost->setText(QString::number(RecipientNumber::costPerSms(selectedKey(), m_f.number->text(),
                                                                  o.isAbsenderkennung, o.isAntwortEnabled,
                                                                  o.isStatusberichtEnabled)));
}

void RecipientInput::onNumberChanged() {
    m_header.resetHeader();
    markField(m_f.number, false);
    const RecipientNumber::Check check = RecipientNumber::checkNumberField(selectedKey(), m_f.number->text());
    if (check.marked) {
        markField(m_f.number, true);
        m_header.showHeaderWarning(check.warning);
    }
    updateCostPerSms();
}

void RecipientInput::onNumberLeft() {
    if (!m_f.number->isEnabled() || !m_f.number->isVisible())
        return;
    if (!RecipientNumber::isNumeric(m_f.number->text()))
        m_f.number->setFocus();
}

bool RecipientInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_f.number && event->type() == QEvent::FocusOut) {
        // Leaving for another window or a popup is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            onNumberLeft();
    }
    return QObject::eventFilter(watched, event);
}

void RecipientInput::onPrefixChosen() {
    markField(m_f.prefix, false);
    m_f.number->setFocus();
    const QString key = selectedKey();
    if (!key.isEmpty()) {
        if (key == QLatin1String("W")) {
            const QString hint = RecipientNumber::worldwideHint();
            m_header.showHeaderInformation(hint);
            m_f.number->setToolTip(hint);
        } else {
            m_header.hideHeaderInformation();
            m_f.number->setToolTip(RecipientNumber::nationalHint());
        }
    }
    updateCostPerSms();
}

void RecipientInput::fillNameList(const clsMRU& mru) {
    // Refilling must not take the typed name away from a send still waiting for its reply.
    const QString typed = m_f.name->currentText();
    m_f.name->clear();
    for (const clsMRU::ComboItem& item : mru.comboItems())
        m_f.name->addItem(listPicture(QStringLiteral("user")), item.text, item.tag);
    m_f.name->setCurrentIndex(-1);
    m_f.name->setEditText(typed);
}

void RecipientInput::onNameChosen() {
    const int index = m_f.name->currentIndex();
    if (index < 0)
        return;
    const auto tag = RecipientNumber::splitRecentTag(m_f.name->itemData(index).toString());
    if (!tag)
        return;
    selectKey(tag->key);
    m_f.number->setText(tag->number);
}

void RecipientInput::onPublicClicked() {
    const RecipientNumber::PrivateBox box = RecipientNumber::privateBoxFor(m_f.publicBook->isChecked());
    m_f.privat->setCheckState(box.greyed ? Qt::PartiallyChecked : Qt::Checked);
    m_f.privat->setEnabled(box.enabled);
}
