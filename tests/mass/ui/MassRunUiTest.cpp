#include "MainWindowHarness.h"
#include "ScriptedServer.h"

#include "config/ui/frmOptionen.h"
#include "mass/ui/MassMode.h"
#include "mass/ui/frmMultiSMS.h"
#include "mass/ui/frmMultiSMSLog.h"
#include "messaging/SendContext.h"
#include "messaging/ui/CreditDisplay.h"
#include "messaging/SendSession.h"
#include "platform/Transfer.h"
#include "ui_frmOptionen.h"
#include "widgets/ToolbarButton.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QString kAccepted = QStringLiteral("wurde erfolgreich an das Gateway übermittelt.");

struct Entry {
    const char* name;
    const char* number;
    const char* frei1;
    const char* frei2;
};

const std::vector<Entry> kABC{
    {"A", "00491701110000", "", ""}, {"B", "00491702220000", "", ""}, {"C", "00491703330000", "", ""}};

// The main window in mass mode with a list, as a user gets there: the mode
// button, then entries in the list window.
class MassRunFixture {
public:
    explicit MassRunFixture(MainWindowHarness& harness) : h(harness) {}

    void enterMassMode(const std::vector<Entry>& entries) {
        emit h.ui().tbMultiSMS->Click();
        RecipientList& l = list().list();
        for (const Entry& e : entries)
            l.add(QString::fromUtf8(e.name), QString::fromUtf8(e.number), QString::fromUtf8(e.frei1),
                  QString::fromUtf8(e.frei2));
        list().recalcMaxSizes();
    }
    frmMultiSMS& list() { return *h.window->massModeControl().listWindow(); }
    frmMultiSMSLog& log() { return *h.window->massModeControl().logWindow(); }
    QString status() { return log().findChild<QLabel*>(QStringLiteral("lblSend"))->text(); }
    QString closeCaption() { return log().findChild<QPushButton*>(QStringLiteral("cmdClose"))->text(); }
    bool waitForRunEnd(int timeoutMs = 30000) {
        return QTest::qWaitFor([&] { return !h.window->massModeControl().runActive(); }, timeoutMs);
    }
    // Send, answering the mass question with Yes.
    void sendConfirmed() {
        h.prompts.queueAnswer(Prompts::Answer::Yes);
        h.clickSend();
    }

    MainWindowHarness& h;
};

class MassRunUi : public ::testing::Test {
protected:
    void SetUp() override { h.load(); }
    MainWindowHarness h;
    MassRunFixture m{h};
};

} // namespace

TEST_F(MassRunUi, ModeSwitchLocksTheRecipientFieldsAndShowsTheListBeside) {
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    m.enterMassMode({{"A", "0049170", "", ""}});
    EXPECT_TRUE(h.window->massMode());
    EXPECT_EQ(h.ui().cmbName->currentText(), QStringLiteral("MultiSMS"));
    const QList<QWidget*> locked{h.ui().cmbName, h.ui().txtNummer, h.ui().cmbVorwahl, h.ui().chkPrivat,
                                 h.ui().chkPublic};
    for (const QWidget* c : locked)
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_TRUE(h.ui().txtNummer->text().isEmpty());
    EXPECT_FALSE(h.ui().boxPlatzhalter->isHidden());
    EXPECT_FALSE(h.ui().boxVariablesToolbar->isHidden());
    EXPECT_TRUE(m.list().isVisible());

    // The mass counters use the list: "Hallo %name%" with a 20-character name, 5 entries.
    for (int i = 0; i < 4; ++i)
        m.list().list().add(QString(20, QLatin1Char('n')), QStringLiteral("0049170"), {}, {});
    m.list().recalcMaxSizes();
    h.enterText(QStringLiteral("Hallo %name%"));
    EXPECT_EQ(h.ui().txtZeichenMultiSMS->text(), QStringLiteral("26"));
    EXPECT_EQ(h.ui().txtAnzahlProNachricht->text(), QStringLiteral("1"));
    EXPECT_EQ(h.ui().txtAnzahlMultiSMS->text(), QStringLiteral("5"));

    // Closing the list window ends mass mode.
    m.list().close();
    EXPECT_FALSE(h.window->massMode());
    for (const QWidget* c : locked)
        EXPECT_TRUE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_TRUE(h.ui().boxPlatzhalter->isHidden());
    EXPECT_TRUE(h.ui().cmbName->currentText().isEmpty());
}

