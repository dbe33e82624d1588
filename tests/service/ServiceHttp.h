#pragma once

#include "ServiceProcess.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>

namespace httplib {
class Client;
}

// One HTTP exchange with the service, as the bytes arrived.
struct HttpReply {
    int status = 0; // 0: no reply at all (transport failure)
    std::string contentType;
    QByteArray body;

    // The body read as Windows-1252, as the client reads it.
    QString text() const;
};

// A keep-alive HTTP connection to a running service. Targets are sent as
// given, without the library's own escaping, so tests control every byte.
class ServiceHttp {
public:
    explicit ServiceHttp(const ServiceProcess& service);
    ~ServiceHttp();
    ServiceHttp(const ServiceHttp&) = delete;
    ServiceHttp& operator=(const ServiceHttp&) = delete;

    HttpReply get(const QByteArray& target);
    HttpReply post(const QByteArray& target, const QByteArray& body,
                   const char* contentType = "application/x-www-form-urlencoded");

private:
    std::unique_ptr<httplib::Client> m_client;
};

// A gateway send request as the client writes it: the seventeen fields
// (twenty with a schedule) in their order, every inserted value escaped with
// the client's form-text rule ("%", "&", "+", blank), every blank of the body
// as "%20", Windows-1252 bytes. Defaults: a plain send from the demo account.
struct SendForm {
    QString email = ServiceProcess::demoEmail();
    QString password = ServiceProcess::demoPassword();
    QString recipient = QStringLiteral("00491701234567");
    QString name;
    bool privateBook = false;
    bool publicBook = false;
    bool push = false; // skippush "0"
    QString text = QStringLiteral("Hallo");
    bool senderId = false;
    QString sender;
    bool statusReport = false;
    bool reply = false;
    bool confirmByMail = false;
    QString referer = QStringLiteral("Velvox");
    bool scheduled = false;
    QString term, cron, end;
    bool longSms = false;

    QByteArray body() const;
};

// The client's encodeFormText.
QString encodeFormText(const QString& text);
// "%XX" for every byte but ASCII letters and digits, Windows-1252.
QByteArray percentEncode(const QString& text);

inline constexpr const char* kSendPath = "/smsv3/smsv3.php";
inline constexpr const char* kCronPath = "/cronjob/send_repeat.php";
inline constexpr const char* kAcceptedPhrase = "wurde erfolgreich an das Gateway übermittelt.";
inline constexpr const char* kCreatedPhrase = "wurde angelegt.";

// The number after "Abgebuchte Credits: " in a send reply, or -1.
int chargedCredits(const QString& reply);
