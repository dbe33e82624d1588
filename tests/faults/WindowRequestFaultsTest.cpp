// The requests the windows make (single send, scheduled send, balance, group
// download) against a server that fails in every way a table row names: no
// wait past the request's deadline, the box or default the rules give,
// nothing sent twice or taken for sent, no address or password shown.
#include "Faults.h"
#include "MainWindowHarness.h"

#include "mass/WebGroup.h"
#include "mass/ui/frmMultiSMS.h"
#include "mass/ui/frmOpenWebGroup.h"
#include "messaging/CreditBalance.h"
#include "messaging/SendContext.h"
#include "messaging/ui/CreditDisplay.h"
#include "messaging/SendSession.h"
#include "messaging/ui/SendWorkflow.h"
#include "platform/Transfer.h"

#include <QElapsedTimer>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

constexpr int kDeadlineMs = 1200;
// How long past its deadline a request may take before it counts as hung.
constexpr int kSlackMs = 4000;

const QByteArray kAccepted = "Die SMS an 00491701234567 wurde erfolgreich an das Gateway \xFC"
                             "bermittelt.;Restguthaben: 4990\n";
const QString kPassword = QStringLiteral("Geheim-7f3a");
const QByteArray kCreated = "Der Terminversand wurde angelegt.\n";

std::string rowName(const ::testing::TestParamInfo<Fault>& info) {
    std::string n = faultName(info.param);
    return n == "404" ? "NotFound" : n == "500" ? "ServerError" : n;
}

QStringList shownTexts(const ScriptedPrompts& prompts) {
    QStringList texts;
    for (const Prompts::Message& m : prompts.messages())
        texts << m.title << m.text;
    return texts;
}

// A main window whose gateway and balance query go to scripted servers: the
// faulty one for the request under test, a good one for the rest.
class WindowFaults : public ::testing::TestWithParam<Fault> {
protected:
    Fault fault() const { return GetParam(); }

    void load(const QString& sendUrl, const QString& cronUrl, const QString& countUrl) {
        good.setReply(QStringLiteral("/count"), {"5000"});
        const QByteArray profile = "[URLs]\nSendSMS=" + sendUrl.toUtf8() + "\nCronSMS=" + cronUrl.toUtf8() +
                                   "\nSmsCount=" + countUrl.toUtf8() + "\n";
        h = std::make_unique<MainWindowHarness>(profile, false);
        options().kennwort = kPassword;
        h->load();
        h->window->workflow().setSendTimeoutMs(kDeadlineMs);
        h->window->session().iNet().setTimeoutMs(kDeadlineMs);
        h->window->credits().iNet2().setTimeoutMs(kDeadlineMs);
        h->enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
        h->enterText(QStringLiteral("Hallo Welt"));
    }

    // One send action through the window; its one box must come within the
    // deadline, and no second box and no second request follow.
    void sendAndCheck(const QString& path, const QByteArray& goodReply, const std::function<void()>& send) {
        const QString url = stageFault(faulty, path, fault(), goodReply);
        const QString count = good.url(QStringLiteral("/count?email="));
        if (path == QLatin1String("/send"))
            load(url, good.url(QStringLiteral("/cron")), count);
        else
            load(good.url(QStringLiteral("/send")), url, count);
        send();
        ASSERT_TRUE(h->waitForMessages(1, kDeadlineMs + kSlackMs)) << "no box within the deadline";
        QTest::qWait(400);
        ASSERT_EQ(h->prompts.messages().size(), 1);
        const Prompts::Message& box = h->prompts.messages()[0];
        EXPECT_LE(faulty.requestCount(path), fault() == Fault::Refuse ? 0 : 1) << "sent twice";
        const bool answered = fault() == Fault::None || fault() == Fault::Garbage;
        if (answered) {
            EXPECT_EQ(box.title, QStringLiteral("Antwort des SMS Gateways"));
        } else {
            // A failed request is reported by the time-out, whose text hedges.
            EXPECT_EQ(box.text, SendSession::timeoutText());
        }
        const bool confirmed = fault() == Fault::None;
        EXPECT_EQ(h->ui().txtSMS->toPlainText().isEmpty(), confirmed);
        EXPECT_EQ(h->window->sendContext().lastSentText.isEmpty(), !confirmed);
        EXPECT_FALSE(h->window->session().tm().isActive());
        EXPECT_TRUE(revealsNothing(shownTexts(h->prompts), faulty, kPassword))
            << box.text.toStdString();
    }

    ScriptedServer faulty;
    ScriptedServer good;
    std::unique_ptr<MainWindowHarness> h;
};

