#include "LoopbackProxy.h"
#include "ScriptedPrompts.h"
#include "ServiceProcess.h"
#include "TempSettings.h"

#include "config/cOptionen.h"
#include "messaging/GatewayRequest.h"
#include "messaging/SendSession.h"
#include "platform/Transfer.h"

#include <QHash>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <mutex>

#include <gtest/gtest.h>

// Mass runs with several requests under way against the stand-in service:
// every entry stored once with its own text, its parts in order, a cancel
// that hands nothing new over, and no outcome lost to a proxy change or a
// service that goes away. The record sees every request queued, handed over
// and ended, in that order, exactly once.

namespace {

// Keeps what the session writes down, and whether it wrote it in order. With
// one request at a time the next hand-over is written on the transfer's thread.
class MemoryRecord : public SendRecord {
public:
    enum class Step { Queued, HandedOver, Ended };
    qint64 actionStarted(const ActionInfo&) override { return ++m_actions; }
    qint64 requestQueued(const RequestInfo&) override {
        std::lock_guard lock(m_mutex);
        const qint64 key = qint64(m_steps.size()) + 1;
        m_steps.insert(key, Step::Queued);
        return key;
    }
    bool handingOver(qint64 request) override {
        std::lock_guard lock(m_mutex);
        if (m_handedOver == failFrom)
            return false;
        expect(request, Step::Queued, Step::HandedOver);
        ++m_handedOver;
        maxUnderWay = std::max(maxUnderWay, ++m_underWay);
        return true;
    }
    void requestEnded(qint64 request, SendOutcome::Kind, const QString&) override {
        std::lock_guard lock(m_mutex);
        if (m_steps.value(request) == Step::HandedOver)
            --m_underWay;
        if (m_steps.value(request) == Step::Ended)
            ++faults; // ended twice
        m_steps[request] = Step::Ended;
    }
    void actionEnded(qint64, bool cancelled) override {
        ++actionsEnded;
        lastCancelled = cancelled;
    }
    QString lastError() const override { return QStringLiteral("Der Datenträger ist voll."); }

    // Requests queued or handed over that never ended.
    int open() const {
        std::lock_guard lock(m_mutex);
        return int(std::count_if(m_steps.cbegin(), m_steps.cend(), [](Step s) { return s != Step::Ended; }));
    }
    qsizetype requests() const {
        std::lock_guard lock(m_mutex);
        return m_steps.size();
    }
    void reset() {
        std::lock_guard lock(m_mutex);
        m_steps.clear();
        m_handedOver = m_actions = m_underWay = 0;
        faults = maxUnderWay = actionsEnded = 0;
        failFrom = -1;
        lastCancelled = false;
    }
    qsizetype handedOver() const {
        std::lock_guard lock(m_mutex);
        return m_handedOver;
    }

    int faults = 0;
    int maxUnderWay = 0;
    qsizetype failFrom = -1; // hand-overs written before the record fails
    int actionsEnded = 0;
    bool lastCancelled = false;

private:
    void expect(qint64 request, Step was, Step now) {
        if (!m_steps.contains(request) || m_steps.value(request) != was)
            ++faults;
        m_steps[request] = now;
    }
    mutable std::mutex m_mutex;
    QHash<qint64, Step> m_steps;
    qsizetype m_handedOver = 0;
    qint64 m_actions = 0;
    int m_underWay = 0;
};

struct Ended {
    QString recipient;
    SendOutcome::Kind kind;
};

class SendWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        service.setCredits(ServiceProcess::demoEmail(), 100000);
        settings.writeProfile(service.oemIni());
        settings.reload();
        options().Username = ServiceProcess::demoEmail();
        session.iNet().setAccessType(Transfer::Direct);
        session.setRecord(&record);
        session.setWindow(4);
        QObject::connect(&session, &SendSession::requestEnded, &session,
                         [this](const QString& r, SendOutcome::Kind k, const QString&) { ended.append({r, k}); });
        QObject::connect(&session, &SendSession::runFinished, &session,
                         [this](const QString&, const SendOutcome::RunCounts& c) { counts.append(c); });
        QObject::connect(&session, &SendSession::runLogLine, &session, [this](const QString& l) { log.append(l); });
    }

    static QString number(int i) { return QStringLiteral("0049170%1").arg(1000000 + i); }
    static QList<SendRules::MassEntry> entries(int n) {
        QList<SendRules::MassEntry> list;
        for (int i = 0; i < n; ++i)
            list.append({QStringLiteral("K%1").arg(i), number(i), QStringLiteral("F%1").arg(i), {}});
        return list;
    }
    SendSession::Action action(const QString& text) const {
        SendSession::Action a;
        a.text = text;
        a.password = ServiceProcess::demoPassword();
        return a;
    }
    bool runOver() {
        return QTest::qWaitFor([&] { return !counts.isEmpty(); }, 60000);
    }
    // recipient -> texts stored for it, oldest first
    QHash<QString, QStringList> stored() const {
        QHash<QString, QStringList> out;
        for (const QVariantList& row :
             service.query(QStringLiteral("SELECT empfaenger, text FROM messages ORDER BY id")))
            out[row[0].toString()].append(row[1].toString());
        return out;
    }
    int acceptedLines() const {
        return int(std::count_if(log.cbegin(), log.cend(), [](const QString& l) {
            return l.contains(QStringLiteral("wurde erfolgreich an das Gateway übermittelt."));
        }));
    }
    void expectRecordWhole(int window = 4) {
        EXPECT_EQ(record.faults, 0);
        EXPECT_EQ(record.open(), 0);
        EXPECT_LE(record.maxUnderWay, window);
        EXPECT_EQ(record.actionsEnded, 1);
        EXPECT_TRUE(session.isIdle());
    }

    ServiceProcess service;
    TempSettings settings;
    ScriptedPrompts prompts;
    MemoryRecord record;
    SendSession session;
    QList<Ended> ended;
    QList<SendOutcome::RunCounts> counts;
    QStringList log;
};

} // namespace

