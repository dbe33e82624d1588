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
        {"<html>", 200, Reply::Kind::Refused}, {"0", 500, Reply::Kind::NoConnection},
    };
    for (const Case& c : cases) {
        ScriptedServer::Reply reply;
        reply.body = c.body;
        reply.status = c.status;
        server.setReply(QStringLiteral("/check"), reply);
        const Reply r = AccountRequests::checkUser(transfer, QStringLiteral("x@y"), QStringLiteral("p"));
        EXPECT_EQ(r.kind, c.kind) << c.body.toStdString() << " " << c.status;
        EXPECT_EQ(r.transferError.isEmpty(), c.kind != Reply::Kind::NoConnection);
    }
    EXPECT_EQ(server.requests().first().query, QStringLiteral("email=x@y&password=p"));
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
    AccountFields::ExistingAccount demo(bool remember) const {
        return {ServiceProcess::demoEmail(), ServiceProcess::demoPassword(), remember};
    }
    // The wizard's three steps: the request, then what becomes of its reply.
    bool signIn(const AccountFields::ExistingAccount& a) {
        return FirstStart::signIn(AccountRequests::checkUser(transfer, a.email, a.password), a);
    }
    bool registerAccount(const AccountFields::NewAccount& a) {
        return FirstStart::registerAccount(AccountRequests::createNewAccount(transfer, a), a);
    }
    bool activateAccount(const QString& password, bool remember) {
        return FirstStart::activateAccount(AccountRequests::checkUser(transfer, options().Username, password),
                                           password, remember);
    }
    QStringList shownTitles() const {
        QStringList titles;
        for (const Prompts::Message& m : prompts.messages())
            titles << m.title;
        return titles;
    }

    ServiceProcess service;
    TempSettings settings;
    ScriptedPrompts prompts;
    Transfer transfer;
};

TEST_F(AccountService, SignInWritesTheAccountOnlyWhenTheServiceAgrees) {
    options().WaitingForPassword = true;
    options().save();

    AccountFields::ExistingAccount wrong = demo(true);
    wrong.password = QStringLiteral("VELVOX");
    EXPECT_FALSE(signIn(wrong));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages().first().icon, Prompts::Icon::Warning);
    EXPECT_EQ(prompts.messages().first().title, QStringLiteral("Unbekanntes Benutzerkonto"));
    EXPECT_EQ(prompts.messages().first().text,
              QStringLiteral("Für diese Kombination aus eMail und Kennwort ist kein Konto vorhanden.\r\n\r\n"
                             "Bitte überprüfen Sie Ihre Daten."));
    EXPECT_TRUE(reloaded(settings).Username.isEmpty());
    EXPECT_FALSE(options().FirstStartHasRun);

    EXPECT_TRUE(signIn(demo(false)));
    EXPECT_EQ(reloaded(settings).Username, ServiceProcess::demoEmail());
    EXPECT_TRUE(options().kennwort.isEmpty());
    EXPECT_TRUE(options().FirstStartHasRun);
    EXPECT_TRUE(options().WaitingForPassword); // signing in leaves a pending registration alone

    EXPECT_TRUE(signIn(demo(true)));
    EXPECT_EQ(reloaded(settings).kennwort, ServiceProcess::demoPassword());
    EXPECT_EQ(prompts.messages().size(), 1);
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
        EXPECT_FALSE(signIn(demo(true)));
        ASSERT_EQ(prompts.messages().size(), 1);
        EXPECT_EQ(prompts.messages().first().title, Product::productName());
        EXPECT_TRUE(prompts.messages().first().text.startsWith(
            QStringLiteral("Die Verbindung zum Server konnte nicht hergestellt werden.\r\n(")))
            << prompts.messages().first().text.toStdString();
        EXPECT_FALSE(reloaded(settings).FirstStartHasRun);
    }
}

TEST_F(AccountService, RegistrationThenTheMailedPasswordActivatesTheAccount) {
    const QString email = QStringLiteral("neu+1@velvox.example");
    EXPECT_TRUE(registerAccount(completeRegistration(email)));
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(reloaded(settings).Username, email);
    EXPECT_TRUE(options().WaitingForPassword);
    EXPECT_FALSE(options().FirstStartHasRun);
    const QList<QVariantList> rows = service.query(
        QStringLiteral(
            "SELECT name, strasse, firma, land, referer, credits, activated FROM accounts WHERE email = ?"),
        {email});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], (QVariantList{QStringLiteral("Müller"), QStringLiteral("Hauptstraße 5"), QString(),
                                     QString(), QStringLiteral("Velvox"), 50LL, 0LL}));
    EXPECT_EQ(
        FirstStart::completionText(true),
        QStringLiteral("Ihr persönliches Kennwort für die Nutzung von Velvox wurde an die eMailadresse: '") +
            email +
            QStringLiteral(
                "' versand. Ihr neues Konto wird von uns in den nächsten Minuten freigeschaltet."));

    const QString mailed = service.outboxPassword(email);
    ASSERT_FALSE(mailed.isEmpty());
    EXPECT_FALSE(activateAccount(mailed + QLatin1Char('x'), true));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages().first().text,
              QStringLiteral(
                  "Das eingegebene Kennwort ist nicht korrekt.\r\n\r\nBitte überprüfen Sie Ihre Daten."));
    EXPECT_TRUE(reloaded(settings).WaitingForPassword);

    EXPECT_TRUE(activateAccount(mailed, true));
    EXPECT_EQ(prompts.messages().last().icon, Prompts::Icon::Information);
    EXPECT_EQ(prompts.messages().last().text, QStringLiteral("Ihr Konto ist jetzt freigeschaltet."));
    EXPECT_EQ(reloaded(settings).kennwort, mailed);
    EXPECT_FALSE(options().WaitingForPassword);
    EXPECT_TRUE(options().FirstStartHasRun);
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT activated FROM accounts WHERE email = ?"), {email}), 1LL);

    // The same address again is refused by the service and kept from the settings.
    prompts.clear();
    options().Username = QStringLiteral("anders@velvox.example");
    EXPECT_FALSE(registerAccount(completeRegistration(email)));
    EXPECT_EQ(shownTitles(), QStringList{QStringLiteral("Velvox")});
    EXPECT_EQ(
        prompts.messages().first().text,
        QStringLiteral("Es ist ein Fehler beim Übertragen der Daten aufgetreten, bitte versuchen Sie es "
                       "später nocheinmal."));
    EXPECT_EQ(reloaded(settings).Username, email);
}

TEST_F(AccountService, TermsMustBeAcceptedExplicitly) {
    prompts.queueDialogResult(true);
    EXPECT_TRUE(FirstStart::termsAccepted());
    EXPECT_TRUE(prompts.messages().isEmpty());
    prompts.queueDialogResult(false);
    EXPECT_FALSE(FirstStart::termsAccepted());
    EXPECT_FALSE(FirstStart::termsAccepted()); // no dialog answer at all
    ASSERT_EQ(prompts.dialogs().size(), 3);
    EXPECT_EQ(prompts.dialogs().first().name, QString::fromLatin1(Prompts::Dialog::Terms));
    ASSERT_EQ(prompts.messages().size(), 2);
    EXPECT_EQ(prompts.messages().first().text,
              QStringLiteral("Um Velvox nutzen zu können, müssen Sie die AGBs akzeptieren."));
}