// Numbers that are no valid mobile numbers are counted before the run; the
// user sends to all, leaves them out or stops.
TEST(MassRunNumbers, InvalidAndLandlineNumbersAreAskedAboutBeforeTheRun) {
    const struct {
        Prompts::Answer answer;
        QStringList sentTo;
    } cases[] = {{Prompts::Answer::No, {QStringLiteral("00491701111111"), QStringLiteral("00436643333333")}},
                 {Prompts::Answer::Cancel, {}}};
    for (const auto& c : cases) {
        MainWindowHarness harness;
        harness.load();
        MassRunFixture run(harness);
        run.enterMassMode({{"A", "00491701111111", "", ""}, {"Festnetz", "0049301234567", "", ""},
                           {"C", "00436643333333", "", ""}, {"Kurz", "0049170", "", ""}});
        harness.enterText(QStringLiteral("Hallo %name%"));
        harness.prompts.queueAnswer(c.answer);
        harness.prompts.queueAnswer(Prompts::Answer::Yes); // the mass question
        harness.clickSend();
        ASSERT_FALSE(harness.prompts.messages().isEmpty());
        EXPECT_EQ(harness.prompts.messages()[0].text,
                  QStringLiteral("2 Nummern sind keine gültigen Mobilfunknummern. Trotzdem an alle senden?"));
        if (c.sentTo.isEmpty()) {
            // Stopped: no mass question, nothing sent.
            EXPECT_EQ(harness.prompts.messages().size(), 1);
            EXPECT_FALSE(harness.window->massModeControl().runActive());
            EXPECT_TRUE(harness.service->query(QStringLiteral("SELECT id FROM messages")).isEmpty());
            continue;
        }
        ASSERT_EQ(harness.prompts.messages().size(), 2);
        EXPECT_EQ(harness.prompts.messages()[1].text,
                  QStringLiteral("Achtung! Sie versenden eine MassenSMS!\r\n"
                                 "Wollen Sie die 2 Nachrichten wirklich versenden?"));
        ASSERT_TRUE(run.waitForRunEnd());
        QStringList sent;
        for (const QVariantList& row :
             harness.service->query(QStringLiteral("SELECT empfaenger FROM messages ORDER BY id")))
            sent << row.value(0).toString();
        EXPECT_EQ(sent, c.sentTo);
    }
}

TEST_F(MassRunUi, EntriesArriveInListOrderWithTheirPlaceholdersFilled) {
    m.enterMassMode({{"Frau Öz", "00491701111111", "Praxis", "Montag"},
                     {"Herr B", "01702222222", "Kanzlei", "Dienstag"},
                     {"C", "00436643333333", "", ""}});
    h.enterText(QStringLiteral("Hallo %name%, %frei1% am %frei2%."));
    m.sendConfirmed();
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.prompts.messages()[0].text,
              QStringLiteral("Achtung! Sie versenden eine MassenSMS!\r\n"
                             "Wollen Sie die 3 Nachrichten wirklich versenden?"));
    ASSERT_TRUE(m.waitForRunEnd());

    const auto rows = h.service->query(
        QStringLiteral("SELECT empfaenger, empfaengername, text, private, public FROM messages ORDER BY id"));
    ASSERT_EQ(rows.size(), 3);
    const QString f = QStringLiteral("false");
    EXPECT_EQ(rows[0], (QVariantList{QStringLiteral("00491701111111"), QStringLiteral("Frau Öz"),
                                     QStringLiteral("Hallo Frau Öz, Praxis am Montag."), f, f}));
    // No "00": a German number.
    EXPECT_EQ(rows[1], (QVariantList{QStringLiteral("00491702222222"), QStringLiteral("Herr B"),
                                     QStringLiteral("Hallo Herr B, Kanzlei am Dienstag."), f, f}));
    EXPECT_EQ(rows[2], (QVariantList{QStringLiteral("00436643333333"), QStringLiteral("C"),
                                     QStringLiteral("Hallo C,  am ."), f, f}));

    // The log: one stamped line per reply piece, newest first, with seconds.
    const QString log = m.log().logText();
    EXPECT_EQ(log.count(kAccepted), 3) << log.toStdString();
    EXPECT_TRUE(log.indexOf(QStringLiteral("00436643333333")) <
                log.indexOf(QStringLiteral("00491701111111")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[^\\n]* \\d{1,2}:\\d\\d:\\d\\d(\\W?[AP]M)? - "))
                    .match(log)
                    .hasMatch())
        << log.left(40).toStdString();
    EXPECT_EQ(m.status(), QStringLiteral("Vorgang abgeschlossen"));
    EXPECT_EQ(m.closeCaption(), QStringLiteral("Schliessen"));
    // No reply box in a run, and the balance is fetched again afterwards.
    EXPECT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.ui().lblCredits->text(),
              QString::number(h.service->credits(ServiceProcess::demoEmail())) + QStringLiteral(" Credits"));
    EXPECT_LT(h.service->credits(ServiceProcess::demoEmail()), ServiceProcess::kDemoCredits);
    EXPECT_TRUE(h.ui().tbSend->isEnabled());
    EXPECT_TRUE(h.ui().tbMultiSMS->isEnabled());
}