TEST_F(SendWindow, TwoHundredEntriesAreStoredOnceEachWithTheirOwnText) {
    QList<SendSession::Progress> progress;
    QObject::connect(&session, &SendSession::runProgress, &session,
                     [&](const SendSession::Progress& p) { progress.append(p); });
    ASSERT_TRUE(session.startMass(entries(200), action(QStringLiteral("Hallo %name%, Termin %frei1%"))));
    ASSERT_TRUE(runOver());

    const auto texts = stored();
    ASSERT_EQ(texts.size(), 200);
    for (int i = 0; i < 200; ++i) {
        const QString to = QStringLiteral("0049170%1").arg(1000000 + i);
        ASSERT_EQ(texts.value(to), QStringList{QStringLiteral("Hallo K%1, Termin F%1").arg(i)}) << i;
    }
    EXPECT_EQ(counts[0].confirmed, 200);
    EXPECT_EQ(counts[0].total(), 200);
    EXPECT_EQ(ended.size(), 200);
    // The window was used: four requests were under way at once.
    EXPECT_EQ(record.maxUnderWay, 4);
    expectRecordWhole();
    EXPECT_FALSE(record.lastCancelled);

    // The bar and the status line count every entry once, in order.
    ASSERT_EQ(progress.size(), 200);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(progress[i].value, i + 2);
    EXPECT_EQ(progress.last().status, QStringLiteral("Es wurden bereits 200 von 200 SMS versendet."));
    // Each entry's acceptance logged once, then the end line.
    EXPECT_EQ(acceptedLines(), 200);
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().contains(QStringLiteral("200 übermittelt"))) << log.last().toStdString();
}

TEST_F(SendWindow, CancelAfterFiftyHandsNothingNewOverAndLogsWhatWasUnderWay) {
    QObject::connect(&session, &SendSession::requestEnded, &session, [&] {
        if (ended.size() == 50)
            session.cancelRun();
    });
    ASSERT_TRUE(session.startMass(entries(200), action(QStringLiteral("Kurz"))));
    ASSERT_TRUE(runOver());

    const int inService = service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toInt();
    EXPECT_GE(inService, 50);
    EXPECT_LE(inService, 50 + 4);
    // What was under way at the cancel came in and was logged and counted.
    EXPECT_EQ(ended.size(), inService);
    EXPECT_EQ(counts[0].confirmed, inService);
    EXPECT_EQ(acceptedLines(), inService);
    EXPECT_EQ(record.requests(), inService);
    expectRecordWhole();
    EXPECT_TRUE(record.lastCancelled);
}

// One at a time, the next entry waits on the transfer, written down as
// handed over on its thread right before its bytes go. A cancel takes it
// back: it never leaves, and the record says so.
TEST_F(SendWindow, OneAtATimeTheWaitingEntryIsTakenBackByACancel) {
    session.setWindow(1);
    QObject::connect(&session, &SendSession::requestEnded, &session, [&] {
        if (ended.size() == 50)
            session.cancelRun();
    });
    ASSERT_TRUE(session.startMass(entries(200), action(QStringLiteral("Kurz %name%"))));
    ASSERT_TRUE(runOver());

    const auto texts = stored();
    // The 51st may have gone the moment the 50th was answered, never a 52nd.
    EXPECT_GE(texts.size(), 50);
    EXPECT_LE(texts.size(), 51);
    for (int i = 0; i < int(texts.size()); ++i)
        EXPECT_EQ(texts.value(number(i)), QStringList{QStringLiteral("Kurz K%1").arg(i)}) << i;
    EXPECT_EQ(counts[0].confirmed, texts.size());
    EXPECT_EQ(counts[0].total(), texts.size());
    EXPECT_EQ(record.handedOver(), texts.size());
    // Handed over or not, every request the record saw has ended.
    EXPECT_GE(record.requests(), texts.size());
    EXPECT_LE(record.requests(), texts.size() + 1);
    // The next is written down the moment the answer before it is in, which
    // may be before this thread has taken that answer: two at most, never more.
    expectRecordWhole(2);
    EXPECT_TRUE(record.lastCancelled);
}

