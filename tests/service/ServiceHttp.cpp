#include "ServiceHttp.h"

#include "platform/CodePage.h"

#include <httplib.h>

QString HttpReply::text() const {
    return CodePage::fromWindows1252(body);
}

ServiceHttp::ServiceHttp(const ServiceProcess& service)
    : m_client(std::make_unique<httplib::Client>("127.0.0.1", int(service.port()))) {
    m_client->set_url_encode(false);
    m_client->set_keep_alive(true);
    m_client->set_tcp_nodelay(true); // header and body are separate writes
    m_client->set_read_timeout(30);
    m_client->set_write_timeout(30);
}

ServiceHttp::~ServiceHttp() = default;

namespace {
HttpReply toReply(const httplib::Result& r) {
    if (!r)
        return {};
    return {r->status, r->get_header_value("Content-Type"), QByteArray::fromStdString(r->body)};
}
} // namespace

HttpReply ServiceHttp::get(const QByteArray& target) {
    return toReply(m_client->Get(target.toStdString()));
}

HttpReply ServiceHttp::post(const QByteArray& target, const QByteArray& body, const char* contentType) {
    return toReply(m_client->Post(target.toStdString(), body.toStdString(), contentType));
}

QByteArray percentEncode(const QString& text) {
    return CodePage::toWindows1252(text).toPercentEncoding("", "-._~");
}

QByteArray SendForm::body() const {
    const auto flag = [](bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); };
    const auto v = [](QString t) { // the client's encodeFormText
        return t.replace(u'%', QLatin1String("%25"))
            .replace(u'&', QLatin1String("%26"))
            .replace(u'+', QLatin1String("%2B"))
            .replace(u' ', QLatin1String("%20"));
    };
    QString s = QStringLiteral("email=") + v(email) + QStringLiteral("&kennwort=") + v(password) +
                QStringLiteral("&firma=%20&empfaenger=") + v(recipient) + QStringLiteral("&empfaengername=") +
                v(name) + QStringLiteral("&private=false&public=false&skippush=") +
                (push ? QStringLiteral("0") : QStringLiteral("1")) + QStringLiteral("&version=3.0.99&text=") +
                v(text) + QStringLiteral("&absenderkennung=") + flag(senderId) +
                QStringLiteral("&absender=") + v(sender) + QStringLiteral("&statusmeldung=false&antwort=") +
                flag(reply) + QStringLiteral("&einlieferung=false&referer=Velvox");
    if (scheduled)
        s += QStringLiteral("&term=") + v(term) + QStringLiteral("&cronjobstring=") + v(cron) +
             QStringLiteral("&enddate=") + v(end);
    return CodePage::toWindows1252(s + QStringLiteral("&long=") + flag(longSms));
}