TEST_F(MassRunUi, CancelAfterTheFirstEntrySendsNothingMore) {
    m.enterMassMode(kABC);
    h.enterText(QStringLiteral("Hallo"));
    m.sendConfirmed();
    // The first request is on its way: cancel now, as the user would.
    m.log().onCloseClicked();
    EXPECT_EQ(m.closeCaption(), QStringLiteral("Abbrechen"));
    ASSERT_TRUE(m.waitForRunEnd());
    EXPECT_EQ(h.messagesStored(), 1);
    EXPECT_TRUE(m.log().logText().endsWith(QStringLiteral("\r\n!!!! Abbruch durch User")))
        << m.log().logText().toStdString();
    EXPECT_EQ(m.status(), QStringLiteral("Vorgang abgeschlossen"));
    EXPECT_EQ(m.closeCaption(), QStringLiteral("Schliessen"));
    // "Schliessen" hides the window and keeps its log.
    m.log().onCloseClicked();
    EXPECT_TRUE(m.log().isHidden());
    EXPECT_FALSE(m.log().logText().isEmpty());
}

TEST_F(MassRunUi, ShortBalanceOrNoRefusesTheRunAndSendsNothing) {
    m.enterMassMode({{"A", "00491701110000", "", ""}, {"B", "00491702220000", "", ""}});
    h.enterText(QStringLiteral("Hallo"));
    // 2 SMS at 10 credits: 19 is too little.
    h.service->setCredits(ServiceProcess::demoEmail(), 19);
    h.window->credits().refreshCredits();
    h.prompts.clear();
    h.clickSend();
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(
        h.prompts.messages()[0].text,
        QStringLiteral(
            "Sie verfügen nicht mehr über ein ausreichendes Guthaben um alle Nachrichten zu verschicken."));
    EXPECT_FALSE(h.window->massModeControl().runActive());

    // Enough credits, but the question answered No.
    h.service->setCredits(ServiceProcess::demoEmail(), 20);
    h.window->credits().refreshCredits();
    h.prompts.queueAnswer(Prompts::Answer::No);
    h.clickSend();
    EXPECT_EQ(h.prompts.messages().size(), 2);
    EXPECT_FALSE(h.window->massModeControl().runActive());
    QTest::qWait(100);
    EXPECT_EQ(h.messagesStored(), 0);
}

