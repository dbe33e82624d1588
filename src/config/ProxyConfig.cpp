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
    transfer.setProxySettings(getAccessType(), getProxyText());
    auto& live = liveComponents();
    live.removeAll(QPointer<Transfer>());
    if (!live.contains(&transfer))
        live.append(&transfer);
}

void reconfigureAll() {
    auto& live = liveComponents();
    live.removeAll(QPointer<Transfer>());
    // A component whose settings are unchanged is left alone; one that
    // changes keeps its requests under way on their old connections.
    for (const QPointer<Transfer>& t : live)
        t->setProxySettings(getAccessType(), getProxyText());
}

} // namespace ProxyConfig
