#include "ScriptedPrompts.h"
#include "ScriptedServer.h"
#include "TempSettings.h"

#include "config/cOptionen.h"
#include "platform/Transfer.h"
#include "web/UpdateCheck.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace UpdateCheck;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(UpdateCheck, ReadsTheVersionReply) {
    const std::pair<const char*, std::optional<qint64>> cases[] = {
        {"3.0.99", 3000099},
        {"3.0.100", 3000100},
        {"3.1.0", 3001000},
        {"2.9.999", 2009999},
        {"3.0.99.7", 3000099}, // further fields are ignored
        {"3.0.1000", 3001000}, // a large revision reaches into the minor number
        {" 3 . 1 . 0 ", 3001000},
        {"4.0", std::nullopt},
        {"", std::nullopt},
        {"3..1", std::nullopt},
        {"3.x.1", std::nullopt},
        {"3.0.40000", std::nullopt}, // not a 16-bit number
        {"<html>Fehler</html>", std::nullopt},
    };
    for (const auto& [reply, number] : cases)
        EXPECT_EQ(parseVersion(s(reply)), number) << reply;
}

class VersionCheckTest : public ::testing::Test {
protected:
    void reply(const QByteArray& body, int status = 200) {
        server.setReply(QStringLiteral("/update/version"), {body, "text/plain", status, {}});
    }
    VersionResult check() {
        return checkVersion(transfer, server.url(QStringLiteral("/update/version")),
                            Product::versionNumber(3, 0, 99));
    }
    int requests() const { return server.requestCount(QStringLiteral("/update/version")); }
    int noConnectionWindows() const {
        int n = 0;
        for (const auto& d : prompts.dialogs())
            n += d.name == QLatin1String(Prompts::Dialog::NoInternet) ? 1 : 0;
        return n;
    }

    ScriptedServer server;
    ScriptedPrompts prompts;
    Transfer transfer;
};

TEST_F(VersionCheckTest, ShowsTheNoticeOnlyForANewerVersion) {
    const std::pair<const char*, Notice> cases[] = {
        {"3.0.99", Notice::Hide},  {"3.1.0", Notice::Show},    {"3.0.100", Notice::Show},
        {"2.9.999", Notice::Hide}, {"3.0.99.5", Notice::Hide}, {"3.0.99\r\n", Notice::Hide},
    };
    for (const auto& [body, notice] : cases) {
        reply(body);
        const VersionResult r = check();
        EXPECT_EQ(r.notice, notice) << body;
        EXPECT_FALSE(r.quit);
    }
    EXPECT_EQ(noConnectionWindows(), 0);
}

TEST_F(VersionCheckTest, ABrokenReplyShowsTheNoConnectionWindowOnceWithoutRetry) {
    reply("4.0");
    prompts.queueDialogResult(QString::fromLatin1(kRetry));
    const VersionResult r = check();
    EXPECT_EQ(r.notice, Notice::Unchanged);
    EXPECT_FALSE(r.quit);
    EXPECT_EQ(noConnectionWindows(), 1);
    EXPECT_EQ(requests(), 1);
}

// An empty reply and a failed transfer both mean no connection: every
// "Erneut versuchen" asks again, closing the window goes on with the start.
TEST_F(VersionCheckTest, NoAnswerAsksAgainAsOftenAsTheUserRetries) {
    const std::pair<QByteArray, int> noAnswers[] = {{"", 200}, {"  \r\n", 200}, {"3.1.0", 500}};
    for (const auto& [body, status] : noAnswers) {
        prompts.clear();
        const int before = requests();
        reply(body, status);
        prompts.queueDialogResult(QString::fromLatin1(kRetry));
        prompts.queueDialogResult(QString::fromLatin1(kRetry));
        const VersionResult r = check();
        EXPECT_EQ(requests() - before, 3) << body.constData() << status;
        EXPECT_EQ(noConnectionWindows(), 3);
        EXPECT_EQ(r.notice, Notice::Unchanged);
        EXPECT_FALSE(r.quit);
    }
}

TEST_F(VersionCheckTest, QuittingInTheNoConnectionWindowIsReported) {
    for (const QByteArray& body : {QByteArray(), QByteArray("kaputt")}) {
        reply(body);
        prompts.queueDialogResult(QString::fromLatin1(kQuit));
        const VersionResult r = check();
        EXPECT_TRUE(r.quit) << body.constData();
        EXPECT_EQ(r.notice, Notice::Unchanged);
    }
}