TEST_F(MassRunUi, SecondSendDuringARunIsRefusedAndTheRunKeepsItsSnapshot) {
    m.enterMassMode(kABC);
    h.enterText(QStringLiteral("Hallo"));
    m.sendConfirmed();
    ASSERT_TRUE(h.window->massModeControl().runActive());
    EXPECT_FALSE(h.ui().tbSend->isEnabled());
    EXPECT_FALSE(h.ui().tbMultiSMS->isEnabled());
    EXPECT_TRUE(m.list().editingLocked());
    // Typing keeps the send button off; a click that gets through anyway is refused.
    h.enterText(QStringLiteral("Hallo!"));
    EXPECT_FALSE(h.ui().tbSend->isEnabled());
    h.prompts.queueAnswer(Prompts::Answer::Yes);
    h.clickSend();
    emit h.ui().tbMultiSMS->Click();
    EXPECT_TRUE(h.window->massMode());
    // The list changes under the run: the run sends what it started with.
    m.list().list().add(QStringLiteral("D"), QStringLiteral("00491704440000"), {}, {});
    ASSERT_TRUE(m.waitForRunEnd());
    EXPECT_EQ(h.messagesStored(), 3);
    EXPECT_EQ(h.prompts.messages().size(), 1);
    EXPECT_FALSE(m.list().editingLocked());
}

TEST_F(MassRunUi, HandOverRunAsksOnceAndConfirmsOnce) {
    QTemporaryDir temp;
    QTemporaryDir shared;
    qputenv("TEMP", temp.path().toLocal8Bit());
    options().xmlIsServerUsed = true;
    options().XmlPfad = shared.path();
    options().xmlSingleUser = true;
    options().isAbsenderkennung = true;
    options().Absenderkennung.clear();
    m.enterMassMode(kABC);
    h.enterText(QStringLiteral("Hallo %name%"));
    m.sendConfirmed();
    ASSERT_TRUE(m.waitForRunEnd());
    qunsetenv("TEMP");
    EXPECT_EQ(QDir(shared.path()).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(h.messagesStored(), 0);
    // The question and one confirmation; the missing sender name is asked
    // by the gateway path only, which the company server does not take.
    ASSERT_EQ(h.prompts.messages().size(), 2) << h.prompts.messages().last().text.toStdString();
    EXPECT_TRUE(h.prompts.messages()[1].text.contains(QStringLiteral("Kontodaten")));
}

TEST_F(MassRunUi, MissingSenderNameIsAskedOncePerRun) {
    options().isAbsenderkennung = true;
    options().Absenderkennung.clear();
    m.enterMassMode(kABC);
    h.enterText(QStringLiteral("Hallo"));
    h.prompts.queueAnswer(Prompts::Answer::Yes); // the mass question
    h.prompts.queueAnswer(Prompts::Answer::Yes); // send without sender name
    h.clickSend();
    ASSERT_TRUE(m.waitForRunEnd());
    EXPECT_EQ(h.messagesStored(), 3);
    int asked = 0;
    for (const Prompts::Message& msg : h.prompts.messages())
        asked += msg.title == QStringLiteral("Kein Absendername vorhanden");
    EXPECT_EQ(asked, 1);
}

TEST_F(MassRunUi, ClosingTheMainWindowDuringARunCancelsItWithoutACrash) {
    m.enterMassMode(kABC);
    h.enterText(QStringLiteral("Hallo"));
    m.sendConfirmed();
    QPointer<frmMultiSMSLog> log(&m.log());
    h.window->close();
    EXPECT_TRUE(log->cancelSend());
    EXPECT_TRUE(log->isHidden());
    QTest::qWait(300);
    EXPECT_LE(h.messagesStored(), 1);
    // The start-up deletes the main window on close: mid-run too.
    h.window.reset();
    QTest::qWait(200);
    EXPECT_TRUE(log.isNull());
}

namespace {

// A gateway that answers too late or not at all: these tests are about
// silence and time-outs, which the stand-in service does not produce.
class SilentGateway : public ::testing::Test {
protected:
    void SetUp() override {
        h = loadOnScriptedGateway(gateway);
        m = std::make_unique<MassRunFixture>(*h);
    }

    ScriptedServer gateway;
    std::unique_ptr<MainWindowHarness> h;
    std::unique_ptr<MassRunFixture> m;
};

} // namespace

// Confirmed, refused and unanswered entries are logged apart and counted: an
// entry without an answer may have been sent, so it is never called unsent.
TEST_F(SilentGateway, EachOutcomeIsLoggedApartAndCountedAtTheEnd) {
    const QByteArray accepted = "wurde erfolgreich an das Gateway \xFC"
                                "bermittelt.";
    gateway.setReplies(QStringLiteral("/send"),
                       {{accepted, "text/plain"},
                        {"Wartung", "text/plain", 503},
                        {accepted, "text/plain", 200, 1500ms},
                        {"Rufnummer ung\xFCltig", "text/plain"},
                        {accepted, "text/plain"}});
    h->window->session().iNet().setTimeoutMs(400);
    m->enterMassMode({{"A", "00491701110000", "", ""},
                      {"B", "00491702220000", "", ""},
                      {"C", "00491703330000", "", ""},
                      {"D", "00491704440000", "", ""},
                      {"E", "00491705550000", "", ""}});
    h->enterText(QStringLiteral("Hallo"));
    m->sendConfirmed();
    ASSERT_TRUE(m->waitForRunEnd(10000));
    const QString log = m->log().logText();
    EXPECT_EQ(log.count(QStringLiteral("erfolgreich")), 2) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral(
        "Die SMS an 00491702220000 wurde nicht versendet: das SMS Gateway hat mit einem Fehler geantwortet (Status 503).")));
    EXPECT_TRUE(log.contains(QStringLiteral("Die SMS an 00491703330000 wurde vielleicht versendet: das SMS Gateway "
                                            "hat nicht geantwortet (Status unbekannt).")));
    EXPECT_TRUE(log.contains(QStringLiteral("Rufnummer ungültig")));
    EXPECT_FALSE(log.contains(QStringLiteral("NICHT"))) << log.toStdString();
    // Newest first: the counts head the log.
    EXPECT_TRUE(log.section(QStringLiteral("\r\n"), 0, 0).endsWith(
        QStringLiteral(" - 2 übermittelt, 2 abgelehnt, 1 ohne Antwort")))
        << log.toStdString();
    EXPECT_EQ(m->status(), QStringLiteral("Vorgang abgeschlossen"));
    EXPECT_EQ(gateway.requestCount(QStringLiteral("/send")), 5);
}