class SendFaults : public WindowFaults {};
class ScheduledSendFaults : public WindowFaults {};
class BalanceFaults : public WindowFaults {};
class GroupDownloadFaults : public WindowFaults {};

} // namespace

TEST_P(SendFaults, OneBoxWithinTheDeadlineAndNothingTakenForSent) {
    sendAndCheck(QStringLiteral("/send"), kAccepted, [&] { h->clickSend(); });
}

TEST_P(ScheduledSendFaults, OneBoxWithinTheDeadlineAndNothingTakenForSent) {
    sendAndCheck(QStringLiteral("/cron"), kCreated, [&] {
        h->prompts.queueDialogResult(QVariantMap{{QStringLiteral("StartTime"), QStringLiteral("10.12.2030 10:00")},
                                                 {QStringLiteral("CronString"), QStringLiteral("0 10 * * *")},
                                                 {QStringLiteral("EndTime"), QString()}});
        h->window->workflow().onScheduledSendClicked();
    });
}

// A balance that cannot be read shows "kein Internet" and leaves the balance
// unknown, so it blocks no send; nothing is asked.
TEST_P(BalanceFaults, UnreadableBalanceIsUnknown) {
    // The window fetches the balance as it loads: the fault is staged after
    // that, except for the refused address, which is the address itself.
    const QString countUrl = fault() == Fault::Refuse ? ScriptedServer::refusedUrl(QStringLiteral("/count?email="))
                                                      : faulty.url(QStringLiteral("/count?email="));
    faulty.setReply(QStringLiteral("/count"), {"5000"});
    load(good.url(QStringLiteral("/send")), good.url(QStringLiteral("/cron")), countUrl);
    if (fault() != Fault::Refuse)
        stageFault(faulty, QStringLiteral("/count"), fault(), "4321");
    QElapsedTimer t;
    t.start();
    h->window->credits().refreshCredits();
    EXPECT_LT(t.elapsed(), kDeadlineMs + kSlackMs);
    const QString label = h->ui().lblCredits->text();
    if (fault() == Fault::None) {
        EXPECT_EQ(label, QStringLiteral("4321 Credits"));
        EXPECT_EQ(h->window->sendContext().creditBalance, 4321);
    } else {
        EXPECT_EQ(label, CreditBalance::noInternetText());
        EXPECT_EQ(h->window->sendContext().creditBalance, CreditBalance::kUnknown);
    }
    EXPECT_TRUE(h->prompts.messages().isEmpty());
}

// Only a group downloaded and read whole replaces the list; otherwise the
// list stays and the user reads the one message the rules give.
TEST_P(GroupDownloadFaults, OnlyAWholeGroupReplacesTheList) {
    TempSettings settings;
    ScriptedPrompts prompts;
    frmMultiSMS multi;
    multi.list().add(QStringLiteral("Eigener Eintrag"), QStringLiteral("00491709999999"), {}, {});
    frmOpenWebGroup dialog(multi);
    dialog.iNet().setTimeoutMs(kDeadlineMs);
    const QString url = stageFault(faulty, QStringLiteral("/gruppe.txt"), fault(),
                                   "Anna;00491701111111;a;b\nBernd;00491702222222;c;d\n");
    QElapsedTimer t;
    t.start();
    const bool loaded = dialog.loadGroup(url);
    EXPECT_LT(t.elapsed(), kDeadlineMs + kSlackMs);
    QStringList names;
    for (const RecipientEntry& e : multi.list().entries())
        names << e.name;
    if (fault() == Fault::None) {
        EXPECT_TRUE(loaded);
        EXPECT_EQ(names, (QStringList{QStringLiteral("Anna"), QStringLiteral("Bernd")}));
        EXPECT_TRUE(prompts.messages().isEmpty());
        return;
    }
    EXPECT_FALSE(loaded);
    EXPECT_EQ(names, QStringList{QStringLiteral("Eigener Eintrag")});
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, WebGroup::loadFailedText());
}

INSTANTIATE_TEST_SUITE_P(Table, SendFaults, ::testing::ValuesIn(allFaults()), rowName);
INSTANTIATE_TEST_SUITE_P(Table, ScheduledSendFaults, ::testing::ValuesIn(allFaults()), rowName);
INSTANTIATE_TEST_SUITE_P(Table, BalanceFaults, ::testing::ValuesIn(allFaults()), rowName);
INSTANTIATE_TEST_SUITE_P(Table, GroupDownloadFaults, ::testing::ValuesIn(allFaults()), rowName);
