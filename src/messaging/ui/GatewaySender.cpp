#include "messaging/ui/GatewaySender.h"

#include "app/HeaderArea.h"
#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "messaging/GatewayRequest.h"
#include "messaging/SendContext.h"
#include "messaging/GatewayReply.h"
#include "messaging/ui/SmsTextEdit.h"
#include "platform/Prompts.h"
#include "platform/Transfer.h"
#include "server/xmlServer.h"
#include "widgets/FieldMark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace {
constexpr int kChunkSize = 1024;
constexpr int kSendTimeoutMs = 60000;
} // namespace

GatewaySender::GatewaySender(const Fields& fields, SendContext& context, HeaderArea& header, QObject* parent)
    : QObject(parent), m_f(fields), m_context(context), m_header(header), m_iNet(new Transfer(this)) {
    m_tm.setInterval(kSendTimeoutMs);
    connect(m_iNet, &Transfer::stateChanged, this, &GatewaySender::onStateChanged);
    connect(&m_tm, &QTimer::timeout, this, &GatewaySender::onTimeout);
}

QString GatewaySender::timeoutText() { return GatewayReply::timeoutText(); }

void GatewaySender::setBusy(bool busy) {
    if (busy)
        m_f.window->setCursor(Qt::WaitCursor);
    else
        m_f.window->unsetCursor();
}

int GatewaySender::sendText(const QString& recipient, const QString& text, const QString& name) {
    const cOptionen& o = options();
    int started = 0;
    for (const QString& part : GatewayRequest::splitForSending(text, o.isAbsenderkennung, o.isLongSmsEnabled)) {
        if (submitMessage(recipient, part, name))
            ++started;
    }
    return started;
}

bool GatewaySender::submitMessage(const QString& recipient, const QString& text, const QString& name) {
    const cOptionen& o = options();
    if (o.xmlIsServerUsed) {
        const auto outcome = xmlServer::handOver(xmlServer::handoverValues(o, recipient, text, m_context.password));
        if (outcome.kind == xmlServer::HandoverOutcome::Kind::Failed) {
            // A failed drop is not a hand-over: it must never be confirmed as one.
            Prompts::show(Prompts::Icon::Warning, Product::applicationTitle(), outcome.error);
        } else if (m_reportHandover) {
            m_reportHandover();
        }
        setBusy(false);
        return outcome.kind == xmlServer::HandoverOutcome::Kind::Written;
    }

    GatewayRequest::Fields fields;
    fields.email = o.Username;
    fields.password = m_context.password;
    fields.recipient = recipient;
    fields.recipientName = name;
    fields.massMode = m_context.massMode;
    fields.privateBook = m_f.privat->checkState() == Qt::Checked;
    fields.publicBook = m_f.publicBook->checkState() == Qt::Checked;
    fields.pushEnabled = o.isPushEnabled;
    fields.version = Product::versionText();
    fields.text = text;
    fields.isAbsenderkennung = o.isAbsenderkennung;
    fields.absender = o.Absenderkennung;
    fields.statusbericht = o.isStatusberichtEnabled;
    fields.antwort = o.isAntwortEnabled;
    fields.einlieferung = o.isControlEmail;
    fields.referer = Product::productName();
    fields.isLongSmsEnabled = o.isLongSmsEnabled;
    if (m_context.schedule)
        fields.schedule = GatewayRequest::Schedule{m_context.schedule->StartTime, m_context.schedule->CronString,
                                                   m_context.schedule->EndTime};

    if (!GatewayRequest::confirmMissingSender(o.isAbsenderkennung, o.Absenderkennung)) {
        setBusy(false);
        return false;
    }

    const QByteArray body = GatewayRequest::buildBody(fields);
    // One request at a time: the parts of a text go out in order. The wait
    // ends at the send time-out, or when the window goes meanwhile.
    if (!m_iNet->waitUntilIdle(kSendTimeoutMs)) {
        setBusy(false);
        return false;
    }
    const QString url = m_context.schedule ? urlStore().getCronSMS() : urlStore().getSendSMS();
    m_iNet->execute(url, QStringLiteral("POST"), body, {GatewayRequest::contentTypeHeader()});
    return true;
}

void GatewaySender::onStateChanged(int state) {
    if (state != Transfer::StateResponseComplete)
        return; // a failed request is reported by the time-out
    QString response;
    for (QString chunk = m_iNet->getChunk(kChunkSize); !chunk.isEmpty(); chunk = m_iNet->getChunk(kChunkSize)) {
        response += chunk;
        QCoreApplication::processEvents();
    }
    handleReply(response);
}

void GatewaySender::handleReply(const QString& response) {
    if (m_context.massMode) {
        const QString stamp = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
        for (const QString& line : GatewayReply::massLogLines(response, stamp)) {
            if (m_massLog)
                m_massLog(line);
        }
        return;
    }
    const GatewayReply::SingleOutcome outcome = GatewayReply::interpretSingleReply(response);
    for (int i = 0; i < outcome.acceptedPieces; ++i) {
        m_context.lastSentText = m_f.text->toPlainText();
        m_f.reuseLabel->setToolTip(m_context.lastSentText);
        m_f.text->clear();
        m_f.reuseBox->show();
        m_f.name->setCurrentIndex(-1);
        m_f.name->setEditText(QString());
        m_f.number->clear();
        markField(m_f.number, false);
        m_header.resetHeader();
    }
    m_tm.stop();
    setBusy(false);
    emit singleReplyHandled();
    Prompts::show(Prompts::Icon::Information, GatewayReply::replyBoxTitle(), outcome.boxText);
}

void GatewaySender::onTimeout() {
    if (options().xmlIsServerUsed)
        return;
    setBusy(false);
    m_tm.stop();
    Prompts::show(Prompts::Icon::Information, Product::productName(), timeoutText());
}
