#include "../../messaging/ui/MainWindowHarness.h"
#include "BrowserDriver.h"
#include "ScriptedServer.h"

#include "messaging/ui/RecipientInput.h"
#include "web/ui/PhonebookDock.h"
#include "widgets/WebBrowser.h"
#include "web/ui/frmPhonebook.h"
#include "widgets/FieldMark.h"
#include "widgets/ToolbarButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QComboBox>
#include <QLineEdit>
#include <QStringConverter>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>

using namespace BrowserDriver;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class PhonebookUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A mobile contact with umlauts and a separator, besides the demo data.
        h.service->execute(QStringLiteral("INSERT INTO phonebook (account_id, book, name, number) SELECT id, "
                                          "'private', ?, '0049152012/34567' FROM accounts WHERE email = ?"),
                           {s("Jürgen Groß"), ServiceProcess::demoEmail()});
        h.load();
    }

    PhonebookDock& dock() { return h.window->phonebook(); }

    // Opens the phonebook by its toolbar button and waits for its page.
    frmPhonebook* open() {
        emit h.ui().tbPhonebook->Click();
        if (!dock().window() || !waitForText(dock().window()->browser(), s("Praxis Nord")))
            return nullptr;
        return dock().window();
    }

    bool waitClosed() {
        return QTest::qWaitFor([&] { return !dock().isOpen() && !h.window->phonebookOpen(); },
                               kPageTimeoutMs);
    }

    MainWindowHarness h;
};

TEST_F(PhonebookUiTest, AClickedContactFillsTheRecipientAndClosesThePhonebook) {
    struct Case {
        const char* contact;
        const char* key;
        const char* number;
        const char* warning;
    };
    const Case cases[] = {
        {"Praxis Nord", "G170", "1234567", ""},
        {"Anna Huber", "A664", "123456", ""}, // the browser itself would make a host of 0043664
        {"Jürgen Groß", "G1520", "1234567", ""},
        {"Luca Meier", "S79", "1234567", ""},
        {"Büro Berlin", "W", "0049301234567", "Dies ist keine Mobilfunkvorwahl für Deutschland."},
    };
    for (const Case& c : cases) {
        h.prompts.clear();
        h.ui().chkPrivat->setChecked(true);
        h.ui().chkPublic->setChecked(true);
        markField(h.ui().cmbVorwahl, true);
        frmPhonebook* book = open();
        ASSERT_NE(book, nullptr) << c.contact;
        ASSERT_TRUE(clickLink(book->browser(), s(c.contact))) << c.contact;
        ASSERT_TRUE(waitClosed()) << c.contact;
        EXPECT_EQ(h.ui().cmbName->currentText(), s(c.contact));
        EXPECT_EQ(h.window->recipient().selectedKey(), s(c.key)) << c.contact;
        EXPECT_EQ(h.ui().txtNummer->text(), s(c.number)) << c.contact;
        EXPECT_FALSE(h.ui().chkPrivat->isChecked()) << c.contact;
        EXPECT_FALSE(h.ui().chkPublic->isChecked()) << c.contact;
        EXPECT_FALSE(isFieldMarked(h.ui().cmbVorwahl)) << c.contact;
        if (*c.warning) {
            ASSERT_EQ(h.prompts.messages().size(), 1) << c.contact;
            EXPECT_EQ(h.prompts.messages()[0].icon, Prompts::Icon::Warning);
            EXPECT_EQ(h.prompts.messages()[0].text, s(c.warning));
        } else {
            EXPECT_TRUE(h.prompts.messages().isEmpty()) << c.contact;
        }
    }
}

TEST_F(PhonebookUiTest, TheToolbarButtonOpensAndClosesIt) {
    ASSERT_NE(open(), nullptr);
    EXPECT_TRUE(h.window->phonebookOpen());
    emit h.ui().tbPhonebook->Click();
    EXPECT_TRUE(waitClosed());
    ASSERT_NE(open(), nullptr); // and opens again
}

