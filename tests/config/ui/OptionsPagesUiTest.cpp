// The options dialog's pages as its frame composes them: which edits count as
// changes, what a dialog without the hosted Outlook section applies, and that
// the program hosts the section in every dialog it opens.

#include "ListedOutlook.h"
#include "ScriptedPrompts.h"
#include "TempSettings.h"

#include "app/OptionsDialog.h"
#include "config/cOptionen.h"
#include "config/ui/frmOptionen.h"
#include "platform/ToolRegistry.h"
#include "platform/ui/WidgetPrompts.h"
#include "ui_frmOptionen.h"
#include "widgets/TreeButton.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class OptionsPagesUi : public ::testing::Test {
protected:
    OptionsPagesUi() { outlook.setProfile(QStringLiteral("Büro")); }

    static void storeOutlookChoice() {
        cOptionen& o = options();
        o.OutlookProfil = QStringLiteral("Privat");
        o.ContactFolderName = QStringLiteral("Kontakte");
        o.ContactStoreID = QStringLiteral("S0");
        o.ContactEntryID = QStringLiteral("E0");
        o.save();
    }
    static QString stored(const char* name) {
        return ToolRegistry::getString(settingsKey(), QString::fromLatin1(name));
    }
    static QString shownProfile(frmOptionen& d) {
        QWidget* section = d.hostedSection();
        auto* field = section ? section->findChild<QLineEdit*>(QStringLiteral("txtOutlookProfile")) : nullptr;
        return field ? field->text() : QStringLiteral("(no section)");
    }

    TempSettings settings;
    ScriptedPrompts prompts;
    ListedOutlook outlook{{}};
};

