// The start-up and account requests against a server that fails in every
// way a table row names: no hang past the request's deadline, the default or
// message the rules give, nothing stored wrongly, no address or password shown.
#include "Faults.h"
#include "ScriptedPrompts.h"
#include "TempSettings.h"

#include "account/AccountRequests.h"
#include "account/FirstStart.h"
#include "config/CUrlStore.h"
#include "config/cOptionen.h"
#include "platform/Transfer.h"
#include "web/UpdateCheck.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A request's deadline in these tests; a trickled good answer takes longer.
constexpr int kDeadlineMs = 1200;
// What a blocking request may take beyond its deadline before it counts as hung.
constexpr qint64 kSlackMs = 3000;

const QString kPassword = QStringLiteral("Geheim-7f3a");
const QString kEmail = QStringLiteral("kunde@example.org");

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList shownTexts(const ScriptedPrompts& prompts) {
    QStringList texts;
    for (const Prompts::Message& m : prompts.messages())
        texts << m.title << m.text;
    return texts;
}

// How a failed account request is told: the status of an error answer, an
// answer that broke off, or no answer at all.
QString failureOpening(Fault f) {
    switch (f) {
    case Fault::NotFound: return QStringLiteral("Der Server hat mit einem Fehler geantwortet (404).");
    case Fault::ServerError: return QStringLiteral("Der Server hat mit einem Fehler geantwortet (500).");
    case Fault::Trickle:
    case Fault::Endless: return QStringLiteral("Die Antwort des Servers kam nicht vollständig an.");
    default: return QStringLiteral("Die Verbindung zum Server konnte nicht hergestellt werden.");
    }
}
std::string rowName(const ::testing::TestParamInfo<Fault>& info) {
    std::string n = faultName(info.param);
    return n == "404" ? "NotFound" : n == "500" ? "ServerError" : n;
}

class RequestFaults : public ::testing::TestWithParam<Fault> {
protected:
    Fault fault() const { return GetParam(); }
    // Points the endpoint table entry at the server with the fault staged.
    void stageEndpoint(const char* key, const QString& path, const QByteArray& good) {
        const QString url = stageFault(server, path, fault(), good);
        settings.writeProfile("[URLs]\n" + QByteArray(key) + "=" + url.toUtf8() + "\n");
        settings.reload();
        options().save();
        storedBefore = fileBytes(settings.iniPath());
    }
    qint64 timed(const std::function<void()>& request) {
        QElapsedTimer t;
        t.start();
        request();
        return t.elapsed();
    }

    TempSettings settings;
    ScriptedPrompts prompts;
    ScriptedServer server;
    Transfer transfer;
    QByteArray storedBefore;
};

class VersionFaults : public RequestFaults {};
class InformationFaults : public RequestFaults {};
class CheckUserFaults : public RequestFaults {};
class CreateUserFaults : public RequestFaults {};

} // namespace

// No usable version brings up the no-connection window once (the scripted
// answer goes on without retrying); the notice stays as it is.
TEST_P(VersionFaults, NoticeUnchangedAndNoConnectionWindowOnce) {
    const QString url = stageFault(server, QStringLiteral("/update/version"), fault(), "9.0.0");
    transfer.setTimeoutMs(45000);
    UpdateCheck::VersionResult result;
    const qint64 took = timed([&] { result = UpdateCheck::checkVersion(transfer, url); });
    EXPECT_LT(took, UpdateCheck::kVersionTimeoutMs + kSlackMs);
    EXPECT_EQ(transfer.timeoutMs(), 45000);
    EXPECT_FALSE(result.quit);
    if (fault() == Fault::None) {
        EXPECT_EQ(result.notice, UpdateCheck::Notice::Show);
        EXPECT_TRUE(prompts.dialogs().isEmpty());
    } else {
        EXPECT_EQ(result.notice, UpdateCheck::Notice::Unchanged);
        ASSERT_EQ(prompts.dialogs().size(), 1);
        EXPECT_EQ(prompts.dialogs()[0].name, QString::fromLatin1(Prompts::Dialog::NoInternet));
    }
    EXPECT_TRUE(prompts.messages().isEmpty());
}

