#include "config/ProxyConfig.h"

#include "config/cOptionen.h"
#include "platform/Transfer.h"

#include <QList>
#include <QPointer>

namespace {
qint16 toShort(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < -32768 || v > 32767)
        return 0;
    return qint16(v);
}
bool namedProxyChosen() {
    return options().ProxyAccessType == QLatin1String("2");
}

QList<QPointer<Transfer>>& liveComponents() {
    static QList<QPointer<Transfer>> list;
    return list;
}
} // namespace

namespace ProxyConfig {

qint16 getAccessType() {
    return toShort(options().ProxyAccessType);
}

QString getProxyHost() {
    return namedProxyChosen() ? options().ProxyAddress : QString();
}

quint16 getProxyPort() {
    if (!namedProxyChosen())
        return 0;
    bool ok = false;
    const uint v = options().ProxyPort.trimmed().toUInt(&ok);
    return ok && v <= 65535 ? quint16(v) : quint16(0);
}

QString getProxyText() {
    return getProxyHost() + QLatin1Char(':') + QString::number(getProxyPort());
}

void configure(Transfer& transfer) {
    transfer.setAccessType(getAccessType());
    transfer.setProxy(getProxyText());
    auto& live = liveComponents();
    live.removeAll(QPointer<Transfer>());
    if (!live.contains(&transfer))
        live.append(&transfer);
}

void reconfigureAll() {
    auto& live = liveComponents();
    live.removeAll(QPointer<Transfer>());
    for (const QPointer<Transfer>& t : live) {
        t->setAccessType(getAccessType());
        t->setProxy(getProxyText());
    }
}

} // namespace ProxyConfig