TEST_F(OptionsPagesUi, EachPageReportsItsEditsAndALoadIsNoEdit) {
    struct Case {
        const char* name;
        std::function<void(frmOptionen&)> edit;
        bool counts;
    };
    const auto click = [](const char* name) {
        return [name](frmOptionen& d) {
            QWidget* section = d.hostedSection();
            ASSERT_NE(section, nullptr);
            section->findChild<QPushButton*>(QString::fromLatin1(name))->click();
        };
    };
    const Case cases[] = {
        {"e-mail", [](frmOptionen& d) { d.ui().txtEmail->setText(QStringLiteral("neu@velvox.example")); },
         true},
        {"password", [](frmOptionen& d) { d.ui().txtKennwort->setText(QStringLiteral("neu")); }, true},
        {"requests at once", [](frmOptionen& d) { d.ui().spnUebertragungen->setValue(7); }, true},
        {"sender id box", [](frmOptionen& d) { d.ui().chkAbsenderkennung->click(); }, true},
        {"long message", [](frmOptionen& d) { d.ui().chkLongSMS->setChecked(true); }, true},
        {"reply", [](frmOptionen& d) { d.ui().chkAntwort->click(); }, true},
        {"push", [](frmOptionen& d) { d.ui().chkPush->click(); }, true},
        {"control e-mail", [](frmOptionen& d) { d.ui().chkControlEmail->click(); }, true},
        {"journal days", [](frmOptionen& d) { d.ui().spnVerlaufTage->setValue(30); }, true},
        {"proxy choice", [](frmOptionen& d) { d.ui().optProxyNone->click(); }, true},
        {"proxy host", [](frmOptionen& d) { d.ui().txtProxy->setText(QStringLiteral("proxy.neu")); }, true},
        {"proxy port", [](frmOptionen& d) { d.ui().txtPort->setText(QStringLiteral("3128")); }, true},
        {"Outlook profile", click("cmdOutlookProfile"), true},
        // The company server's page has never counted as a change.
        {"server switch", [](frmOptionen& d) { d.ui().chkXmlServer->click(); }, false},
        {"server user", [](frmOptionen& d) { d.ui().txtXmlUser->setText(QStringLiteral("u")); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmOptionen dialog;
        hostOutlookSection(dialog);
        dialog.load();
        dialog.show();
        Ui::frmOptionen& u = dialog.ui();
        ASSERT_FALSE(u.cmdUebernehmen->isEnabled());
        c.edit(dialog);
        EXPECT_EQ(u.cmdUebernehmen->isEnabled(), c.counts);
        EXPECT_TRUE(u.cmdOK->isEnabled());
        // Loading again puts every page back without counting as an edit.
        dialog.load();
        EXPECT_FALSE(u.cmdUebernehmen->isEnabled());
        EXPECT_TRUE(u.txtEmail->text().isEmpty());
        EXPECT_FALSE(u.chkAbsenderkennung->isChecked());
        EXPECT_TRUE(u.chkPush->isChecked());
        EXPECT_TRUE(u.optProxyDefault->isChecked());
        EXPECT_EQ(u.spnUebertragungen->value(), 4);
        EXPECT_EQ(shownProfile(dialog), QString());
    }
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(OptionsPagesUi, TheJournalKeepsWhatTheDaysFieldSaysAndAGarbledValueReadsAsAYear) {
    for (const auto& [kept, shown] : {std::pair{"30", 30}, {"abc", 365}, {"0", 365}, {"99999999", 365}, {"", 365}}) {
        SCOPED_TRACE(kept);
        ToolRegistry::setString(settingsKey(), QStringLiteral("journalKeepDays"), QString::fromLatin1(kept));
        settings.reload();
        frmOptionen dialog;
        dialog.load();
        EXPECT_EQ(dialog.ui().spnVerlaufTage->value(), shown);
    }
    frmOptionen dialog;
    dialog.load();
    dialog.ui().spnVerlaufTage->setValue(90);
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(stored("journalKeepDays"), QStringLiteral("90"));
    EXPECT_EQ(options().journalKeepDays, 90);
}

// "Gleichzeitige Übertragungen" on the first page: shows the stored count,
// takes 1 to 8 only, and an apply stores it for the next run.
TEST_F(OptionsPagesUi, RequestsAtOnceAreShownLimitedAndApplied) {
    options().parallelTransfers = 2;
    options().save();
    settings.reload();
    frmOptionen dialog;
    dialog.load();
    QSpinBox& field = *dialog.ui().spnUebertragungen;
    EXPECT_TRUE(dialog.ui().pageKontodaten->isAncestorOf(&field));
    EXPECT_EQ(field.value(), 2);
    field.setValue(0);
    EXPECT_EQ(field.value(), 1);
    field.setValue(12);
    EXPECT_EQ(field.value(), 8);
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(stored("parallelTransfers"), QStringLiteral("8"));
    settings.reload();
    EXPECT_EQ(options().parallelTransfers, 8);
}

TEST_F(OptionsPagesUi, WithoutTheOutlookSectionTheStoredChoiceStays) {
    storeOutlookChoice();
    settings.reload();
    frmOptionen dialog;
    dialog.load();
    EXPECT_EQ(dialog.hostedSection(), nullptr);
    dialog.ui().txtEmail->setText(QStringLiteral("neu@velvox.example"));
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(stored("eMail"), QStringLiteral("neu@velvox.example"));
    EXPECT_EQ(stored("outlookProfile"), QStringLiteral("Privat"));
    EXPECT_EQ(stored("contactFolderName"), QStringLiteral("Kontakte"));
    EXPECT_EQ(stored("contactStoreID"), QStringLiteral("S0"));
    EXPECT_EQ(stored("contactEntryID"), QStringLiteral("E0"));
}

TEST_F(OptionsPagesUi, EveryDialogTheProgramOpensHostsTheOutlookSection) {
    storeOutlookChoice();
    settings.reload();
    registerOptionsDialog();
    registerOptionsDialog(); // again, as a second start sequence would: still one section

    // The prompts seam's "options" dialog, not modal on the send options.
    WidgetPrompts::instance().dialog(QString::fromLatin1(Prompts::Dialog::Options),
                                     {{QStringLiteral("page"), QStringLiteral("absender")}});
    frmOptionen* open = openOptionsDialog();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->currentPage(), frmOptionen::Versandoptionen);
    EXPECT_EQ(shownProfile(*open), QStringLiteral("Privat"));
    EXPECT_TRUE(open->ui().pageOutlook->isAncestorOf(open->hostedSection()));
    EXPECT_EQ(open->ui().pageOutlook->findChildren<QLineEdit*>(QStringLiteral("txtOutlookProfile")).size(),
              1);
    EXPECT_FALSE(open->ui().cmdUebernehmen->isEnabled());
    open->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return openOptionsDialog() == nullptr; }, 2000));

    // The toolbar's modal dialog; its Outlook choice is applied with OK.
    QString shown;
    QTimer::singleShot(0, [&] {
        frmOptionen* d = openOptionsDialog();
        if (!d)
            return;
        shown = shownProfile(*d);
        emit d->entry(frmOptionen::Outlook)->Click();
        if (QWidget* section = d->hostedSection())
            section->findChild<QPushButton*>(QStringLiteral("cmdOutlookProfile"))->click();
        d->ui().cmdOK->click();
        if (d->isVisible())
            d->reject();
    });
    showOptions(nullptr);
    EXPECT_EQ(shown, QStringLiteral("Privat"));
    EXPECT_EQ(stored("outlookProfile"), QStringLiteral("Büro"));
    EXPECT_EQ(stored("contactEntryID"), QStringLiteral("E0"));
}

} // namespace
