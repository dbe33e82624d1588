#include "widgets/CTooltip.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// The balloon's tail: its height, its width at the base, and how far its tip
// stands from the balloon's left edge when not centred.
constexpr int kTail = 10;
constexpr int kTailInset = 14;
constexpr int kRadius = 7;

// The painted tip: a rounded balloon with a tail pointing up at its anchor,
// or a rectangle whose top left corner is the anchor.
class TipWindow : public QWidget {
public:
    explicit TipWindow(QWidget* owner)
        : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
          m_icon(new QLabel(this)), m_title(new QLabel(this)), m_text(new QLabel(this)) {
        setObjectName(QStringLiteral("CTooltipWindow"));
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        m_icon->setObjectName(QStringLiteral("icon"));
        m_title->setObjectName(QStringLiteral("title"));
        m_text->setObjectName(QStringLiteral("text"));
        // Plain text: no markup and no "&" mnemonics.
        m_text->setTextFormat(Qt::PlainText);
        m_title->setTextFormat(Qt::PlainText);
        QFont bold = m_title->font();
        bold.setBold(true);
        m_title->setFont(bold);
        auto* head = new QHBoxLayout;
        head->setSpacing(6);
        head->addWidget(m_icon);
        head->addWidget(m_title, 1);
        m_layout = new QVBoxLayout(this);
        m_layout->setSpacing(4);
        m_layout->addLayout(head);
        m_layout->addWidget(m_text);
    }

    void setContent(bool balloon, int icon, const QString& title, const QString& text, const QColor& fore,
                    const QColor& back) {
        m_balloon = balloon;
        m_fill = back.isValid() ? back : QApplication::palette().color(QPalette::ToolTipBase);
        const QColor textColour =
            fore.isValid() ? fore : QApplication::palette().color(QPalette::ToolTipText);
        for (QLabel* l : {m_title, m_text}) {
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, textColour);
            l->setPalette(p);
        }
        const bool hasIcon =
            icon == CTooltip::Information || icon == CTooltip::Warning || icon == CTooltip::Error;
        if (hasIcon) {
            const QStyle::StandardPixmap sp = icon == CTooltip::Warning ? QStyle::SP_MessageBoxWarning
                                              : icon == CTooltip::Error ? QStyle::SP_MessageBoxCritical
                                                                        : QStyle::SP_MessageBoxInformation;
            m_icon->setPixmap(style()->standardIcon(sp).pixmap(16, 16));
        } else {
            m_icon->clear();
        }
        m_icon->setVisible(hasIcon);
        m_title->setText(title);
        m_title->setVisible(!title.isEmpty());
        // The program's texts break lines with CR LF; a label wants LF alone.
        m_text->setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        m_layout->setContentsMargins(8, balloon ? 6 + kTail : 6, 8, 6);
        m_layout->activate();
        adjustSize();
        update();
    }

    bool titleAreaShown() const { return !m_title->isHidden() || !m_icon->isHidden(); }

    // Moves the tip so that it points at a global position, inside the screen.
    void placeAt(const QPoint& anchor, bool centered) {
        const int reach = m_balloon ? (centered ? width() / 2 : kTailInset) : (centered ? width() / 2 : 0);
        QPoint topLeft(anchor.x() - reach, anchor.y());
        const QScreen* screen = QGuiApplication::screenAt(anchor);
        if (!screen && parentWidget())
            screen = parentWidget()->screen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() + 1 - width())));
            topLeft.setY(qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() + 1 - height())));
        }
        // The tail follows the anchor when the screen edge pushed the tip aside.
        m_tailX = qBound(kRadius, anchor.x() - topLeft.x(), qMax(kRadius, width() - kRadius - kTail));
        move(topLeft);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QApplication::palette().color(QPalette::Shadow));
        p.setBrush(m_fill);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (!m_balloon) {
            p.drawRect(r);
            return;
        }
        const QRectF body = r.adjusted(0, kTail, 0, 0);
        QPainterPath path;
        path.addRoundedRect(body, kRadius, kRadius);
        QPainterPath tail;
        tail.moveTo(m_tailX, body.top() + 1);
        tail.lineTo(m_tailX, r.top());
        tail.lineTo(m_tailX + kTail, body.top() + 1);
        tail.closeSubpath();
        p.drawPath(path.united(tail));
    }

    // A click on a balloon puts it away, as users expect of balloons.
    void mousePressEvent(QMouseEvent*) override { hide(); }

private:
    QLabel* m_icon;
    QLabel* m_title;
    QLabel* m_text;
    QVBoxLayout* m_layout = nullptr;
    bool m_balloon = true;
    int m_tailX = kTailInset;
    QColor m_fill;
};

TipWindow* asTip(QWidget* w) {
    return static_cast<TipWindow*>(w);
}

} // namespace

CTooltip::CTooltip(QObject* parent) : QObject(parent) {
    m_delay.setSingleShot(true);
    m_visible.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &CTooltip::showNow);
    connect(&m_visible, &QTimer::timeout, this, &CTooltip::hide);
}

CTooltip::~CTooltip() {
    Destroy();
}

void CTooltip::Create(QWidget* owner) {
    Destroy();
    m_owner = owner;
    m_tip = new TipWindow(owner);
    applyContent();
}

void CTooltip::Destroy() {
    m_delay.stop();
    m_visible.stop();
    // The owner may have taken the window with it already.
    delete m_tip.data();
    m_tip = nullptr;
}

void CTooltip::applyContent() {
    if (m_tip)
        asTip(m_tip)->setContent(Style == kBalloon, m_icon, m_title, m_text, m_fore, m_back);
}

void CTooltip::setIcon(int icon) {
    m_icon = icon;
    applyContent();
}

void CTooltip::setTitle(const QString& title) {
    m_title = title;
    applyContent();
}

void CTooltip::setTipText(const QString& text) {
    m_text = text;
    applyContent();
}

void CTooltip::setForeColor(const QColor& c) {
    m_fore = c;
    applyContent();
}

void CTooltip::setBackColor(const QColor& c) {
    m_back = c;
    applyContent();
}

void CTooltip::showAt(const QPoint& ownerPos) {
    if (!m_tip || !m_owner)
        return;
    m_anchor = m_owner;
    m_anchorPos = ownerPos;
    m_visible.stop();
    m_delay.start(qMax(0, DelayTime));
}

void CTooltip::showAt(QWidget* target) {
    if (!m_tip || !target)
        return;
    m_anchor = target;
    m_anchorPos = QPoint(target->width() / 2, target->height());
    m_visible.stop();
    m_delay.start(qMax(0, DelayTime));
}

void CTooltip::showNow() {
    if (!m_tip || !m_anchor)
        return;
    // Style and Centered are plain fields: take their current values.
    applyContent();
    asTip(m_tip)->placeAt(m_anchor->mapToGlobal(m_anchorPos), Centered);
    m_tip->show();
    m_tip->raise();
    if (VisibleTime > 0)
        m_visible.start(VisibleTime);
}

void CTooltip::hide() {
    m_delay.stop();
    m_visible.stop();
    if (m_tip)
        m_tip->hide();
}

bool CTooltip::isShown() const {
    return m_tip && m_tip->isVisible();
}

QWidget* CTooltip::tipWindow() const {
    return m_tip;
}

bool CTooltip::hasTitleArea() const {
    return m_tip && asTip(m_tip)->titleAreaShown();
}
