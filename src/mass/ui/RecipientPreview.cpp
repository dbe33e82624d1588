#include "mass/ui/RecipientPreview.h"

#include "mass/MessagePreview.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

RecipientPreview::RecipientPreview(QWidget* parent)
    : QWidget(parent), m_text(new QPlainTextEdit(this)), m_count(new QLabel(this)) {
    setObjectName(QStringLiteral("boxVorschau"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Vorschau des ausgewählten Eintrags"), this);
    m_text->setObjectName(QStringLiteral("txtVorschau"));
    m_text->setReadOnly(true);
    m_text->setMaximumHeight(m_text->fontMetrics().height() * 4 + 12);
    m_count->setObjectName(QStringLiteral("lblVorschauZaehler"));
    layout->addWidget(caption);
    layout->addWidget(m_text);
    layout->addWidget(m_count);
    refresh();
}

void RecipientPreview::setMessage(const QString& text, bool longSms) {
    m_message = text;
    m_longSms = longSms;
    refresh();
}

void RecipientPreview::setEntry(const std::optional<RecipientEntry>& entry) {
    m_entry = entry;
    refresh();
}

void RecipientPreview::refresh() {
    if (!m_entry) {
        m_text->clear();
        m_count->clear();
        return;
    }
    const MessagePreview::Preview p = MessagePreview::forEntry(m_message, *m_entry, m_longSms);
    if (m_text->toPlainText() != p.text)
        m_text->setPlainText(p.text);
    m_count->setText(MessagePreview::countText(p));
}