// "OK" in the options dialog, with a new proxy choice, while an entry's reply
// is on its way: the entry still gets its answer.
TEST_F(SilentGateway, AnOptionsApplyMidRunDropsNoEntry) {
    gateway.setReply(QStringLiteral("/send"), {"wurde erfolgreich an das Gateway \xFC"
                                               "bermittelt.",
                                               "text/plain", 200, 800ms});
    m->enterMassMode({{"A", "00491701110000", "", ""}, {"B", "00491702220000", "", ""}});
    h->enterText(QStringLiteral("Hallo"));
    m->sendConfirmed();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gateway.requestCount(QStringLiteral("/send")) == 1; }, 5000));
    for (const bool changeProxy : {false, true}) {
        frmOptionen dialog;
        dialog.load();
        dialog.show();
        if (changeProxy)
            dialog.ui().optProxyNone->click();
        QTest::mouseClick(dialog.ui().cmdOK, Qt::LeftButton);
    }
    ASSERT_TRUE(m->waitForRunEnd(10000));
    const QString log = m->log().logText();
    EXPECT_EQ(log.count(QStringLiteral("erfolgreich")), 2) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("2 übermittelt, 0 abgelehnt, 0 ohne Antwort")));
    EXPECT_EQ(gateway.requestCount(QStringLiteral("/send")), 2);
}

