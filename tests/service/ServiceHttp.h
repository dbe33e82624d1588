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

    QString text() const; // the body read as Windows-1252, as the client reads it
};

// A keep-alive HTTP connection to a running service. Targets are sent as
// given, without the library's own escaping, so tests control every byte.
class ServiceHttp {
public:
    explicit ServiceHttp(const ServiceProcess& service);
    ~ServiceHttp();

    HttpReply get(const QByteArray& target);
    HttpReply post(const QByteArray& target, const QByteArray& body,
                   const char* contentType = "application/x-www-form-urlencoded");

private:
    std::unique_ptr<httplib::Client> m_client;
};

// A gateway send request as the client writes it: the seventeen fields
// (twenty with a schedule) in their order, every inserted value escaped with
// the client's form-text rule ("%", "&", "+", blank), Windows-1252 bytes.
// Defaults: a plain send from the demo account.
struct SendForm {
    QString email = ServiceProcess::demoEmail();
    QString password = ServiceProcess::demoPassword();
    QString recipient = QStringLiteral("00491701234567");
    QString name;
    bool push = false; // skippush "0"
    QString text = QStringLiteral("Hallo");
    bool senderId = false;
    QString sender;
    bool reply = false;
    bool scheduled = false;
    QString term, cron, end;
    bool longSms = false;

    QByteArray body() const;
};

// "%XX" for every byte but ASCII letters and digits, Windows-1252.
QByteArray percentEncode(const QString& text);

inline constexpr const char* kSendPath = "/smsv3/smsv3.php";
inline constexpr const char* kCronPath = "/cronjob/send_repeat.php";
inline constexpr const char* kAcceptedPhrase = "wurde erfolgreich an das Gateway übermittelt.";
inline constexpr const char* kCreatedPhrase = "wurde angelegt.";