// Without a news number nothing is shown and the last number shown stays stored.
TEST_P(InformationFaults, NoNewsAndTheStoredNumberStays) {
    stageEndpoint("CheckInfo", QStringLiteral("/info"), "7");
    options().FirstStartHasRun = true;
    options().InfoVersion = 3;
    ASSERT_TRUE(options().save());
    storedBefore = fileBytes(settings.iniPath());
    // The news check keeps the version check's short deadline of its own,
    // whatever the component's deadline, and gives that back afterwards.
    transfer.setTimeoutMs(45000);
    UpdateCheck::NewsDecision d;
    const qint64 took = timed([&] { d = UpdateCheck::checkForInfo(transfer, urlStore().getCheckInfo(), options()); });
    EXPECT_LT(took, UpdateCheck::kVersionTimeoutMs + kSlackMs);
    EXPECT_EQ(transfer.timeoutMs(), 45000);
    settings.reload();
    if (fault() == Fault::None) {
        EXPECT_EQ(d.action, UpdateCheck::NewsDecision::Show);
        EXPECT_EQ(options().InfoVersion, 7);
    } else {
        EXPECT_EQ(d.action, UpdateCheck::NewsDecision::Nothing);
        EXPECT_EQ(options().InfoVersion, 3);
        EXPECT_EQ(fileBytes(settings.iniPath()), storedBefore);
    }
    EXPECT_TRUE(prompts.messages().isEmpty());
}

// The account check: only "0" signs in; a reply that is no number refuses,
// every failed transfer says the connection failed. Nothing is stored then.
TEST_P(CheckUserFaults, OnlyAGoodAnswerSignsIn) {
    stageEndpoint("CheckUser", QStringLiteral("/check"), "0");
    transfer.setTimeoutMs(kDeadlineMs);
    bool signedIn = false;
    const qint64 took = timed([&] {
        signedIn = FirstStart::signIn(AccountRequests::checkUser(transfer, kEmail, kPassword),
                                      {kEmail, kPassword, true});
    });
    EXPECT_LT(took, kDeadlineMs + kSlackMs);
    // The network stack may ask once more after a reset: the check is a query and changes nothing.
    const int asked = server.requestCount(QStringLiteral("/check"));
    EXPECT_TRUE(fault() == Fault::Refuse ? asked == 0 : asked >= 1 && asked <= 2) << asked;
    settings.reload();
    if (fault() == Fault::None) {
        EXPECT_TRUE(signedIn);
        EXPECT_TRUE(options().FirstStartHasRun);
        EXPECT_EQ(options().kennwort, kPassword);
        return;
    }
    EXPECT_FALSE(signedIn);
    EXPECT_EQ(fileBytes(settings.iniPath()), storedBefore);
    EXPECT_FALSE(options().FirstStartHasRun);
    ASSERT_EQ(prompts.messages().size(), 1);
    const Prompts::Message& m = prompts.messages()[0];
    if (fault() == Fault::Garbage)
        EXPECT_EQ(m.title, QStringLiteral("Unbekanntes Benutzerkonto"));
    else
        EXPECT_TRUE(m.text.startsWith(failureOpening(fault()))) << m.text.toStdString();
    EXPECT_TRUE(revealsNothing(shownTexts(prompts), server, kPassword)) << m.text.toStdString();
}

TEST_P(CreateUserFaults, OnlyAGoodAnswerWaitsForThePassword) {
    stageEndpoint("CreateUser", QStringLiteral("/create"), "0");
    transfer.setTimeoutMs(kDeadlineMs);
    AccountFields::NewAccount a;
    a.name = QStringLiteral("Muster");
    a.firstName = QStringLiteral("Max");
    a.email = a.emailRepeat = kEmail;
    a.plz = QStringLiteral("12345");
    bool registered = false;
    const qint64 took = timed(
        [&] { registered = FirstStart::registerAccount(AccountRequests::createNewAccount(transfer, a), a); });
    EXPECT_LT(took, kDeadlineMs + kSlackMs);
    settings.reload();
    if (fault() == Fault::None) {
        EXPECT_TRUE(registered);
        EXPECT_TRUE(options().WaitingForPassword);
        return;
    }
    EXPECT_FALSE(registered);
    EXPECT_FALSE(options().WaitingForPassword);
    EXPECT_EQ(fileBytes(settings.iniPath()), storedBefore);
    ASSERT_EQ(prompts.messages().size(), 1);
    const QString& text = prompts.messages()[0].text;
    if (fault() == Fault::Garbage)
        EXPECT_TRUE(text.startsWith(QStringLiteral("Es ist ein Fehler beim Übertragen der Daten aufgetreten")));
    else
        EXPECT_TRUE(text.startsWith(failureOpening(fault()))) << text.toStdString();
    EXPECT_TRUE(revealsNothing(shownTexts(prompts), server, kPassword)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, VersionFaults, ::testing::ValuesIn(allFaults()), rowName);
INSTANTIATE_TEST_SUITE_P(Table, InformationFaults, ::testing::ValuesIn(allFaults()), rowName);
INSTANTIATE_TEST_SUITE_P(Table, CheckUserFaults, ::testing::ValuesIn(allFaults()), rowName);
INSTANTIATE_TEST_SUITE_P(Table, CreateUserFaults, ::testing::ValuesIn(allFaults()), rowName);
