#include "widgets/OptionsBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

OptionsBar::OptionsBar(QWidget* parent) : QWidget(parent), m_layout(new QHBoxLayout(this)) {
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(2);
    m_layout->addStretch(1);
}

void OptionsBar::addPanel(const QString& key, const QString& text, const QString& toolTip) {
    auto* frame = new QFrame(this);
    frame->setObjectName(key);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(1);
    frame->setToolTip(toolTip);
    frame->setCursor(Qt::PointingHandCursor);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 1, 6, 1);
    auto* label = new QLabel(text, frame);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(label);
    frame->installEventFilter(this);
    m_layout->insertWidget(int(m_order.size()), frame);
    m_panels.insert(key, frame);
    m_order.append(key);
}

void OptionsBar::setInset(const QString& key, bool inset) {
    if (QFrame* f = m_panels.value(key))
        f->setFrameShadow(inset ? QFrame::Sunken : QFrame::Raised);
}

bool OptionsBar::isInset(const QString& key) const {
    const QFrame* f = m_panels.value(key);
    return f && f->frameShadow() == QFrame::Sunken;
}

QWidget* OptionsBar::panel(const QString& key) const { return m_panels.value(key); }

void OptionsBar::clickPanel(const QString& key) {
    if (m_panels.contains(key))
        emit panelClicked(key);
}

bool OptionsBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* frame = qobject_cast<QFrame*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (frame && mouse->button() == Qt::LeftButton && frame->rect().contains(mouse->position().toPoint())) {
            emit panelClicked(frame->objectName());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
