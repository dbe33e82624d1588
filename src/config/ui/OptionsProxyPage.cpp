#include "config/ui/OptionsProxyPage.h"

#include "platform/Prompts.h"
#include "ui_frmOptionen.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

using namespace OptionsRules;

OptionsProxyPage::OptionsProxyPage(Ui::frmOptionen& ui, QObject* parent) : OptionsPage(parent), m_ui(ui) {
    for (QLineEdit* t : {m_ui.txtProxy, m_ui.txtPort})
        connect(t, &QLineEdit::textChanged, this, &OptionsPage::changed);
    for (QRadioButton* r : {m_ui.optProxyCustom, m_ui.optProxyDefault, m_ui.optProxyNone}) {
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                proxyRule();
        });
    }
    m_ui.txtPort->installEventFilter(this);
}

void OptionsProxyPage::load(const OptionsForm& f) {
    m_ui.txtProxy->setText(f.proxyHost);
    m_ui.txtPort->setText(f.proxyPort);
    switch (f.proxyChoice) {
    case ProxyChoice::Custom:
        m_ui.optProxyCustom->setChecked(true);
        break;
    case ProxyChoice::NoProxy:
        m_ui.optProxyNone->setChecked(true);
        break;
    case ProxyChoice::SystemDefault:
        m_ui.optProxyDefault->setChecked(true);
        break;
    }
    proxyRule();
}

void OptionsProxyPage::store(OptionsForm& f) const {
    f.proxyChoice = m_ui.optProxyCustom->isChecked() ? ProxyChoice::Custom
                    : m_ui.optProxyNone->isChecked() ? ProxyChoice::NoProxy
                                                     : ProxyChoice::SystemDefault;
    f.proxyHost = m_ui.txtProxy->text();
    f.proxyPort = m_ui.txtPort->text();
}

void OptionsProxyPage::focusFault(ApplyFailure failure) {
    QLineEdit* field = failure == ApplyFailure::ProxyHost ? m_ui.txtProxy : m_ui.txtPort;
    if (field->isEnabled())
        field->setFocus();
}

void OptionsProxyPage::proxyRule() {
    const bool custom = m_ui.optProxyCustom->isChecked();
    m_ui.txtProxy->setEnabled(custom);
    m_ui.txtPort->setEnabled(custom);
    emit changed();
}

void OptionsProxyPage::portLeft() {
    const QString port = m_ui.txtPort->text().trimmed();
    if (port.isEmpty())
        return;
    const QString problem = portProblem(port);
    if (problem.isEmpty())
        return;
    Prompts::show(Prompts::Icon::None, messageTitle(), problem);
    QTimer::singleShot(0, m_ui.txtPort, [port = QPointer<QLineEdit>(m_ui.txtPort)] {
        if (port)
            port->setFocus();
    });
}

bool OptionsProxyPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui.txtPort && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving for "Abbrechen" throws the port away anyway.
        const bool leftForCancel = QApplication::focusWidget() == m_ui.cmdAbbrechen;
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !leftForCancel &&
            m_ui.txtPort->window()->isVisible())
            portLeft();
    }
    return OptionsPage::eventFilter(watched, event);
}
