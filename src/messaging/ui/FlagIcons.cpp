#include "messaging/ui/FlagIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kW = 20;
constexpr int kH = 14;

QPixmap stripes(const QColor& a, const QColor& b, const QColor& c) {
    QPixmap p(kW, kH);
    QPainter g(&p);
    g.fillRect(0, 0, kW, kH / 3 + 1, a);
    g.fillRect(0, kH / 3, kW, kH / 3 + 1, b);
    g.fillRect(0, 2 * kH / 3, kW, kH - 2 * kH / 3, c);
    return p;
}

QPixmap swiss() {
    QPixmap p(kW, kH);
    p.fill(QColor(0xD5, 0x2B, 0x1E));
    QPainter g(&p);
    g.fillRect(kW / 2 - 1, 3, 3, kH - 6, Qt::white);
    g.fillRect(kW / 2 - 4, kH / 2 - 1, 9, 3, Qt::white);
    return p;
}

QPixmap world() {
    QPixmap p(kW, kH);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0x2a, 0x6f, 0xc9));
    g.setPen(QColor(0x1b, 0x4a, 0x87));
    g.drawEllipse(QRectF(3.5, 0.5, 13, 13));
    g.setPen(QPen(QColor(0xcf, 0xe8, 0xff), 1));
    g.drawLine(QPointF(4, 7), QPointF(16, 7));
    g.drawEllipse(QRectF(7.5, 0.5, 5, 13));
    return p;
}

QPixmap user() {
    QPixmap p(kW, kH);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x4b, 0x6e, 0x9a));
    g.drawEllipse(QRectF(7, 1, 6, 6));
    QPainterPath body;
    body.addRoundedRect(QRectF(4.5, 8, 11, 6), 3, 3);
    g.drawPath(body);
    return p;
}

} // namespace

QIcon listPicture(const QString& name) {
    static QHash<QString, QIcon> cache;
    const auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QPixmap p;
    if (name == QLatin1String("germany"))
        p = stripes(Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00));
    else if (name == QLatin1String("austria"))
        p = stripes(QColor(0xED, 0x29, 0x39), Qt::white, QColor(0xED, 0x29, 0x39));
    else if (name == QLatin1String("switzerland"))
        p = swiss();
    else if (name == QLatin1String("world"))
        p = world();
    else if (name == QLatin1String("user"))
        p = user();
    const QIcon icon = p.isNull() ? QIcon() : QIcon(p);
    cache.insert(name, icon);
    return icon;
}
