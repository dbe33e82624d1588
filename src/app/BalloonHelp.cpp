#include "app/BalloonHelp.h"

#include "ui_frmMain.h"
#include "widgets/CTooltip.h"

#include <QEvent>
#include <QWidget>

BalloonHelp::BalloonHelp(QWidget* window) : QObject(window), m_window(window), m_tip(new CTooltip(this)) {
    m_tip->Style = CTooltip::kBalloon;
    m_tip->setIcon(CTooltip::Information);
    m_tip->Create(window);
}

BalloonHelp::~BalloonHelp() = default;

void BalloonHelp::addElement(QWidget* element, const QString& title, const QString& text) {
    m_elements.insert(element, {title, text});
    element->setAttribute(Qt::WA_Hover);
    element->installEventFilter(this);
}

void BalloonHelp::addCloser(QWidget* area) {
    m_closers.append(area);
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

bool BalloonHelp::eventFilter(QObject* watched, QEvent* event) {
    const bool pointed = event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter;
    if (pointed && m_elements.contains(watched) && !m_shown) {
        const auto& [title, text] = m_elements.value(watched);
        m_tip->setTitle(title);
        m_tip->setTipText(text);
        m_tip->showAt(static_cast<QWidget*>(watched));
        m_shown = true;
    } else if ((pointed || event->type() == QEvent::MouseMove) && m_closers.contains(watched) && m_shown) {
        m_tip->hide();
        m_shown = false;
    }
    return QObject::eventFilter(watched, event);
}

void addMainWindowBalloons(BalloonHelp& help, Ui::frmMain& ui) {
    const QString update = QStringLiteral("Neues Update verfügbar");
    const QString updateText = QStringLiteral("Klicken Sie hier um das neuste Update aus dem Internet herunterzuladen.");
    help.addElement(ui.lblUpdate, update, updateText);
    help.addElement(ui.picUpdate, update, updateText);
    help.addElement(ui.lblCredits, QStringLiteral("Guthaben"),
                    QStringLiteral("Zeigt Ihr verbleibendes Guthaben an.\r\n"
                                   "In den 'Einstellungen' können Sie neue Credits kaufen."));
    help.addElement(ui.lvSignaturen, QStringLiteral("Signaturen"),
                    QStringLiteral("Signaturen können durch einen Doppelklick in die aktuelle Nachricht eingefügt "
                                   "werden.\r\nUm die Signaturen zu bearbeiten öffnen Sie bitte das Kontextmenü."));
    help.addElement(ui.chkPrivat, QStringLiteral("Privates Telefonbuch"),
                    QStringLiteral("Selektieren Sie diese Häkchen wenn der Empfänger \r\n"
                                   "in Ihrem privaten Telefonbuch eingetragen werden soll."));
    help.addElement(ui.chkPublic, QStringLiteral("Öffentliches Telefonbuch"),
                    QStringLiteral("Selektieren Sie diese Häkchen wenn der Empfänger \r\n"
                                   "in Ihrem öffentlichen Telefonbuch eingetragen werden soll."));
    help.addCloser(ui.centralwidget);
    help.addCloser(ui.boxVariablesToolbar);
}
