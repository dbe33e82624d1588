#include "messaging/GatewayRequest.h"

#include "messaging/MessageText.h"
#include "platform/mUrlEncode.h"
#include "platform/CodePage.h"
#include "platform/Prompts.h"

namespace GatewayRequest {

namespace {

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

QString buildBodyText(const Fields& f) {
    using mUrlEncode::encodeFormText;
    const bool privateBook = f.privateBook && !f.massMode;
    const bool publicBook = f.publicBook && !f.massMode;

    QString body = QStringLiteral("email=") + encodeFormText(f.email) + QStringLiteral("&kennwort=") +
                   encodeFormText(f.password) + QStringLiteral("&firma= ") + QStringLiteral("&empfaenger=") +
                   encodeFormText(f.recipient) + QStringLiteral("&empfaengername=") +
                   encodeFormText(f.recipientName) + QStringLiteral("&private=") + boolText(privateBook) +
                   QStringLiteral("&public=") + boolText(publicBook) + QStringLiteral("&skippush=") +
                   (f.pushEnabled ? QStringLiteral("0") : QStringLiteral("1")) + QStringLiteral("&version=") +
                   f.version + QStringLiteral("&text=") + encodeFormText(f.text) +
                   QStringLiteral("&absenderkennung=") + boolText(f.isAbsenderkennung) +
                   QStringLiteral("&absender=") + encodeFormText(f.absender) +
                   QStringLiteral("&statusmeldung=") + boolText(f.statusbericht) +
                   QStringLiteral("&antwort=") + boolText(f.antwort) + QStringLiteral("&einlieferung=") +
                   boolText(f.einlieferung) + QStringLiteral("&referer=") + encodeFormText(f.referer);
    if (f.schedule) {
        body += QStringLiteral("&term=") + encodeFormText(f.schedule->StartTime) +
                QStringLiteral("&cronjobstring=") + encodeFormText(f.schedule->CronString) +
                QStringLiteral("&enddate=") + encodeFormText(f.schedule->EndTime);
    }
    body +=
        QStringLiteral("&long=") + boolText(isLongRequest(f.text, f.isLongSmsEnabled, f.isAbsenderkennung));
    // The company field is a single blank; the service expects "%20" for every blank.
    body.replace(QLatin1Char(' '), QLatin1String("%20"));
    return body;
}

QByteArray buildBody(const Fields& f) {
    return CodePage::toWindows1252(buildBodyText(f));
}

QString contentTypeHeader() {
    return QStringLiteral("Content-Type: application/x-www-form-urlencoded");
}

bool isLongRequest(const QString& text, bool isLongSmsEnabled, bool isAbsenderkennung) {
    return MessageText::calcSmsSize(text) > MessageText::kSmsSize &&
           MessageText::longSmsInForce(isLongSmsEnabled, isAbsenderkennung);
}

int partCutLength(const QString& t) {
    int n = MessageText::kSmsSize;
    while (MessageText::calcSmsSize(t.left(n)) > MessageText::kSmsSize)
        --n;
    return n;
}

QStringList splitForSending(const QString& text, bool isAbsenderkennung, bool isLongSmsEnabled) {
    if (MessageText::longSmsInForce(isLongSmsEnabled, isAbsenderkennung))
        return {text}; // the gateway takes it as one long message
    QStringList parts;
    QString rest = text;
    while (rest.size() > MessageText::kSmsSize - MessageText::countDoubleChars(rest)) {
        const int n = partCutLength(rest);
        parts.append(rest.left(n));
        rest.remove(0, n);
    }
    parts.append(rest);
    return parts;
}

bool confirmMissingSender(bool isAbsenderkennung, const QString& absender) {
    if (!isAbsenderkennung || !absender.isEmpty())
        return true;
    return Prompts::show(Prompts::Icon::Question, missingSenderTitle(), missingSenderText(),
                         Prompts::Buttons::YesNo) == Prompts::Answer::Yes;
}

QString missingSenderTitle() {
    return QStringLiteral("Kein Absendername vorhanden");
}

QString missingSenderText() {
    return QStringLiteral(
        "Sie haben keinen Absender eingegeben, soll die Nachricht\r\ndennoch versendet werden?");
}

} // namespace GatewayRequest