// The record fails as the waiting entry is about to go: it stays back, the
// run stops and says why, and nothing after it goes.
TEST_F(SendWindow, OneAtATimeAHandOverTheRecordCannotTakeStopsTheRun) {
    session.setWindow(1);
    record.failFrom = 20;
    ASSERT_TRUE(session.startMass(entries(100), action(QStringLiteral("Kurz %name%"))));
    ASSERT_TRUE(runOver());

    EXPECT_EQ(stored().size(), 20);
    EXPECT_EQ(counts[0].confirmed, 20);
    EXPECT_EQ(counts[0].notSent, 1);
    EXPECT_EQ(counts[0].total(), 21);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, SendSession::runStoppedText(QStringLiteral("Der Datenträger ist voll.")));
    EXPECT_EQ(record.faults, 0);
    EXPECT_EQ(record.open(), 0);
    EXPECT_TRUE(record.lastCancelled);
    EXPECT_TRUE(session.isIdle());
}

TEST_F(SendWindow, ARecipientsThreePartsArriveInOrderWhileOthersOverlap) {
    const QString text = QString(150, QLatin1Char('a')) + QStringLiteral(" %name% eins ") + QString(150, QLatin1Char('b')) +
                         QStringLiteral(" zwei ") + QString(100, QLatin1Char('c'));
    const QList<SendRules::MassEntry> list = entries(12);
    ASSERT_TRUE(session.startMass(list, action(text)));
    ASSERT_TRUE(runOver());

    const auto texts = stored();
    ASSERT_EQ(texts.size(), 12);
    for (const SendRules::MassEntry& e : list) {
        const SendRules::MassJob job = SendRules::massJob(e, text);
        const QStringList parts = GatewayRequest::splitForSending(job.text, false, false);
        ASSERT_EQ(parts.size(), 3);
        EXPECT_EQ(texts.value(job.recipient), parts) << e.name.toStdString();
    }
    EXPECT_EQ(counts[0].confirmed, 36);
    EXPECT_GT(record.maxUnderWay, 1);
    expectRecordWhole();
}

// A proxy chosen in the options during a run, and a service that goes away
// during one: every entry ends with exactly one outcome, and none that the
// service took is called anything but confirmed or unknown.
TEST_F(SendWindow, AProxyChangeOrAFailingServiceDuringTheRunLosesNoOutcome) {
    LoopbackProxy proxy;
    const QString viaProxy = QStringLiteral("127.0.0.1:%1").arg(proxy.port());
    const auto change = QObject::connect(&session, &SendSession::requestEnded, &session, [&] {
        if (ended.size() == 30)
            session.iNet().setProxySettings(Transfer::NamedProxy, viaProxy);
    });
    ASSERT_TRUE(session.startMass(entries(100), action(QStringLiteral("Hallo %name%"))));
    ASSERT_TRUE(runOver());
    EXPECT_EQ(counts[0].confirmed, 100);
    EXPECT_EQ(stored().size(), 100);
    EXPECT_GE(proxy.requestLines().size(), 50); // the rest went through the proxy
    EXPECT_LE(proxy.requestLines().size(), 70);
    expectRecordWhole();

    // The service goes away after 20 entries of the next run.
    QObject::disconnect(change);
    session.iNet().setProxySettings(Transfer::Direct, QString());
    session.iNet().setTimeoutMs(3000);
    service.execute(QStringLiteral("DELETE FROM messages"));
    ended.clear();
    counts.clear();
    record.reset();
    QObject::connect(&session, &SendSession::requestEnded, &session, [&] {
        if (ended.size() == 20 && service.isRunning())
            service.stop();
    });
    ASSERT_TRUE(session.startMass(entries(100), action(QStringLiteral("Hallo %name%"))));
    ASSERT_TRUE(runOver());
    ASSERT_EQ(ended.size(), 100);
    QSet<QString> once;
    for (const Ended& e : ended)
        once.insert(e.recipient);
    EXPECT_EQ(once.size(), 100);
    const SendOutcome::RunCounts& c = counts[0];
    EXPECT_EQ(c.total(), 100);
    const qint64 inService = service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toLongLong();
    EXPECT_GE(c.confirmed, 20);
    EXPECT_LE(c.confirmed, inService);
    EXPECT_LE(inService, c.confirmed + c.noAnswer); // taken but unanswered: unknown, never "not sent"
    EXPECT_GT(c.notSent, 0);
    EXPECT_EQ(record.faults, 0);
    EXPECT_EQ(record.open(), 0);
}