TEST_F(VersionCheckTest, TheTransferKeepsItsOwnTimeOutAfterwards) {
    transfer.setTimeoutMs(45000);
    reply("3.0.99");
    check();
    EXPECT_EQ(transfer.timeoutMs(), 45000);
}

TEST(NewsCheck, DecidesByTheNewsNumberAndTheLastOneShown) {
    using A = NewsDecision::Action;
    const std::tuple<const char*, qint16, A, bool> cases[] = {
        {"5", 5, A::Unload, false},      {"5", 4, A::Show, true},          {"5", 6, A::Unload, false},
        {"-1", 9, A::Show, false},       {"-1", 0, A::Show, false},        {" 7\r\n", 0, A::Show, true},
        {"0", 0, A::Unload, false},      {"abc", 0, A::Nothing, false},    {"", 0, A::Nothing, false},
        {"70000", 0, A::Nothing, false}, {"<html>", 0, A::Nothing, false},
    };
    for (const auto& [reply, last, action, remember] : cases) {
        const NewsDecision d = decideNews(s(reply), last);
        EXPECT_EQ(d.action, action) << reply << " " << last;
        EXPECT_EQ(d.remember, remember) << reply << " " << last;
    }
}

TEST(NewsCheck, RemembersTheNumberInTheSettingsAndAsksNothingBeforeTheFirstStart) {
    TempSettings settings;
    ScriptedServer server;
    Transfer transfer;
    const QString address = server.url(QStringLiteral("/update/infoVersion2"));
    server.setReply(QStringLiteral("/update/infoVersion2"), {"7", "text/plain", 200, {}});

    options().FirstStartHasRun = false;
    EXPECT_EQ(checkForInfo(transfer, address, options()).action, NewsDecision::Nothing);
    EXPECT_EQ(server.requestCount(QStringLiteral("/update/infoVersion2")), 0);

    options().FirstStartHasRun = true;
    options().InfoVersion = 4;
    EXPECT_EQ(checkForInfo(transfer, address, options()).action, NewsDecision::Show);
    settings.reload();
    EXPECT_EQ(options().InfoVersion, 7);
    options().FirstStartHasRun = true;
    EXPECT_EQ(checkForInfo(transfer, address, options()).action, NewsDecision::Unload);

    server.setReply(QStringLiteral("/update/infoVersion2"), {"-1", "text/plain", 200, {}});
    EXPECT_EQ(checkForInfo(transfer, address, options()).action, NewsDecision::Show);
    settings.reload();
    EXPECT_EQ(options().InfoVersion, 7);
}

// The splash waits for the information request: a service that takes the
// connection and never answers must not hold the start for the transfer's
// own minute. Both checks give up within the same short time.
TEST(NewsCheck, ASilentServiceIsGivenUpOnAsSoonAsInTheVersionCheck) {
    TempSettings settings;
    ScriptedServer server;
    ScriptedPrompts prompts;
    ScriptedServer::Reply silent;
    silent.stall = true;
    server.setReply(QStringLiteral("/update/infoVersion2"), silent);
    server.setReply(QStringLiteral("/update/version"), silent);
    options().FirstStartHasRun = true;
    options().InfoVersion = 3;
    Transfer transfer; // the components' own minute
    const int ownTimeout = transfer.timeoutMs();
    ASSERT_GT(ownTimeout, kVersionTimeoutMs);

    // What the component is set to while the request waits.
    const auto waitedWith = [&](const std::function<void()>& check) {
        int during = 0;
        QTimer::singleShot(100, [&] { during = transfer.timeoutMs(); });
        check();
        return during;
    };
    const int info = waitedWith([&] {
        EXPECT_EQ(checkForInfo(transfer, server.url(QStringLiteral("/update/infoVersion2")), options()).action,
                  NewsDecision::Nothing);
    });
    const int version =
        waitedWith([&] { checkVersion(transfer, server.url(QStringLiteral("/update/version")), 1); });
    EXPECT_EQ(info, version);
    EXPECT_EQ(info, kVersionTimeoutMs);
    EXPECT_EQ(transfer.timeoutMs(), ownTimeout);
    EXPECT_EQ(server.requestCount(QStringLiteral("/update/infoVersion2")), 1);
    EXPECT_EQ(options().InfoVersion, 3);
}

} // namespace
