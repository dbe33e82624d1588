#include "widgets/CTooltip.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kTail = 10;

// The painted tip: a rounded balloon with a tail at the top left, or a rectangle.
class TipWindow : public QWidget {
public:
    explicit TipWindow(QWidget* owner)
        : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_icon(new QLabel(this)),
          m_title(new QLabel(this)), m_text(new QLabel(this)) {
        setObjectName(QStringLiteral("CTooltipWindow"));
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        m_icon->setObjectName(QStringLiteral("icon"));
        m_title->setObjectName(QStringLiteral("title"));
        m_text->setObjectName(QStringLiteral("text"));
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
        const QColor textColour = fore.isValid() ? fore : QApplication::palette().color(QPalette::ToolTipText);
        for (QLabel* l : {m_title, m_text}) {
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, textColour);
            l->setPalette(p);
        }
        QStyle::StandardPixmap sp = QStyle::SP_MessageBoxInformation;
        if (icon == CTooltip::Warning)
            sp = QStyle::SP_MessageBoxWarning;
        else if (icon == CTooltip::Error)
            sp = QStyle::SP_MessageBoxCritical;
        m_icon->setPixmap(icon == CTooltip::NoIcon ? QPixmap() : style()->standardIcon(sp).pixmap(16, 16));
        m_icon->setVisible(icon != CTooltip::NoIcon);
        m_title->setText(title);
        m_title->setVisible(!title.isEmpty());
        m_text->setText(text);
        m_layout->setContentsMargins(8, balloon ? 6 + kTail : 6, 8, 6);
        adjustSize();
        update();
    }

    bool titleAreaShown() const { return !m_title->isHidden() || !m_icon->isHidden(); }

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
        QPainterPath path;
        const QRectF body = r.adjusted(0, kTail, 0, 0);
        path.addRoundedRect(body, 7, 7);
        QPainterPath tail;
        tail.moveTo(body.left() + 14, body.top() + 1);
        tail.lineTo(body.left() + 14, r.top());
        tail.lineTo(body.left() + 14 + kTail, body.top() + 1);
        tail.closeSubpath();
        p.drawPath(path.united(tail));
    }

private:
    QLabel* m_icon;
    QLabel* m_title;
    QLabel* m_text;
    QVBoxLayout* m_layout = nullptr;
    bool m_balloon = true;
    QColor m_fill;
};

} // namespace

CTooltip::CTooltip(QObject* parent) : QObject(parent) {
    m_delay.setSingleShot(true);
    m_visible.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        if (!m_tip || !m_owner)
            return;
        QPoint global = m_owner->mapToGlobal(m_pendingPos);
        if (Centered)
            global.rx() -= m_tip->width() / 2;
        m_tip->move(global);
        m_tip->show();
        m_tip->raise();
        if (VisibleTime > 0)
            m_visible.start(VisibleTime);
    });
    connect(&m_visible, &QTimer::timeout, this, &CTooltip::hide);
}

CTooltip::~CTooltip() { Destroy(); }

void CTooltip::Create(QWidget* owner) {
    Destroy();
    m_owner = owner;
    m_tip = new TipWindow(owner);
    applyContent();
}

void CTooltip::Destroy() {
    m_delay.stop();
    m_visible.stop();
    delete m_tip;
    m_tip = nullptr;
}

void CTooltip::applyContent() {
    if (m_tip)
        static_cast<TipWindow*>(m_tip)->setContent(Style == kBalloon, m_icon, m_title, m_text, m_fore, m_back);
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
    if (!m_tip)
        return;
    m_pendingPos = ownerPos;
    m_visible.stop();
    m_delay.start(qMax(0, DelayTime));
}

void CTooltip::hide() {
    m_delay.stop();
    m_visible.stop();
    if (m_tip)
        m_tip->hide();
}

bool CTooltip::isShown() const { return m_tip && m_tip->isVisible(); }

QWidget* CTooltip::tipWindow() const { return m_tip; }

bool CTooltip::hasTitleArea() const { return m_tip && static_cast<TipWindow*>(m_tip)->titleAreaShown(); }
