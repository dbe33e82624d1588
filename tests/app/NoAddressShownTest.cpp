#include "../account/ui/WizardDriver.h"
#include "../messaging/ui/MainWindowHarness.h"
#include "BrowserDriver.h"
#include "ScriptedPrompts.h"
#include "ScriptedServer.h"

#include "account/ui/frmFirstTime.h"
#include "config/cOptionen.h"
#include "config/ui/frmOptionen.h"
#include "web/ui/PhonebookDock.h"
#include "widgets/WebBrowser.h"
#include "web/ui/frmHelp.h"
#include "web/ui/frmPhonebook.h"
#include "widgets/ToolbarButton.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

const QString kSecret = QStringLiteral("Geheim123");

// Every address of the endpoint table on one loopback port, each answered
// with status (0: nobody listens there).
struct FailingService {
    explicit FailingService(int status) {
        quint16 port = QUrl(server.url(QStringLiteral("/"))).port();
        if (status == 0) {
            QTcpServer gone;
            gone.listen(QHostAddress::LocalHost, 0);
            port = gone.serverPort();
        }
        hostPort = QStringLiteral("127.0.0.1:%1").arg(port);
        QProcess oem;
        oem.start(QStringLiteral(VELVOX_SERVICE_BINARY),
                  {QStringLiteral("--listen"), hostPort, QStringLiteral("--print-oem")});
        oem.waitForFinished();
        profile = oem.readAllStandardOutput();
        for (const QByteArray& line : profile.split('\n')) {
            const qsizetype eq = line.indexOf('=');
            const QUrl url(QString::fromUtf8(line.mid(eq + 1)).trimmed());
            if (eq > 0 && url.scheme().startsWith(QLatin1String("http")))
                server.setReply(url.path(), {"Wartungsarbeiten", "text/html; charset=windows-1252", status});
        }
    }
    ScriptedServer server;
    QString hostPort;
    QByteArray profile;
};

// Everything the user could read: boxes, window titles, what the pages show.
class Shown {
public:
    explicit Shown(const ScriptedPrompts& prompts) : m_prompts(prompts) {}
    void look() {
        // Reading a page runs events, which may delete windows meanwhile.
        QList<QPointer<WebBrowser>> browsers;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            add(QStringLiteral("title"), w->windowTitle());
            for (WebBrowser* b : w->findChildren<WebBrowser*>())
                browsers << b;
        }
        for (const QPointer<WebBrowser>& b : browsers) {
            if (b && b->view())
                add(QStringLiteral("page"), BrowserDriver::bodyText(*b));
        }
    }
    QStringList all() const {
        QStringList texts = m_texts;
        for (const Prompts::Message& m : m_prompts.messages())
            texts << QStringLiteral("box: ") + m.title + QStringLiteral(" | ") + m.text;
        return texts;
    }

private:
    void add(const QString& what, const QString& text) { m_texts << what + QStringLiteral(": ") + text; }
    const ScriptedPrompts& m_prompts;
    QStringList m_texts;
};

void runWizard(Shown& shown, ScriptedPrompts& prompts) {
    using namespace WizardDriver;
    QPointer<frmFirstTime> wizard = new frmFirstTime();
    wizard->show();
    click(wizard, "cmdNext");
    click(wizard, "optAccount0");
    type(wizard, "txtOldEmail", ServiceProcess::demoEmail());
    type(wizard, "txtPassword", kSecret);
    click(wizard, "cmdDoIt");
    shown.look();
    click(wizard, "optAccount1");
    fillRegistration(wizard, QStringLiteral("anna@velvox.example"));
    prompts.queueDialogResult(true); // the terms
    click(wizard, "cmdDoIt");
    shown.look();
    wizard->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.isNull(); }, 10000));

    // A registration waiting for its mailed password.
    options().Username = QStringLiteral("anna@velvox.example");
    options().WaitingForPassword = true;
    options().save();
    wizard = new frmFirstTime();
    wizard->show();
    type(wizard, "txtPasswordNew", kSecret);
    click(wizard, "cmdActivate");
    shown.look();
    wizard->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.isNull(); }, 10000));
}

void runMainWindow(Shown& shown, MainWindowHarness& h) {
    options().Username = ServiceProcess::demoEmail();
    options().kennwort = kSecret;
    options().WaitingForPassword = false;
    options().FirstStartHasRun = true;
    options().InfoVersion = 1;
    options().save();
    h.load();
    shown.look();

    emit h.ui().tbPhonebook->Click();
    frmPhonebook* book = h.window->phonebook().window();
    ASSERT_NE(book, nullptr);
    QSignalSpy bookLoaded(&book->browser(), &WebBrowser::documentComplete);
    EXPECT_TRUE(bookLoaded.wait(BrowserDriver::kPageTimeoutMs));
    shown.look();
    h.window->phonebook().dispose();

    frmHelp* help = h.window->showHelp();
    WebBrowser* helpBrowser = help->findChild<WebBrowser*>();
    ASSERT_NE(helpBrowser, nullptr);
    QSignalSpy helpLoaded(helpBrowser, &WebBrowser::documentComplete);
    EXPECT_TRUE(helpLoaded.count() > 0 || helpLoaded.wait(BrowserDriver::kPageTimeoutMs));
    shown.look();
    help->close();

    // The credit shop of the options dialog, which opens modally.
    bool sawShop = false;
    QTimer::singleShot(0, [&] {
        frmOptionen* d = openOptionsDialog();
        if (!d)
            return;
        auto* loading = d->findChild<QLabel*>(QStringLiteral("lblLadenCredits"));
        sawShop = QTest::qWaitFor([&] { return loading && !loading->isVisible(); },
                                  BrowserDriver::kPageTimeoutMs);
        shown.look();
        d->reject();
    });
    showBuyCredits(h.window.get());
    EXPECT_TRUE(sawShop);
}

// With the service failing, in maintenance or gone, nothing the wizard, the
// pages or the options show carries an address, a query or the password.
TEST(NoAddressShown, WhateverTheServiceFailsWith) {
    for (const int status : {503, 0}) {
        FailingService service(status);
        MainWindowHarness h(service.profile, false);
        Shown shown(h.prompts);
        runWizard(shown, h.prompts);
        runMainWindow(shown, h);
        const QStringList texts = shown.all();
        // The boxes of the wizard's three requests at least.
        EXPECT_GE(h.prompts.messages().size(), 3) << status;
        const QStringList leaks = {
            QStringLiteral("password="), QStringLiteral("passwort="), QStringLiteral("kennwort="), kSecret,
            service.hostPort,            QStringLiteral("127.0.0.1"), QStringLiteral("http"),
        };
        for (const QString& text : texts) {
            for (const QString& leak : leaks)
                EXPECT_FALSE(text.contains(leak, Qt::CaseInsensitive)) << status << ": " << text.toStdString();
        }
        if (status != 0) {
            // The requests did carry it: what was kept from the user was there to leak.
            bool asked = false;
            for (const auto& r : service.server.requests())
                asked = asked || r.query.contains(kSecret);
            EXPECT_TRUE(asked);
            EXPECT_TRUE(texts.join(u'\n').contains(QStringLiteral("Der Server hat mit einem Fehler geantwortet (503).")));
        } else {
            EXPECT_TRUE(texts.join(u'\n').contains(
                QStringLiteral("Die Verbindung zum Server konnte nicht hergestellt werden.")));
        }
        h.window->close();
    }
}

} // namespace
