#include "ScriptedPrompts.h"
#include "ScriptedServer.h"
#include "ServiceProcess.h"
#include "TempSettings.h"

#include "account/AccountFields.h"
#include "account/AccountRequests.h"
#include "account/FirstStart.h"
#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "platform/Transfer.h"

#include <QTcpServer>

#include <functional>

#include <gtest/gtest.h>

using AccountFields::Mark;
using AccountRequests::Reply;

namespace {

AccountFields::NewAccount completeRegistration(const QString& email) {
    AccountFields::NewAccount a;
    a.name = QStringLiteral("Müller");
    a.firstName = QStringLiteral("Anna");
    a.email = email;
    a.emailRepeat = email;
    a.strasse = QStringLiteral("Hauptstraße 5");
    a.plz = QStringLiteral("10115");
    a.ort = QStringLiteral("Berlin");
    return a;
}

// The settings as the next start reads them from the file.
cOptionen& reloaded(const TempSettings& t) {
    t.reload();
    return options();
}

} // namespace

TEST(AccountFields, RequiredFieldsAndTheEmailRepeat) {
    using Marks = QMap<QString, Mark>;
    const QString missing = AccountFields::missingFieldsText();
    const QString differ = QStringLiteral("Die beiden angegebenen eMailadressen sind nicht identisch.");

    struct ExistingCase {
        const char* what;
        AccountFields::ExistingAccount input;
        Marks marks;
        QString warning;
    };
    const ExistingCase existing[] = {
        {"both given", {QStringLiteral("a@b"), QStringLiteral(" "), false}, {}, {}},
        {"no e-mail",
         {{}, QStringLiteral("x"), false},
         {{QStringLiteral("txtOldEmail"), Mark::Missing}},
         missing},
        {"nothing",
         {},
         {{QStringLiteral("txtOldEmail"), Mark::Missing}, {QStringLiteral("txtPassword"), Mark::Missing}},
         missing},
    };
    for (const ExistingCase& c : existing) {
        const AccountFields::Check r = AccountFields::validateExistingAccountFields(c.input);
        EXPECT_EQ(r.marks, c.marks) << c.what;
        EXPECT_EQ(r.warning, c.warning) << c.what;
        EXPECT_EQ(r.ok(), c.warning.isEmpty()) << c.what;
    }

    const auto with = [](void (*change)(AccountFields::NewAccount&)) {
        AccountFields::NewAccount a = completeRegistration(QStringLiteral("neu@velvox.example"));
        change(a);
        return a;
    };
    const Marks sameEmails{{QStringLiteral("txtEmail"), Mark::Normal},
                           {QStringLiteral("txtEmailRepeat"), Mark::Normal}};
    struct NewCase {
        const char* what;
        AccountFields::NewAccount input;
        Marks marks;
        QString warning;
    };
    const NewCase registrations[] = {
        {"optional fields empty", with([](AccountFields::NewAccount&) {}), sameEmails, {}},
        {"no first name",
         with([](AccountFields::NewAccount& a) { a.firstName.clear(); }),
         {{QStringLiteral("txtFirstName"), Mark::Missing}},
         missing},
        {"no PLZ and no Ort",
         with([](AccountFields::NewAccount& a) {
             a.plz.clear();
             a.ort.clear();
         }),
         {{QStringLiteral("txtPLZ"), Mark::Missing}, {QStringLiteral("txtOrt"), Mark::Missing}},
         missing},
        // A missing repeat is a missing field, not a mismatch.
        {"no repeat",
         with([](AccountFields::NewAccount& a) { a.emailRepeat.clear(); }),
         {{QStringLiteral("txtEmailRepeat"), Mark::Missing}},
         missing},
        {"letter case differs",
         with([](AccountFields::NewAccount& a) { a.emailRepeat = a.email.toUpper(); }),
         {{QStringLiteral("txtEmail"), Mark::Mismatch}, {QStringLiteral("txtEmailRepeat"), Mark::Mismatch}},
         differ},
        {"trailing blank differs",
         with([](AccountFields::NewAccount& a) { a.emailRepeat += QLatin1Char(' '); }),
         {{QStringLiteral("txtEmail"), Mark::Mismatch}, {QStringLiteral("txtEmailRepeat"), Mark::Mismatch}},
         differ},
    };
    for (const NewCase& c : registrations) {
        const AccountFields::Check r = AccountFields::validateNewAccountFields(c.input);
        EXPECT_EQ(r.marks, c.marks) << c.what;
        EXPECT_EQ(r.warning, c.warning) << c.what;
    }
    AccountFields::NewAccount empty;
    EXPECT_EQ(AccountFields::validateNewAccountFields(empty).marks.size(), 7);
}

