#include "TempSettings.h"

#include "account/ui/frmLogin.h"
#include "config/cOptionen.h"
#include "platform/ui/WidgetPrompts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Acts on the prompt once it is up, the way a user would.
void whenPromptShows(std::function<void(frmLogin*)> act) {
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* login = qobject_cast<frmLogin*>(w); login && login->isVisible()) {
                act(login);
                return;
            }
        }
        ADD_FAILURE() << "login prompt not shown";
    });
}

} // namespace

TEST(LoginPrompt, OkReturnsTheTypedPasswordAndShowsTheEmail) {
    QString shownEmail;
    whenPromptShows([&](frmLogin* login) {
        EXPECT_EQ(login->windowTitle(), QStringLiteral("Kennwort eingeben"));
        shownEmail = login->findChild<QLineEdit*>(QStringLiteral("txtEmail"))->text();
        login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("a&b+c"));
        login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    EXPECT_EQ(askForPassword(QStringLiteral("demo@velvox.example")), QStringLiteral("a&b+c"));
    EXPECT_EQ(shownEmail, QStringLiteral("demo@velvox.example"));
}

TEST(LoginPrompt, LongAddressIsShownWholeAndCannotBeEdited) {
    const QString email = QStringLiteral("vorname.nachname-mit-bindestrich@abteilung.beispielfirma.example");
    bool shownWhole = false;
    bool readOnly = false;
    whenPromptShows([&](frmLogin* login) {
        auto* field = login->findChild<QLineEdit*>(QStringLiteral("txtEmail"));
        shownWhole = field->contentsRect().width() >= field->fontMetrics().horizontalAdvance(email);
        readOnly = field->isReadOnly();
        login->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    askForPassword(email);
    EXPECT_TRUE(shownWhole);
    EXPECT_TRUE(readOnly);
}

TEST(LoginPrompt, CancelAndClosingByTheFrameAnswerEmpty) {
    whenPromptShows([](frmLogin* login) {
        login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("typed"));
        login->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    EXPECT_TRUE(askForPassword(QStringLiteral("x@y")).isEmpty());

    whenPromptShows([](frmLogin* login) {
        login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("typed"));
        login->close();
    });
    EXPECT_TRUE(askForPassword(QStringLiteral("x@y")).isEmpty());
}

TEST(LoginPrompt, ReachableThroughThePromptsSeamAndNeverStored) {
    TempSettings t;
    Prompts::Handler* previous = Prompts::installed();
    Prompts::install(&WidgetPrompts::instance());
    registerLoginDialog();
    options().Username = QStringLiteral("demo@velvox.example");
    whenPromptShows([](frmLogin* login) {
        login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("einmal"));
        login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    EXPECT_EQ(getPassword(), QStringLiteral("einmal"));
    EXPECT_TRUE(options().kennwort.isEmpty());
    Prompts::install(previous);
}
