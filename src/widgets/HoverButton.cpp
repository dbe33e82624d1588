#include "widgets/HoverButton.h"

#include "widgets/HoverButtonAccessible.h"

#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace {

// A hover picture for a button that was given none: the normal one, lighter.
QPixmap lighterCopy(const QPixmap& source) {
    QPixmap result(source.size());
    result.setDevicePixelRatio(source.devicePixelRatio());
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.drawPixmap(0, 0, source);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(QRect(QPoint(0, 0), source.deviceIndependentSize().toSize()), QColor(255, 255, 255, 80));
    return result;
}

// A disabled picture for a button that was given none: a washed-out grey
// copy of the normal one, its transparency kept.
QPixmap greyCopy(const QPixmap& source) {
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(source.devicePixelRatio());
    return result;
}

// A given disabled picture lies over the normal one.
QPixmap layered(const QPixmap& below, const QPixmap& above) {
    if (below.isNull())
        return above;
    const QSize size =
        below.deviceIndependentSize().toSize().expandedTo(above.deviceIndependentSize().toSize());
    const qreal ratio = qMax(below.devicePixelRatio(), above.devicePixelRatio());
    QPixmap result(size * ratio);
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.drawPixmap(QRect(QPoint(0, 0), size), below);
    p.drawPixmap(QRect(QPoint(0, 0), size), above);
    return result;
}

} // namespace

HoverButton::HoverButton(QWidget* parent) : QWidget(parent), m_caption(QStringLiteral("Velvox")) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    HoverButtonAccessible::registerFactory();
}

void HoverButton::click() {
    if (isEnabled())
        emit Click();
}

void HoverButton::setCaption(const QString& caption) {
    m_caption = caption;
    relayout();
}

void HoverButton::setPicture(const QPixmap& p) {
    m_picture = p;
    picturesChanged();
}

void HoverButton::setPictureHover(const QPixmap& p) {
    m_hover = p;
    picturesChanged();
}

void HoverButton::setPictureDisabled(const QPixmap& p) {
    m_disabled = p;
    picturesChanged();
}

void HoverButton::picturesChanged() {
    m_paintedHover = !m_hover.isNull() ? m_hover : (m_picture.isNull() ? QPixmap() : lighterCopy(m_picture));
    m_paintedDisabled = !m_disabled.isNull() ? layered(m_picture, m_disabled)
                                             : (m_picture.isNull() ? QPixmap() : greyCopy(m_picture));
    relayout();
}

QColor HoverButton::themedBackColor() const {
    return m_back.isValid() ? m_back : palette().color(QPalette::Button);
}

void HoverButton::setThemedBackColor(const QColor& c) {
    m_back = c;
    update();
}

QSize HoverButton::pictureSize() const {
    // The biggest of the three, so that swapping pictures never moves the caption.
    QSize size(0, 0);
    for (const QPixmap* p : {&m_picture, &m_hover, &m_disabled})
        if (!p->isNull())
            size = size.expandedTo(p->deviceIndependentSize().toSize());
    return size;
}

QSize HoverButton::captionSize() const {
    if (m_caption.isEmpty())
        return {0, 0};
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(m_caption), fm.height()};
}

void HoverButton::relayout() {
    updateGeometry();
    update();
}

// The layout is worked out from the current size whenever it is needed, so it
// holds before the first resize event as well.
QRect HoverButton::pictureRect() const {
    QRect picture;
    QRect caption;
    layoutFor(size(), picture, caption);
    return picture;
}

QRect HoverButton::captionRect() const {
    QRect picture;
    QRect caption;
    layoutFor(size(), picture, caption);
    return caption;
}

HoverButton::Frame HoverButton::frameState() const {
    if (!m_raised)
        return Frame::Flat;
    return m_pressed ? Frame::Sunken : Frame::Raised;
}

HoverButton::Shown HoverButton::shownPicture() const {
    if (!isEnabled() && !m_paintedDisabled.isNull())
        return Shown::Disabled;
    if (m_raised && !m_paintedHover.isNull())
        return Shown::Hover;
    return m_picture.isNull() ? Shown::Nothing : Shown::Normal;
}

QPixmap HoverButton::currentPicture() const {
    switch (shownPicture()) {
    case Shown::Normal:
        return m_picture;
    case Shown::Hover:
        return m_paintedHover;
    case Shown::Disabled:
        return m_paintedDisabled;
    case Shown::Nothing:
        break;
    }
    return {};
}

QColor HoverButton::captionColor() const {
    return palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
}

QSize HoverButton::sizeHint() const {
    QRect picture;
    QRect caption;
    layoutFor(QSize(), picture, caption);
    // Only the parts that are there count: a picture without caption needs no
    // room for the gap to the caption. The margin before the parts is kept after them.
    QRect used;
    for (const QRect& r : {picture, caption})
        if (!r.isEmpty())
            used = used.isNull() ? r : used.united(r);
    if (used.isNull())
        return minimumSizeHint();
    return QSize(used.right() + 1 + used.left(), used.bottom() + 1 + used.top())
        .expandedTo(minimumSizeHint());
}

QSize HoverButton::minimumSizeHint() const {
    return {12, 12};
}

void HoverButton::setRaised(bool raised) {
    // A disabled button does not answer the pointer.
    raised = raised && isEnabled();
    if (m_raised == raised)
        return;
    m_raised = raised;
    update();
}

void HoverButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), themedBackColor());
    QRect pictureArea;
    QRect captionArea;
    layoutFor(size(), pictureArea, captionArea);
    const QPixmap picture = currentPicture();
    if (!picture.isNull()) {
        QRect target(QPoint(0, 0), picture.deviceIndependentSize().toSize());
        target.moveCenter(pictureArea.center());
        p.drawPixmap(target, picture);
    }
    if (!m_caption.isEmpty()) {
        p.setPen(captionColor());
        p.drawText(captionArea, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    }
    if (frameState() != Frame::Flat)
        qDrawShadeRect(&p, rect(), palette(), frameState() == Frame::Sunken, 1, 0, nullptr);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        focus.backgroundColor = themedBackColor();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void HoverButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        // Pressed until the key comes up, as with the mouse button.
        if (!event->isAutoRepeat() && isEnabled()) {
            m_spaceDown = true;
            m_pressed = true;
            m_raised = true;
            update();
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void HoverButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!m_spaceDown)
        return;
    m_spaceDown = false;
    m_pressed = false;
    setRaised(underMouse());
    update();
    click();
}

void HoverButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void HoverButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // Focus gone with Space still down: no click follows.
    if (m_spaceDown) {
        m_spaceDown = false;
        m_pressed = false;
        setRaised(underMouse());
    }
    update();
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
    // While pressed the button holds the pointer, so this also sees it leave.
    setRaised(rect().contains(event->position().toPoint()));
}

void HoverButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    setRaised(true);
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
    if (inside)
        click();
}

void HoverButton::hideEvent(QHideEvent* event) {
    // A hidden button gets no Leave; it must not come back raised.
    QWidget::hideEvent(event);
    m_pressed = false;
    m_spaceDown = false;
    m_raised = false;
}

void HoverButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        m_pressed = false;
        m_spaceDown = false;
        m_raised = false;
        // Enabled again under a resting pointer: show the hover state at once.
        setRaised(isEnabled() && underMouse());
        update();
        break;
    case QEvent::FontChange:
        relayout();
        break;
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
}