TEST(AccountRequests, ReplyIsReadAsANumberAndAFailedTransferIsNoRefusal) {
    ScriptedServer server;
    Transfer transfer;
    transfer.setAccessType(Transfer::Direct);
    TempSettings t;
    urlStore().set(CUrlStore::CheckUser, server.url(QStringLiteral("/check")));
    struct Case {
        QByteArray body;
        int status;
        Reply::Kind kind;
    };
    const Case cases[] = {
        {" 0 ", 200, Reply::Kind::Accepted},   {"0\r\n", 200, Reply::Kind::Accepted},
        {"1", 200, Reply::Kind::Refused},      {"", 200, Reply::Kind::Refused},
        {"<html>", 200, Reply::Kind::Refused}, {"0", 500, Reply::Kind::Failed},
        {"0", 503, Reply::Kind::Failed},       {"0", 404, Reply::Kind::Failed},
    };
    for (const Case& c : cases) {
        ScriptedServer::Reply reply;
        reply.body = c.body;
        reply.status = c.status;
        server.setReply(QStringLiteral("/check"), reply);
        const Reply r = AccountRequests::checkUser(transfer, QStringLiteral("x@y"), QStringLiteral("p"));
        EXPECT_EQ(r.kind, c.kind) << c.body.toStdString() << " " << c.status;
        EXPECT_EQ(r.status, c.kind == Reply::Kind::Failed ? c.status : 0);
    }
    EXPECT_EQ(server.requests().first().query, QStringLiteral("email=x@y&password=p"));
}

// Whatever went wrong, the wizard's box says it in German and shows nothing
// of the request: its address carries the password and every personal field.
TEST(AccountRequests, AFailedRequestIsToldWithoutItsAddress) {
    ScriptedServer server;
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const QString closedUrl = QStringLiteral("http://127.0.0.1:%1/check").arg(closed.serverPort());
    closed.close();
    TempSettings t;
    ScriptedPrompts prompts;
    Transfer transfer;
    transfer.setAccessType(Transfer::Direct);
    transfer.setTimeoutMs(500);
    const QString noAnswer = QStringLiteral(
        "Die Verbindung zum Server konnte nicht hergestellt werden.\r\n\r\n"
        "Bitte überprüfen Sie Ihre Internetverbindung und versuchen Sie es später noch einmal.");
    const auto serverError = [](int status) {
        return QStringLiteral("Der Server hat mit einem Fehler geantwortet (%1).\r\n\r\n"
                              "Bitte versuchen Sie es später noch einmal.")
            .arg(status);
    };
    struct Case {
        const char* what;
        int status; // 0: no answer
        bool stall;
        QString text;
    };
    const Case cases[] = {
        {"maintenance", 503, false, serverError(503)},
        {"moved away", 404, false, serverError(404)},
        {"silent", 0, true, noAnswer},
        {"nobody listening", 0, false, noAnswer},
    };
    const QString secret = QStringLiteral("Geheim123");
    AccountFields::NewAccount fresh = completeRegistration(QStringLiteral("anna@velvox.example"));
    const std::function<bool()> flows[] = {
        [&] {
            return FirstStart::signIn(AccountRequests::checkUser(transfer, fresh.email, secret),
                                      {fresh.email, secret, true});
        },
        [&] { return FirstStart::registerAccount(AccountRequests::createNewAccount(transfer, fresh), fresh); },
        [&] {
            return FirstStart::activateAccount(AccountRequests::checkUser(transfer, fresh.email, secret), secret,
                                               true);
        },
    };
    for (const Case& c : cases) {
        ScriptedServer::Reply reply;
        reply.body = "Wartungsarbeiten";
        reply.status = c.status ? c.status : 200;
        reply.stall = c.stall;
        server.setReply(QStringLiteral("/check"), reply);
        const QString url = c.status || c.stall ? server.url(QStringLiteral("/check")) : closedUrl;
        urlStore().set(CUrlStore::CheckUser, url);
        urlStore().set(CUrlStore::CreateUser, url);
        for (const auto& flow : flows) {
            prompts.clear();
            EXPECT_FALSE(flow()) << c.what;
            ASSERT_EQ(prompts.messages().size(), 1) << c.what;
            const Prompts::Message& m = prompts.messages().first();
            EXPECT_EQ(m.text.toStdString(), c.text.toStdString()) << c.what;
            for (const QString& shown : {m.title, m.text}) {
                for (const char* leak : {"password=", "email=", "Geheim123", "127.0.0.1", "http", "Müller"})
                    EXPECT_FALSE(shown.contains(QString::fromUtf8(leak))) << c.what << ": " << shown.toStdString();
            }
        }
        EXPECT_FALSE(reloaded(t).FirstStartHasRun) << c.what;
        EXPECT_TRUE(options().kennwort.isEmpty()) << c.what;
    }
}

TEST(AccountRequests, RegistrationSendsEveryKeyInOrderEncoded) {
    ScriptedServer server;
    server.setReply(QStringLiteral("/create"), ScriptedServer::Reply{"0"});
    Transfer transfer;
    transfer.setAccessType(Transfer::Direct);
    TempSettings t;
    urlStore().set(CUrlStore::CreateUser, server.url(QStringLiteral("/create")));
    Product::setProductName(QStringLiteral("Büro SMS"));

    AccountFields::NewAccount a = completeRegistration(QStringLiteral("a+b&c@velvox.example"));
    a.land = QStringLiteral("DE #1");
    EXPECT_EQ(AccountRequests::createNewAccount(transfer, a).kind, Reply::Kind::Accepted);
    ASSERT_EQ(server.requests().size(), 1);
    // The address is normalised on its way out: "%2E" travels as the "." it stands for.
    EXPECT_EQ(server.requests().first().query.toStdString(),
              std::string("name=M%FCller&vorname=Anna&firma=&email=a%2Bb%26c%40velvox.example&telefon=&fax="
                          "&strasse=Hauptstra%DFe%205&plz=10115&ort=Berlin&land=DE%20%231&gutschein="
                          "&referer=B%FCro%20SMS"));
}

