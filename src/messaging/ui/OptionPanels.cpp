#include "messaging/ui/OptionPanels.h"

#include "config/Product.h"
#include "config/cOptionen.h"
#include "platform/Prompts.h"
#include "widgets/OptionsBar.h"

namespace {
const QString kAbsender = QStringLiteral("absender");
const QString kAntwort = QStringLiteral("antwort");
const QString kEinlieferung = QStringLiteral("einlieferung");
} // namespace

OptionPanels::OptionPanels(OptionsBar* bar, QObject* parent) : QObject(parent), m_bar(bar) {
    if (!m_bar->hasPanel(kAbsender)) {
        m_bar->addPanel(kAbsender, QStringLiteral("Absender"), QStringLiteral("Mit Absenderkennung senden"));
        m_bar->addPanel(kAntwort, QStringLiteral("Antwort"), QStringLiteral("Antwort des Empfängers erlauben"));
        m_bar->addPanel(kEinlieferung, QStringLiteral("Einlieferung"),
                        QStringLiteral("Bestätigung jeder Einlieferung per E-Mail"));
    }
    connect(m_bar, &OptionsBar::panelClicked, this, &OptionPanels::onPanelClicked);
}

QString OptionPanels::missingSenderText() { return QStringLiteral("Sie haben keine Absenderkennung eingegeben."); }

void OptionPanels::setOptionsBar() {
    const cOptionen& o = options();
    m_bar->setInset(kAbsender, o.isAbsenderkennung);
    m_bar->setInset(kAntwort, o.isAntwortEnabled);
    m_bar->setInset(kEinlieferung, o.isControlEmail);
    emit costChanged();
}

void OptionPanels::onPanelClicked(const QString& key) {
    const bool on = !m_bar->isInset(key);
    m_bar->setInset(key, on);
    cOptionen& o = options();
    if (key == kAbsender) {
        o.isAbsenderkennung = on;
        if (on) {
            // Sender name and reply exclude each other.
            o.isAntwortEnabled = false;
            setOptionsBar();
            if (o.Absenderkennung.isEmpty()) {
                Prompts::show(Prompts::Icon::Warning, Product::productName(), missingSenderText());
                emit optionenRequested();
            }
        }
    } else if (key == kAntwort) {
        o.isAntwortEnabled = on;
        if (on) {
            o.isAbsenderkennung = false;
            setOptionsBar();
        }
    } else if (key == kEinlieferung) {
        o.isControlEmail = on;
    }
    options().save();
    emit costChanged();
    emit sizeChanged();
}
