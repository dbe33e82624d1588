#include "ServiceHttp.h"

#include "platform/CodePage.h"

#include <QRegularExpression>

#include <httplib.h>

QString HttpReply::text() const {
    return CodePage::fromWindows1252(body);
}

ServiceHttp::ServiceHttp(const ServiceProcess& service)
    : m_client(std::make_unique<httplib::Client>("127.0.0.1", int(service.port()))) {
    m_client->set_url_encode(false);
    m_client->set_keep_alive(true);
    m_client->set_tcp_nodelay(true); // header and body are separate writes
    m_client->set_connection_timeout(10);
    m_client->set_read_timeout(30);
    m_client->set_write_timeout(30);
}

ServiceHttp::~ServiceHttp() = default;

namespace {
HttpReply toReply(const httplib::Result& r) {
    HttpReply out;
    if (!r)
        return out;
    out.status = r->status;
    out.contentType = r->get_header_value("Content-Type");
    out.body = QByteArray(r->body.data(), qsizetype(r->body.size()));
    return out;
}
} // namespace

HttpReply ServiceHttp::get(const QByteArray& target) {
    return toReply(m_client->Get(target.toStdString()));
}

HttpReply ServiceHttp::post(const QByteArray& target, const QByteArray& body, const char* contentType) {
    return toReply(m_client->Post(target.toStdString(), body.toStdString(), contentType));
}

QString encodeFormText(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('%'), QLatin1String("%25"));
    t.replace(QLatin1Char('&'), QLatin1String("%26"));
    t.replace(QLatin1Char('+'), QLatin1String("%2B"));
    t.replace(QLatin1Char(' '), QLatin1String("%20"));
    return t;
}

QByteArray percentEncode(const QString& text) {
    QByteArray out;
    for (const char c : CodePage::toWindows1252(text)) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'))
            out += char(b);
        else
            out += '%' + QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
    }
    return out;
}

QByteArray SendForm::body() const {
    const auto flag = [](bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); };
    const auto v = encodeFormText; // the client escapes every value it inserts
    QString s =
        QStringLiteral("email=") + v(email) + QStringLiteral("&kennwort=") + v(password) +
        QStringLiteral("&firma= &empfaenger=") + v(recipient) + QStringLiteral("&empfaengername=") + v(name) +
        QStringLiteral("&private=") + flag(privateBook) + QStringLiteral("&public=") + flag(publicBook) +
        QStringLiteral("&skippush=") + (push ? QStringLiteral("0") : QStringLiteral("1")) +
        QStringLiteral("&version=3.0.99&text=") + v(text) + QStringLiteral("&absenderkennung=") +
        flag(senderId) + QStringLiteral("&absender=") + v(sender) + QStringLiteral("&statusmeldung=") +
        flag(statusReport) + QStringLiteral("&antwort=") + flag(reply) + QStringLiteral("&einlieferung=") +
        flag(confirmByMail) + QStringLiteral("&referer=") + v(referer);
    if (scheduled)
        s += QStringLiteral("&term=") + v(term) + QStringLiteral("&cronjobstring=") + v(cron) +
             QStringLiteral("&enddate=") + v(end);
    s += QStringLiteral("&long=") + flag(longSms);
    s.replace(QLatin1Char(' '), QLatin1String("%20"));
    return CodePage::toWindows1252(s);
}

int chargedCredits(const QString& reply) {
    static const QRegularExpression re(QStringLiteral("Abgebuchte Credits: (\\d+)"));
    const auto m = re.match(reply);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