// A No to sending without a sender name ends the run at once.
TEST_F(SilentGateway, NoSenderNameAnsweredNoEndsTheRunWithNothingSent) {
    gateway.setReply(QStringLiteral("/send"), {"wurde erfolgreich an das Gateway \xFC"
                                               "bermittelt.",
                                               "text/plain"});
    options().isAbsenderkennung = true;
    options().Absenderkennung.clear();
    m->enterMassMode({{"A", "00491701110000", "", ""}, {"B", "00491702220000", "", ""}, {"C", "00491703330000", "", ""}});
    h->enterText(QStringLiteral("Hallo"));
    h->prompts.queueAnswer(Prompts::Answer::Yes); // the mass question
    h->prompts.queueAnswer(Prompts::Answer::No);  // send without sender name
    h->clickSend();
    ASSERT_TRUE(m->waitForRunEnd(5000));
    QTest::qWait(100);
    EXPECT_EQ(gateway.requestCount(QStringLiteral("/send")), 0);
    const QString said = QStringLiteral("Vorgang abgebrochen: ohne Absendername wurde keine SMS versendet.");
    EXPECT_EQ(m->status(), said);
    EXPECT_EQ(m->log().logText().count(said), 1) << m->log().logText().toStdString();
    EXPECT_FALSE(m->log().logText().contains(QStringLiteral("übermittelt")));
    EXPECT_EQ(h->prompts.messages().size(), 2);
}

TEST_F(SilentGateway, AReplyAfterMassModeEndedStaysOutOfTheSingleSendPath) {
    gateway.setReply(QStringLiteral("/send"), {"wurde erfolgreich an das Gateway \xFC"
                                               "bermittelt.",
                                               "text/plain", 200, 400ms});
    m->enterMassMode({{"A", "00491701110000", "", ""}});
    h->enterText(QStringLiteral("Hallo"));
    m->sendConfirmed();
    // The list window closes while the reply is on its way: mass mode ends.
    m->list().close();
    EXPECT_FALSE(h->window->massMode());
    ASSERT_TRUE(m->waitForRunEnd(5000));
    EXPECT_EQ(h->prompts.messages().size(), 1); // only the mass question: no reply box
    EXPECT_EQ(h->ui().txtSMS->toPlainText(), QStringLiteral("Hallo"));
    EXPECT_TRUE(h->ui().boxReuseLastSMS->isHidden());
    EXPECT_TRUE(m->log().logText().contains(QStringLiteral("erfolgreich")));
    EXPECT_TRUE(m->log().cancelSend());
}

// With four requests under way the window shows exactly what happened: every
// entry's line once, the bar at its end, the end counts; "Abbrechen" sends
// nothing new, and what was out comes in and is logged before the end line.
TEST_F(MassRunUi, WithFourUnderWayTheLogBarAndCountsStayExact) {
    options().parallelTransfers = 4;
    std::vector<std::string> numbers;
    std::vector<Entry> entries;
    for (int i = 0; i < 40; ++i)
        numbers.push_back("0049170" + std::to_string(4000000 + i));
    for (int i = 0; i < 40; ++i)
        entries.push_back({"K", numbers[size_t(i)].c_str(), "", ""});
    m.enterMassMode(entries);
    h.enterText(QStringLiteral("Hallo %name%"));
    m.sendConfirmed();
    ASSERT_TRUE(m.waitForRunEnd());
    const QString log = m.log().logText();
    EXPECT_EQ(log.count(kAccepted), 40);
    for (const std::string& n : numbers)
        EXPECT_TRUE(log.contains(QString::fromStdString(n))) << n;
    EXPECT_TRUE(log.contains(QStringLiteral("40 übermittelt"))) << log.toStdString();
    EXPECT_EQ(h.messagesStored(), 40);
    EXPECT_EQ(m.status(), QStringLiteral("Vorgang abgeschlossen"));
    const auto* bar = m.log().findChild<QProgressBar*>(QStringLiteral("pBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), bar->maximum());
    m.log().onCloseClicked();

    // Again, cancelled while the first requests are out.
    h.prompts.clear();
    m.sendConfirmed();
    m.log().onCloseClicked();
    ASSERT_TRUE(m.waitForRunEnd());
    const int secondRun = h.messagesStored() - 40;
    EXPECT_GE(secondRun, 1);
    EXPECT_LE(secondRun, 4);
    const QString cancelled = m.log().logText();
    EXPECT_EQ(cancelled.count(kAccepted), secondRun);
    EXPECT_TRUE(cancelled.endsWith(QStringLiteral("\r\n!!!! Abbruch durch User"))) << cancelled.toStdString();
    EXPECT_EQ(m.status(), QStringLiteral("Vorgang abgeschlossen"));
}