class AccountService : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        settings.writeProfile(service.oemIni());
        settings.reload();
        transfer.setAccessType(Transfer::Direct);
        transfer.setTimeoutMs(AccountRequests::kTimeoutMs);
    }
    // The wizard's sign-in: the request, then what becomes of its reply.
    bool signIn(const AccountFields::ExistingAccount& a) {
        return FirstStart::signIn(AccountRequests::checkUser(transfer, a.email, a.password), a);
    }
    AccountFields::ExistingAccount demo() const {
        return {ServiceProcess::demoEmail(), ServiceProcess::demoPassword(), false};
    }

    ServiceProcess service;
    TempSettings settings;
    ScriptedPrompts prompts;
    Transfer transfer;
};

TEST_F(AccountService, SignInStoresNoUnaskedPasswordAndLeavesAPendingRegistration) {
    options().WaitingForPassword = true;
    options().save();
    EXPECT_TRUE(signIn(demo()));
    EXPECT_EQ(reloaded(settings).Username, ServiceProcess::demoEmail());
    EXPECT_TRUE(options().kennwort.isEmpty());
    EXPECT_TRUE(options().FirstStartHasRun);
    EXPECT_TRUE(options().WaitingForPassword);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(AccountService, PasswordsWithQuerySignsArriveIntact) {
    for (const QString& password :
         {QStringLiteral("a&b+c"), QStringLiteral("50% #1"), QStringLiteral("x&password=")}) {
        ASSERT_EQ(service.execute(QStringLiteral("UPDATE accounts SET password = ? WHERE email = ?"),
                                  {password, ServiceProcess::demoEmail()}),
                  1);
        EXPECT_EQ(AccountRequests::checkUser(transfer, ServiceProcess::demoEmail(), password).kind,
                  Reply::Kind::Accepted)
            << password.toStdString();
        // Cut at the special sign, the rest must not pass for the password.
        EXPECT_EQ(AccountRequests::checkUser(transfer, ServiceProcess::demoEmail(), password.left(1)).kind,
                  Reply::Kind::Refused);
    }
}

TEST_F(AccountService, UnreachableServiceIsAConnectionFailureNotAnUnknownAccount) {
    QTcpServer silent; // accepts and never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    transfer.setTimeoutMs(300);
    const QString endpoints[] = {
        QStringLiteral("http://127.0.0.1:%1/sms/checkUser.php").arg(silent.serverPort()),
        service.url(u"/sms/checkUser.php")};
    service.stop();
    for (const QString& endpoint : endpoints) {
        urlStore().set(CUrlStore::CheckUser, endpoint);
        prompts.clear();
        EXPECT_FALSE(signIn(demo()));
        ASSERT_EQ(prompts.messages().size(), 1);
        EXPECT_EQ(prompts.messages().first().title, Product::productName());
        EXPECT_EQ(prompts.messages().first().text.toStdString(),
                  "Die Verbindung zum Server konnte nicht hergestellt werden.\r\n\r\n"
                  "Bitte überprüfen Sie Ihre Internetverbindung und versuchen Sie es später noch einmal.");
        EXPECT_FALSE(reloaded(settings).FirstStartHasRun);
    }
}

TEST_F(AccountService, RegistrationStoresEveryFieldAndARepeatIsRefused) {
    const QString email = QStringLiteral("neu+1@velvox.example");
    const AccountFields::NewAccount a = completeRegistration(email);
    EXPECT_TRUE(FirstStart::registerAccount(AccountRequests::createNewAccount(transfer, a), a));
    const QList<QVariantList> rows = service.query(
        QStringLiteral(
            "SELECT name, strasse, firma, land, referer, credits, activated FROM accounts WHERE email = ?"),
        {email});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], (QVariantList{QStringLiteral("Müller"), QStringLiteral("Hauptstraße 5"), QString(),
                                     QString(), QStringLiteral("Velvox"), 50LL, 0LL}));

    // The same address again is refused by the service and kept from the settings.
    options().Username = QStringLiteral("anders@velvox.example");
    options().WaitingForPassword = false;
    EXPECT_FALSE(FirstStart::registerAccount(AccountRequests::createNewAccount(transfer, a), a));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(
        prompts.messages().first().text,
        QStringLiteral("Es ist ein Fehler beim Übertragen der Daten aufgetreten, bitte versuchen Sie es "
                       "später nocheinmal."));
    EXPECT_EQ(options().Username, QStringLiteral("anders@velvox.example"));
    EXPECT_FALSE(options().WaitingForPassword);
}
