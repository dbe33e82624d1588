#include "messaging/ui/GatewaySender.h"

#include "widgets/HeaderArea.h"
#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "messaging/GatewayReply.h"
#include "messaging/GatewayRequest.h"
#include "messaging/SendContext.h"
#include "widgets/SmsTextEdit.h"
#include "platform/Prompts.h"
#include "platform/Transfer.h"
#include "server/xmlServer.h"
#include "widgets/FieldMark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <utility>

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

QString GatewaySender::timeoutText() {
    return GatewayReply::timeoutText();
}

void GatewaySender::setBusy(bool busy) {
    if (busy)
        m_f.window->setCursor(Qt::WaitCursor);
    else
        m_f.window->unsetCursor();
}

void GatewaySender::beginAction(const QString& text, const QString& name, const QString& number, bool mass) {
    m_action.text = text;
    m_action.name = name;
    m_action.number = number;
    m_action.mass = mass;
    m_action.password = m_context.password;
    m_action.schedule = m_context.schedule;
    m_senderAnswer.reset();
    m_dropFailureShown = false;
}

bool GatewaySender::isIdle() const {
    return m_queue.isEmpty() && !m_inFlight && !m_iNet->stillExecuting();
}

int GatewaySender::sendText(const QString& recipient, const QString& text, const QString& name) {
    const cOptionen& o = options();
    int started = 0;
    for (const QString& part :
         GatewayRequest::splitForSending(text, o.isAbsenderkennung, o.isLongSmsEnabled)) {
        if (submitMessage(recipient, part, name))
            ++started;
    }
    return started;
}

bool GatewaySender::senderNameConfirmed() {
    // Asked once per send action: a mass run or a split text asks one question.
    if (!m_senderAnswer) {
        const cOptionen& o = options();
        m_senderAnswer = GatewayRequest::confirmMissingSender(o.isAbsenderkennung, o.Absenderkennung);
    }
    return *m_senderAnswer;
}

bool GatewaySender::submitMessage(const QString& recipient, const QString& text, const QString& name) {
    const cOptionen& o = options();
    if (o.xmlIsServerUsed) {
        const auto outcome =
            xmlServer::handOver(xmlServer::handoverValues(o, recipient, text, m_action.password));
        if (outcome.kind == xmlServer::HandoverOutcome::Kind::Failed) {
            // A failed drop is not a hand-over: it must never be confirmed as
            // one. Said once per send action, not once per part or entry.
            if (!m_dropFailureShown) {
                m_dropFailureShown = true;
                Prompts::show(Prompts::Icon::Warning, Product::applicationTitle(), outcome.error);
            }
        } else if (m_reportHandover) {
            m_reportHandover();
        }
        setBusy(false);
        return outcome.kind == xmlServer::HandoverOutcome::Kind::Written;
    }

    GatewayRequest::Fields fields;
    fields.email = o.Username;
    fields.password = m_action.password;
    fields.recipient = recipient;
    fields.recipientName = name;
    fields.massMode = m_action.mass;
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
    if (const auto& job = m_action.schedule)
        fields.schedule = GatewayRequest::Schedule{job->StartTime, job->CronString, job->EndTime};

    if (!senderNameConfirmed()) {
        setBusy(false);
        return false;
    }

    // The body is built now, with the password and schedule of this send; the
    // queue keeps the parts of a text and the entries of a run in order.
    const QString url = m_action.schedule ? urlStore().getCronSMS() : urlStore().getSendSMS();
    m_queue.enqueue({url, GatewayRequest::buildBody(fields), {m_action, recipient}});
    pump();
    return true;
}

void GatewaySender::pump() {
    if (m_inFlight || m_queue.isEmpty() || m_iNet->stillExecuting())
        return;
    Pending next = m_queue.dequeue();
    m_inFlight = std::move(next.flight);
    m_iNet->execute(next.url, QStringLiteral("POST"), next.body, {GatewayRequest::contentTypeHeader()});
}

void GatewaySender::onStateChanged(int state) {
    if (!m_inFlight)
        return;
    QString response;
    const int status = m_iNet->lastStatus();
    const bool beforeSending = m_iNet->lastFailedBeforeSending();
    if (state == Transfer::StateResponseComplete) {
        // The request stays "in flight" while its reply is read: a send
        // started from the events run here waits in the queue and cannot
        // replace the response being read.
        const QPointer<GatewaySender> alive(this);
        for (QString chunk = m_iNet->getChunk(kChunkSize); !chunk.isEmpty();
             chunk = m_iNet->getChunk(kChunkSize)) {
            response += chunk;
            QCoreApplication::processEvents();
            if (!alive)
                return; // the window closed meanwhile
        }
    }
    const Flight flight = *std::exchange(m_inFlight, std::nullopt);
    if (flight.action.mass) {
        // In a run nobody waits for a time-out box: the log says what became
        // of the entry, and an unanswered one is not called unsent.
        const SendOutcome::Ending ending{state == Transfer::StateResponseComplete, response, status, beforeSending};
        if (m_massLog) {
            for (const QString& line :
                 SendOutcome::massLogLines(ending, flight.recipient, GatewayReply::logStamp()))
                m_massLog(line);
        }
        emit massRequestEnded(SendOutcome::classify(ending));
    } else if (state == Transfer::StateResponseComplete) {
        handleReply(flight, response);
    }
    // A single send's failure is reported by the time-out.
    pump();
    if (isIdle())
        emit idle();
}

void GatewaySender::handleReply(const Flight& flight, const QString& response) {
    const GatewayReply::SingleOutcome outcome = GatewayReply::interpretSingleReply(response);
    if (outcome.acceptedPieces > 0)
        handleAccepted(flight.action);
    m_tm.stop();
    setBusy(false);
    // The box first: a slow balance query must not hold it back.
    const QPointer<GatewaySender> alive(this);
    Prompts::show(Prompts::Icon::Information, GatewayReply::replyBoxTitle(), outcome.boxText);
    if (alive)
        emit singleReplyHandled();
}

void GatewaySender::handleAccepted(const SendAction& action) {
    // The whole text of the send action, also after a split send; and only
    // fields that still hold what was sent are emptied, so nothing typed
    // while the reply was on its way is lost.
    m_context.lastSentText = action.text;
    m_f.reuseLabel->setToolTip(action.text);
    if (m_f.text->toPlainText() == action.text)
        m_f.text->clear();
    m_f.reuseBox->show();
    if (m_f.number->text() == action.number && m_f.name->currentText() == action.name) {
        m_f.name->setCurrentIndex(-1);
        m_f.name->setEditText(QString());
        m_f.number->clear();
        markField(m_f.number, false);
    }
    m_header.resetHeader();
}

void GatewaySender::onTimeout() {
    if (options().xmlIsServerUsed)
        return;
    setBusy(false);
    m_tm.stop();
    Prompts::show(Prompts::Icon::Information, Product::productName(), timeoutText());
}
