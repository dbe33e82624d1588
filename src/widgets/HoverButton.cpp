#include "widgets/HoverButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

HoverButton::HoverButton(QWidget* parent)
    : QWidget(parent), m_caption(QStringLiteral("Velvox")), m_back(palette().color(QPalette::Button)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void HoverButton::setCaption(const QString& caption) {
    m_caption = caption;
    layoutParts();
    updateGeometry();
    update();
}

void HoverButton::setPicture(const QPixmap& p) {
    m_picture = p;
    layoutParts();
    updateGeometry();
    update();
}

void HoverButton::setPictureHover(const QPixmap& p) {
    m_hover = p;
    update();
}

void HoverButton::setPictureDisabled(const QPixmap& p) {
    m_disabled = p;
    update();
}

void HoverButton::setThemedBackColor(const QColor& c) {
    if (!c.isValid())
        return;
    m_back = c;
    update();
}

QSize HoverButton::pictureSize() const {
    return m_picture.isNull() ? QSize(0, 0) : m_picture.deviceIndependentSize().toSize();
}

QSize HoverButton::captionSize() const {
    if (m_caption.isEmpty())
        return {0, 0};
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(m_caption), fm.height()};
}

void HoverButton::layoutParts() { layoutFor(size(), m_pictureRect, m_captionRect); }

HoverButton::Frame HoverButton::frameState() const {
    if (!m_raised)
        return Frame::None;
    return m_pressed ? Frame::Sunken : Frame::Raised;
}

HoverButton::Shown HoverButton::shownPicture() const {
    if (!isEnabled() && !m_disabled.isNull())
        return Shown::Disabled;
    if (m_raised && !m_hover.isNull())
        return Shown::Hover;
    return m_picture.isNull() ? Shown::Nothing : Shown::Normal;
}

QSize HoverButton::sizeHint() const {
    QRect picture;
    QRect caption;
    layoutFor(QSize(), picture, caption);
    const QRect used = picture.united(caption);
    return {used.right() + 7, used.bottom() + 5};
}

void HoverButton::setRaised(bool raised) {
    if (m_raised == raised)
        return;
    m_raised = raised;
    update();
}

void HoverButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_back);
    switch (shownPicture()) {
    case Shown::Hover: p.drawPixmap(m_pictureRect, m_hover); break;
    case Shown::Normal: p.drawPixmap(m_pictureRect, m_picture); break;
    case Shown::Disabled:
        // The disabled picture lies over the normal one.
        if (!m_picture.isNull())
            p.drawPixmap(m_pictureRect, m_picture);
        p.drawPixmap(m_pictureRect, m_disabled);
        break;
    case Shown::Nothing: break;
    }
    if (!m_caption.isEmpty()) {
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        p.setPen(palette().color(group, QPalette::ButtonText));
        p.drawText(m_captionRect, Qt::AlignCenter, m_caption);
    }
    if (m_raised) {
        const QPalette pal = palette();
        qDrawShadeRect(&p, rect(), pal, m_pressed, 1, 0, nullptr);
    }
}

void HoverButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    setRaised(true);
}

void HoverButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    setRaised(false);
}

void HoverButton::mouseMoveEvent(QMouseEvent* event) {
    setRaised(rect().contains(event->position().toPoint()));
}

void HoverButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    update();
}

void HoverButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    const bool inside = rect().contains(event->position().toPoint());
    setRaised(inside);
    update();
    // Releasing outside the button takes the click back.
    if (inside && isEnabled())
        emit Click();
}

void HoverButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutParts();
}

void HoverButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_pressed = false;
            m_raised = false;
        }
        update();
    } else if (event->type() == QEvent::FontChange) {
        layoutParts();
        updateGeometry();
    }
}