TEST_F(PhonebookUiTest, ACloseLinkClosesIt) {
    frmPhonebook* book = open();
    ASSERT_NE(book, nullptr);
    ASSERT_TRUE(clickLink(book->browser(), s("Schließen")));
    EXPECT_TRUE(waitClosed());
}

TEST_F(PhonebookUiTest, StaysDockedBesideTheMainWindow) {
    frmPhonebook* book = open();
    ASSERT_NE(book, nullptr);
    const auto docked = [&] {
        const QRect main = h.window->frameGeometry();
        const QRect side = book->frameGeometry();
        return side.left() == main.right() + 1 && side.top() == main.top() && side.height() == main.height();
    };
    EXPECT_TRUE(docked());
    h.window->move(h.window->pos() + QPoint(40, 30));
    EXPECT_TRUE(QTest::qWaitFor(docked, 2000));
    h.window->resize(h.window->width(), h.window->height() + 50);
    EXPECT_TRUE(QTest::qWaitFor(docked, 2000));
}

TEST_F(PhonebookUiTest, ALinkThatCannotBeReadKeepsThePhonebookOpen) {
    ScriptedServer page;
    page.setReply(QStringLiteral("/kaputt.html"),
                  {"<html><body><a href=\"telefon://Ohne%20Nummer\">Ohne Nummer</a></body></html>",
                   "text/html; charset=windows-1252"});
    frmPhonebook* book = open();
    ASSERT_NE(book, nullptr);
    h.ui().txtNummer->setText(s("999"));
    ASSERT_TRUE(loadAndWait(book->browser(),
                            [&] { book->browser().navigate(page.url(QStringLiteral("/kaputt.html"))); }));
    ASSERT_TRUE(clickLink(book->browser(), s("Ohne Nummer")));
    ASSERT_TRUE(h.waitForMessages(1));
    EXPECT_EQ(h.prompts.messages()[0].icon, Prompts::Icon::Error);
    EXPECT_EQ(h.prompts.messages()[0].text, s("Es trat ein Fehler beim Auswerten der Telefonnummer auf."));
    EXPECT_EQ(h.ui().cmbVorwahl->currentIndex(), 0);
    EXPECT_TRUE(h.ui().txtNummer->text().isEmpty());
    EXPECT_TRUE(dock().isOpen());
}

// A closed phonebook leaves no web view behind, and the process that showed
// its page ends (a view kept costs well over 100 MB), also when the window was
// closed outside the event loop that runs afterwards.
TEST_F(PhonebookUiTest, ClosingItEndsItsWebViewAndItsPageProcess) {
    const auto views = [] {
        int n = 0;
        for (QWidget* w : QApplication::allWidgets())
            n += qobject_cast<QWebEngineView*>(w) ? 1 : 0;
        return n;
    };
    // Gone, or a zombie its parent has not reaped yet.
    const auto ended = [](qint64 pid) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray line = stat.readAll();
        return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
    };
    // Runs a nested event loop only, as a window's own loop would: unlike
    // QTest's waits, it leaves the deletions asked for out here pending.
    const auto waitInLoop = [](const std::function<bool()>& done) {
        QEventLoop loop;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        QTimer::singleShot(kPageTimeoutMs, &loop, &QEventLoop::quit);
        tick.start(50);
        loop.exec();
        return done();
    };
    const int before = views();
    for (int round = 0; round < 2; ++round) {
        frmPhonebook* book = open();
        ASSERT_NE(book, nullptr);
        EXPECT_EQ(views(), before + 1);
        const qint64 pid = book->browser().page()->renderProcessPid();
        ASSERT_GT(pid, 0);
        emit h.ui().tbPhonebook->Click();
        EXPECT_FALSE(dock().isOpen());
        EXPECT_TRUE(waitInLoop([&] { return views() == before; })) << round;
        EXPECT_TRUE(waitInLoop([&] { return ended(pid); })) << "page process " << pid;
        ASSERT_TRUE(waitClosed());
    }
}

} // namespace
