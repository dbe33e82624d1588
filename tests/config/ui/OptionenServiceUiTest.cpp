// The options dialog with the main window against the running stand-in
// service: the service pages in the real embedded browser, and a proxy chosen
// in the dialog carrying the next send.

#include "../../messaging/ui/MainWindowHarness.h"
#include "BrowserDriver.h"
#include "LoopbackProxy.h"

#include "config/ui/frmOptionen.h"
#include "messaging/ui/CreditDisplay.h"
#include "platform/ToolRegistry.h"
#include "ui_frmOptionen.h"
#include "widgets/TreeButton.h"

#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

using namespace BrowserDriver;

namespace {

class OptionenService : public ::testing::Test {
protected:
    // Runs check inside the modal dialog opened by open(), then lets open() return.
    template <typename Open, typename Check> void whileOpen(Open&& open, Check&& check) {
        QTimer::singleShot(0, [&] {
            frmOptionen* d = openOptionsDialog();
            ASSERT_NE(d, nullptr);
            check(*d);
            if (frmOptionen* still = openOptionsDialog(); still && still->isVisible())
                still->reject();
        });
        open();
    }
    static bool waitForPage(frmOptionen& d, int page) {
        return QTest::qWaitFor([&] { return d.browser(page)->isVisible(); }, kPageTimeoutMs);
    }

    MainWindowHarness h;
};

TEST_F(OptionenService, CreditShopBuysCreditsAndCloseLinkClosesWithoutApplying) {
    h.service->setCredits(ServiceProcess::demoEmail(), 400);
    frmMain& window = h.load();
    ASSERT_EQ(h.ui().lblCredits->text(), QStringLiteral("400 Credits"));
    ASSERT_TRUE(h.ui().lblBuyCredits->isVisible());
    bool closedByLink = false;
    whileOpen(
        [&] {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(h.ui().lblBuyCredits, &release);
        },
        [&](frmOptionen& d) {
            EXPECT_EQ(d.currentPage(), frmOptionen::Credits);
            EXPECT_EQ(d.highlightedEntry(), frmOptionen::Kontodaten);
            EXPECT_EQ(d.ui().lblPageTitle->text(), QStringLiteral("Credits einkaufen"));
            const QString address = d.pageAddress(frmOptionen::Credits);
            EXPECT_TRUE(address.startsWith(h.service->url(u"/sms/buyCredits.php?email=demo@velvox.example"
                                                          u"&passwort=velvox&backcolor=")))
                << qPrintable(address);
            ASSERT_TRUE(waitForPage(d, frmOptionen::Credits));
            EXPECT_FALSE(d.ui().aniLadenCredits->isVisible());
            WebBrowser& shop = *d.browser(frmOptionen::Credits);
            EXPECT_TRUE(bodyText(shop).contains(QStringLiteral("Ihr Guthaben: 400")));

            ASSERT_TRUE(loadAndWait(shop, [&] {
                evaluate(shop, QStringLiteral("document.querySelector('input[type=submit]').click(); true"));
            }));
            EXPECT_TRUE(bodyText(shop).contains(QStringLiteral("500 Credits gutgeschrieben")));
            EXPECT_EQ(h.service->credits(ServiceProcess::demoEmail()), 900);

            // An edit made meanwhile is not applied by the close link.
            d.ui().txtEmail->setText(QStringLiteral("anders@velvox.example"));
            evaluate(shop, QStringLiteral("document.querySelector('a[href=\"close://\"]').click(); true"));
            closedByLink = QTest::qWaitFor([&] { return !d.isVisible(); }, kPageTimeoutMs);
        });
    EXPECT_TRUE(closedByLink);
    EXPECT_EQ(options().Username, ServiceProcess::demoEmail());
    // The main window shows the bought credits as soon as the dialog is gone.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return h.ui().lblCredits->text() == QStringLiteral("900 Credits"); }, 20000))
        << qPrintable(h.ui().lblCredits->text());
    EXPECT_FALSE(h.ui().lblBuyCredits->isVisible());
    (void)window;
}

TEST_F(OptionenService, ScheduledSendsPageAsksForAPasswordNotStored) {
    options().kennwort.clear();
    options().save();
    frmMain& window = h.load();
    h.prompts.clear();
    h.prompts.queueDialogResult(ServiceProcess::demoPassword());
    whileOpen([&] { showOptionTerminversand(&window); },
              [&](frmOptionen& d) {
                  EXPECT_EQ(d.highlightedEntry(), frmOptionen::Terminversand);
                  EXPECT_TRUE(d.ui().cmdOK->isVisible());
                  ASSERT_TRUE(waitForPage(d, frmOptionen::Terminversand));
                  EXPECT_TRUE(
                      d.pageAddress(frmOptionen::Terminversand)
                          .startsWith(h.service->url(u"/terminversand/deleteSMS.php?email=demo@velvox.example"
                                                     u"&kennwort=velvox&backcolor=")));
                  EXPECT_TRUE(bodyText(*d.browser(frmOptionen::Terminversand))
                                  .contains(QStringLiteral("Es gibt keine aktiven SMS - Aufträge.")));
                  QTest::mouseClick(d.ui().cmdOK, Qt::LeftButton);
              });
    ASSERT_FALSE(h.prompts.dialogs().isEmpty());
    EXPECT_EQ(h.prompts.dialogs()[0].name, QLatin1String(Prompts::Dialog::Login));
    EXPECT_TRUE(options().kennwort.isEmpty());
    EXPECT_TRUE(ToolRegistry::getString(settingsKey(), QStringLiteral("Password")).isEmpty());
}

TEST_F(OptionenService, NamedProxyCarriesTheNextSend) {
    h.load();
    LoopbackProxy proxy;
    whileOpen([&] { showOptions(h.window.get()); },
              [&](frmOptionen& d) {
                  emit d.entry(frmOptionen::Proxy)->Click();
                  d.ui().optProxyCustom->click();
                  d.ui().txtProxy->setText(QStringLiteral("127.0.0.1"));
                  d.ui().txtPort->setText(QString::number(proxy.port()));
                  QTest::mouseClick(d.ui().cmdOK, Qt::LeftButton);
                  EXPECT_FALSE(d.isVisible());
              });
    h.prompts.clear();
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    h.enterText(QStringLiteral("durch den Proxy"));
    h.clickSend();
    ASSERT_TRUE(h.waitForMessages(1));
    EXPECT_TRUE(h.prompts.messages()[0].text.contains(QStringLiteral("erfolgreich")))
        << qPrintable(h.prompts.messages()[0].text);
    EXPECT_EQ(h.messagesStored(), 1);
    QStringList lines;
    for (const QByteArray& l : proxy.requestLines())
        lines << QString::fromLatin1(l);
    EXPECT_TRUE(lines.contains(QStringLiteral("POST ") + h.service->url(u"/smsv3/smsv3.php") +
                               QStringLiteral(" HTTP/1.1")))
        << qPrintable(lines.join(QLatin1Char('\n')));
}

} // namespace
