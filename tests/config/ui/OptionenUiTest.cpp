// The options dialog through its widgets over a real settings file, with every
// prompt scripted.

#include "ListedOutlook.h"
#include "ScriptedPrompts.h"
#include "TempSettings.h"

#include "config/Colours.h"
#include "config/cOptionen.h"
#include "widgets/ColourPalette.h"
#include "app/OptionsDialog.h"
#include "config/ui/frmOptionen.h"
#include "outlook/OutlookAddin.h"
#include "outlook/ui/OutlookSection.h"
#include "platform/ToolRegistry.h"
#include "ui_frmOptionen.h"
#include "widgets/FieldMark.h"
#include "widgets/TreeButton.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

class OptionenUi : public ::testing::Test {
protected:
    frmOptionen& open() {
        dialog = std::make_unique<frmOptionen>();
        hostOutlookSection(*dialog);
        dialog->load();
        dialog->show();
        return *dialog;
    }
    Ui::frmOptionen& ui() { return dialog->ui(); }
    QByteArray storeBytes() const {
        QFile f(settings.iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QString stored(const char* name) {
        return ToolRegistry::getString(settingsKey(), QString::fromLatin1(name));
    }
    void clickOk() { QTest::mouseClick(ui().cmdOK, Qt::LeftButton); }
    void typeSender(const QString& text) {
        ui().txtAbsender->setFocus();
        QTest::keyClicks(ui().txtAbsender, text);
    }
    void pasteSender(const QString& text) {
        QApplication::clipboard()->setText(text);
        ui().txtAbsender->setFocus();
        QTest::keyClick(ui().txtAbsender, Qt::Key_V, Qt::ControlModifier);
    }

    TempSettings settings;
    ScriptedPrompts prompts;
    std::unique_ptr<frmOptionen> dialog;
};

// A stored profile of settings that differs from every default.
void storeEverything(const QString& folder) {
    cOptionen& o = options();
    o.Username = QStringLiteral("alt@velvox.example");
    o.kennwort = QStringLiteral("alt");
    o.Absenderkennung = QStringLiteral("Praxis");
    o.isAbsenderkennung = true;
    o.isLongSmsEnabled = true;
    o.isPushEnabled = false;
    o.isControlEmail = true;
    o.xmlIsServerUsed = true;
    o.xmlGroupUser = true;
    o.xmlUser = QStringLiteral("u");
    o.xmlGroup = QStringLiteral("g");
    o.xmlSecretKey = QStringLiteral("k");
    o.XmlPfad = folder;
    o.ProxyOptionNoProxy = true;
    o.ProxyAccessType = QStringLiteral("1");
    o.ProxyAddress = QStringLiteral("proxy.alt");
    o.ProxyPort = QStringLiteral("8080");
    o.OutlookProfil = QStringLiteral("Privat");
    o.ContactFolderName = QStringLiteral("Kontakte");
    o.ContactStoreID = QStringLiteral("S0");
    o.ContactEntryID = QStringLiteral("E0");
    o.save();
}

TEST_F(OptionenUi, EveryPageShowsTheStoredValuesAndCancelKeepsThemAll) {
    storeEverything(settings.dir());
    settings.reload();
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(ui().txtEmail->text(), QStringLiteral("alt@velvox.example"));
    EXPECT_EQ(ui().txtKennwort->text(), QStringLiteral("alt"));
    EXPECT_EQ(ui().txtKennwort->echoMode(), QLineEdit::Password);
    EXPECT_EQ(ui().txtAbsender->text(), QStringLiteral("Praxis"));
    EXPECT_TRUE(ui().chkAbsenderkennung->isChecked() && ui().chkLongSMS->isChecked() &&
                ui().chkControlEmail->isChecked());
    EXPECT_FALSE(ui().chkPush->isChecked() || ui().chkAntwort->isChecked());
    EXPECT_TRUE(ui().chkXmlServer->isChecked() && ui().optGruppenkonto->isChecked());
    EXPECT_EQ(ui().txtXmlUser->text() + ui().txtXmlGruppe->text() + ui().txtXmlKey->text(),
              QStringLiteral("ugk"));
    EXPECT_EQ(ui().txtXmlPfad->text(), settings.dir());
    EXPECT_TRUE(ui().optProxyNone->isChecked());
    EXPECT_FALSE(ui().txtProxy->isEnabled());
    EXPECT_EQ(ui().txtProxy->text() + ui().txtPort->text(), QStringLiteral("proxy.alt8080"));
    EXPECT_EQ(dialog->hostedSection()->findChild<QLineEdit*>(QStringLiteral("txtOutlookProfile"))->text(),
              QStringLiteral("Privat"));
    EXPECT_EQ(dialog->hostedSection()->findChild<QLineEdit*>(QStringLiteral("txtOutlookContacts"))->text(),
              QStringLiteral("Kontakte"));
    EXPECT_FALSE(ui().cmdUebernehmen->isEnabled());
    EXPECT_EQ(dialog->currentPage(), frmOptionen::Kontodaten);

    // Change something on every page, the proxy choice included, then cancel.
    const QByteArray before = storeBytes();
    ui().txtEmail->setText(QStringLiteral("neu@velvox.example"));
    ui().chkAbsenderkennung->click();
    ui().chkXmlServer->click();
    ui().optProxyCustom->click();
    ui().txtProxy->setText(QStringLiteral("proxy.neu"));
    ui().txtPort->clear();
    QTest::mouseClick(ui().cmdAbbrechen, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(storeBytes(), before);
    EXPECT_EQ(options().ProxyAccessType, QStringLiteral("1")); // not even in memory
    EXPECT_EQ(options().Username, QStringLiteral("alt@velvox.example"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(OptionenUi, OkStoresWhatWasChanged) {
    open();
    ui().txtEmail->setText(QStringLiteral("neu@velvox.example"));
    ui().txtKennwort->setText(QStringLiteral("geheim"));
    EXPECT_TRUE(ui().cmdUebernehmen->isEnabled());
    ui().chkAbsenderkennung->click();
    typeSender(QStringLiteral("Praxis-1"));
    ui().chkLongSMS->click();
    ui().chkPush->click();
    ui().optProxyNone->click();
    clickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(stored("eMail"), QStringLiteral("neu@velvox.example"));
    EXPECT_EQ(stored("Password"), QStringLiteral("geheim"));
    EXPECT_EQ(stored("Absenderkennung"), QStringLiteral("Praxis-1"));
    EXPECT_EQ(stored("isAbsenderkennung"), QStringLiteral("true"));
    EXPECT_EQ(stored("longSMS"), QStringLiteral("true"));
    EXPECT_EQ(stored("pushEnabled"), QStringLiteral("false"));
    EXPECT_EQ(stored("proxyNoProxy"), QStringLiteral("true"));
    EXPECT_EQ(stored("proxyAccessType"), QStringLiteral("1"));
    // The booking rule chose the own account at load.
    EXPECT_EQ(stored("xmlSingleUser"), QStringLiteral("true"));
}

TEST_F(OptionenUi, SenderIdRulesOnTypingAndPasting) {
    open();
    ui().chkAbsenderkennung->click();
    QLineEdit* field = ui().txtAbsender;
    QLabel* warning = ui().lblAbsenderWarnung;

    typeSender(QStringLiteral("Ab!"));
    EXPECT_EQ(field->text(), QStringLiteral("Ab"));
    EXPECT_FALSE(warning->isHidden());
    EXPECT_EQ(warning->text(), u8("Es sind nur Buchstaben und Zahlen erlaubt."));
    QTest::keyClicks(field, QStringLiteral("c")); // the next change hides it again
    EXPECT_EQ(field->text(), QStringLiteral("Abc"));
    EXPECT_TRUE(warning->isHidden());

    // The twelfth letter cannot be typed.
    field->clear();
    typeSender(QStringLiteral("ABCDEFGHIJKL"));
    EXPECT_EQ(field->text(), QStringLiteral("ABCDEFGHIJK"));
    EXPECT_FALSE(isFieldMarked(field));

    // A paste is not cut short: its rule shows its message instead.
    field->clear();
    pasteSender(QStringLiteral("ABCDEFGHIJKLM"));
    EXPECT_EQ(field->text(), QStringLiteral("ABCDEFGHIJKLM"));
    EXPECT_EQ(warning->text(), u8("max. 11 alphanumerische Zeichen möglich!"));
    EXPECT_TRUE(isFieldMarked(field));
    EXPECT_EQ(field->palette().color(QPalette::Base), toQColor(Colours::lightRed()));
    EXPECT_FALSE(ui().cmdOK->isEnabled());
    EXPECT_FALSE(ui().cmdUebernehmen->isEnabled());
    // Other changes do not make a bad sender id appliable.
    ui().chkControlEmail->click();
    EXPECT_FALSE(ui().cmdUebernehmen->isEnabled());

    // A pasted text loses what the field may not hold.
    field->clear();
    pasteSender(u8("Süd Ost!"));
    EXPECT_EQ(field->text(), QStringLiteral("SdOst"));
    EXPECT_EQ(warning->text(), u8("Es sind nur Buchstaben und Zahlen erlaubt."));

    // Thirteen digits are a number of up to sixteen; one letter makes them too long.
    field->clear();
    typeSender(QStringLiteral("4917012345678"));
    EXPECT_TRUE(ui().cmdOK->isEnabled());
    EXPECT_FALSE(isFieldMarked(field));
    field->setCursorPosition(5);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("X"));
    EXPECT_EQ(field->text(), QStringLiteral("4917X12345678"));
    EXPECT_EQ(warning->text(), u8("max. 11 alphanumerische Zeichen möglich!"));
    EXPECT_FALSE(ui().cmdOK->isEnabled());
    QTest::keyClicks(field, QStringLiteral("Y")); // the limit is 11 again while 13 stay
    EXPECT_EQ(field->text().size(), 13);

    // Corrected, both buttons come back.
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("0"));
    EXPECT_FALSE(isFieldMarked(field));
    EXPECT_TRUE(warning->isHidden());
    EXPECT_TRUE(ui().cmdOK->isEnabled());
    EXPECT_TRUE(ui().cmdUebernehmen->isEnabled());
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(OptionenUi, SenderIdBoxDecidesReplyAndLongMessageAndTheCost) {
    open();
    struct Step {
        QCheckBox* Ui::frmOptionen::*box;
        const char* cost;
        const char* detail;
    };
    const char* perSms = "Kosten der SMS mit den gewählten Optionen:";
    const Step steps[] = {
        {&Ui::frmOptionen::chkAntwort, "11 Credits", perSms},
        {&Ui::frmOptionen::chkAbsenderkennung, "14 Credits", perSms}, // unchecks the reply
        {&Ui::frmOptionen::chkLongSMS, "14 Credits", "Kosten je 153 Zeichen:"},
        {&Ui::frmOptionen::chkAbsenderkennung, "10 Credits", perSms},
    };
    EXPECT_FALSE(ui().chkLongSMS->isEnabled());
    EXPECT_EQ(ui().lblKosten->text(), QStringLiteral("10 Credits"));
    for (const Step& s : steps) {
        (ui().*s.box)->click();
        EXPECT_EQ(ui().lblKosten->text(), QString::fromLatin1(s.cost));
        EXPECT_EQ(ui().lblKostenDetail->text(), u8(s.detail));
    }
    // After the sender id was on, the reply is off; the long-message box keeps its mark while disabled.
    EXPECT_FALSE(ui().chkAntwort->isChecked());
    EXPECT_TRUE(ui().chkAntwort->isEnabled());
    EXPECT_TRUE(ui().chkLongSMS->isChecked());
    EXPECT_FALSE(ui().chkLongSMS->isEnabled());
    ui().chkAbsenderkennung->click();
    EXPECT_FALSE(ui().chkAntwort->isEnabled());
    EXPECT_TRUE(ui().txtAbsender->isEnabled());
}

TEST_F(OptionenUi, CompanyServerFieldsAndTheFolderBrowser) {
    options().xmlIsServerUsed = true;
    open();
    EXPECT_TRUE(ui().optEigenesKonto->isChecked());
    EXPECT_TRUE(ui().txtXmlUser->isEnabled());
    EXPECT_FALSE(ui().txtXmlGruppe->isEnabled() || ui().txtXmlKey->isEnabled());
    EXPECT_EQ(ui().txtXmlKey->echoMode(), QLineEdit::Password);
    ui().optGruppenkonto->click();
    EXPECT_TRUE(ui().txtXmlGruppe->isEnabled() && ui().txtXmlKey->isEnabled());
    EXPECT_EQ(ui().lblXmlGruppe->palette().color(QPalette::WindowText),
              toQColor(WinColor::system(Colours::kButtonText)));
    // Changes here leave "Übernehmen" alone.
    EXPECT_FALSE(ui().cmdUebernehmen->isEnabled());

    // The folder browser's answer lands in the setting.
    const QString folder = QDir(settings.dir()).filePath(QStringLiteral("sms"));
    ASSERT_TRUE(QDir().mkpath(folder));
    prompts.queueDialogResult(folder);
    ui().cmdOrdnerWaehlen->click();
    ASSERT_EQ(prompts.dialogs().size(), 1);
    EXPECT_EQ(prompts.dialogs()[0].name, QLatin1String(Prompts::Dialog::ChooseFolder));
    EXPECT_EQ(prompts.dialogs()[0].args.value(QStringLiteral("title")).toString(),
              QStringLiteral("Select your Windows\\System\\ directory"));
    EXPECT_EQ(ui().txtXmlPfad->text(), folder);

    // A folder that is not there is refused and the text stays.
    prompts.queueDialogResult(QDir(settings.dir()).filePath(QStringLiteral("fehlt")));
    ui().cmdOrdnerWaehlen->click();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.contains(QStringLiteral("nicht vorhanden")));
    EXPECT_EQ(ui().txtXmlPfad->text(), folder);

    clickOk();
    EXPECT_EQ(stored("xmlPath"), folder);
    EXPECT_EQ(stored("xmlGroupUser"), QStringLiteral("true"));

    // A cancelled browser empties the folder; applied, the value is deleted.
    open();
    ui().cmdOrdnerWaehlen->click(); // no answer queued: cancelled
    EXPECT_TRUE(ui().txtXmlPfad->text().isEmpty());
    clickOk();
    EXPECT_TRUE(stored("xmlPath").isEmpty());
    EXPECT_FALSE(storeBytes().contains("xmlPath"));
}

TEST_F(OptionenUi, ServerOffDisablesItsFields) {
    open();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui().optGruppenkonto, ui().optEigenesKonto, ui().txtXmlUser,
                                         ui().txtXmlGruppe, ui().txtXmlKey, ui().cmdOrdnerWaehlen})
        EXPECT_FALSE(w->isEnabled()) << qPrintable(w->objectName());
    EXPECT_EQ(ui().lblXmlUser->palette().color(QPalette::WindowText), toQColor(WinColor::system(17)));
    EXPECT_EQ(ui().txtXmlUser->palette().color(QPalette::Base),
              toQColor(WinColor::system(Colours::kButtonFace)));
}

TEST_F(OptionenUi, HostWithoutPortKeepsTheDialogOpenOnTheProxyPage) {
    open();
    EXPECT_TRUE(ui().optProxyDefault->isChecked());
    EXPECT_EQ(ui().txtProxy->placeholderText(), QStringLiteral("Proxy"));
    EXPECT_EQ(ui().txtPort->placeholderText(), QStringLiteral("Port"));
    ui().optProxyCustom->click();
    EXPECT_TRUE(ui().txtProxy->isEnabled() && ui().txtPort->isEnabled());
    ui().txtProxy->setText(QStringLiteral("proxy.intern"));
    dialog->showPage(frmOptionen::Kontodaten);
    clickOk();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->currentPage(), frmOptionen::Proxy);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, u8("Sie müssen eine Portnummer eingeben"));
    EXPECT_EQ(prompts.messages()[0].title, QStringLiteral("Velvox"));
    EXPECT_EQ(stored("proxyDefault"), QStringLiteral("true"));
    EXPECT_EQ(stored("proxyCustom"), QStringLiteral("false"));
    // Never a named proxy without its host and port at the next start.
    EXPECT_EQ(stored("proxyAccessType"), QStringLiteral("0"));
    EXPECT_TRUE(stored("proxyAddress").isEmpty());
}

TEST_F(OptionenUi, PortLeftWithoutANumberIsReported) {
    open();
    dialog->showPage(frmOptionen::Proxy);
    ui().optProxyCustom->click();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    for (const char* port : {"abc", "70000"}) {
        prompts.clear();
        ui().txtPort->setFocus();
        ui().txtPort->setText(QString::fromLatin1(port));
        ui().txtProxy->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(prompts.messages().size(), 1) << port;
        EXPECT_TRUE(prompts.messages()[0].text.startsWith(QStringLiteral("Der Port muss eine Zahl"))) << port;
        EXPECT_TRUE(QTest::qWaitFor([&] { return ui().txtPort->hasFocus(); }, 2000)) << port;
    }
    prompts.clear();
    ui().txtPort->setText(QStringLiteral("3128"));
    ui().txtProxy->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(OptionenUi, PageEntriesSwitchAndHighlight) {
    open();
    const QColor highlight = toQColor(WinColor{16766923});
    EXPECT_EQ(dialog->entry(frmOptionen::Kontodaten)->themedBackColor(), highlight);
    emit dialog->entry(frmOptionen::Server)->Click();
    EXPECT_EQ(dialog->currentPage(), frmOptionen::Server);
    EXPECT_EQ(ui().lblPageTitle->text(), QStringLiteral("Velvox Server"));
    EXPECT_EQ(dialog->entry(frmOptionen::Server)->themedBackColor(), highlight);
    EXPECT_EQ(dialog->entry(frmOptionen::Kontodaten)->themedBackColor(), QColor(Qt::white));
    emit dialog->entry(frmOptionen::Outlook)->Click();
    EXPECT_TRUE(dialog->hostedSection()->isVisible());
    emit dialog->entry(frmOptionen::Proxy)->Click();
    EXPECT_FALSE(dialog->hostedSection()->isVisible());
    EXPECT_TRUE(ui().lblProxyHinweis->isVisible());
}

TEST_F(OptionenUi, OutlookSectionThroughItsButtons) {
    options().ContactFolderName = QStringLiteral("Kontakte alt");
    options().ContactStoreID = QStringLiteral("S0");
    options().ContactEntryID = QStringLiteral("E0");
    ListedOutlook outlook{{
        {0, QStringLiteral("Posteingang"), QStringLiteral("S1"), QStringLiteral("E-mail")},
        {2, QStringLiteral("Firmenkontakte"), QStringLiteral("S1"), QStringLiteral("E-contacts")},
    }};
    outlook.setProfile(QStringLiteral("Büro"));
    open();
    emit dialog->entry(frmOptionen::Outlook)->Click();
    auto* section = dialog->hostedSection();
    auto button = [&](const char* name) {
        return section->findChild<QPushButton*>(QString::fromLatin1(name));
    };
    QLineEdit* contacts = section->findChild<QLineEdit*>(QStringLiteral("txtOutlookContacts"));

    outlook.queuePick(0);
    button("cmdOulookChooseContacts")->click();
    EXPECT_EQ(contacts->text(), QStringLiteral("Kontakte alt"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith(u8("Der gewählte Ordner muss Kontakte enthalten.")));
    button("cmdOulookChooseContacts")->click(); // cancelled
    EXPECT_EQ(contacts->text(), QStringLiteral("Kontakte alt"));
    outlook.queuePick(1);
    button("cmdOulookChooseContacts")->click();
    button("cmdOutlookProfile")->click();
    EXPECT_EQ(contacts->text(), QStringLiteral("Firmenkontakte"));

    button("cmdOutlookRegister")->click();
    qint32 load = 0;
    EXPECT_TRUE(ToolRegistry::getNumber(OutlookAddin::addinKey(QStringLiteral("Outlook")),
                                        QStringLiteral("LoadBehavior"), &load));
    EXPECT_EQ(load, 3);

    clickOk();
    EXPECT_EQ(stored("contactFolderName"), QStringLiteral("Firmenkontakte"));
    EXPECT_EQ(stored("contactStoreID"), QStringLiteral("S1"));
    EXPECT_EQ(stored("contactEntryID"), QStringLiteral("E-contacts"));
    EXPECT_EQ(stored("outlookProfile"), u8("Büro"));
}

TEST_F(OptionenUi, OneDialogAtATime) {
    showOptionen(nullptr);
    frmOptionen* first = openOptionsDialog();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->currentPage(), frmOptionen::Versandoptionen);
    EXPECT_EQ(first->highlightedEntry(), frmOptionen::Kontodaten);
    first->ui().txtEmail->setText(QStringLiteral("in Arbeit"));
    showOptionen(nullptr);
    showOptions(nullptr); // modal, but one is open: it comes to the front instead
    EXPECT_EQ(openOptionsDialog(), first);
    EXPECT_EQ(first->currentPage(), frmOptionen::Kontodaten);
    EXPECT_EQ(first->ui().txtEmail->text(), QStringLiteral("in Arbeit")); // not loaded afresh
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [](QWidget* w) { return qobject_cast<frmOptionen*>(w) && w->isVisible(); }),
              1);
    first->close();
    EXPECT_TRUE(QTest::qWaitFor([] { return openOptionsDialog() == nullptr; }, 2000));
}

TEST_F(OptionenUi, ModalEntryPointsShowTheirPage) {
    options().kennwort = QStringLiteral("x");
    struct Case {
        void (*open)(QWidget*);
        int page;
        int highlighted;
        bool buttons;
    };
    const Case cases[] = {
        {&showOptions, frmOptionen::Kontodaten, frmOptionen::Kontodaten, true},
        {&showBuyCredits, frmOptionen::Credits, frmOptionen::Kontodaten, false},
        {&showOptionTerminversand, frmOptionen::Terminversand, frmOptionen::Terminversand, true},
    };
    for (const Case& c : cases) {
        int page = 0;
        int highlighted = 0;
        bool buttons = false;
        QTimer::singleShot(0, [&] {
            frmOptionen* d = openOptionsDialog();
            if (!d)
                return;
            page = d->currentPage();
            highlighted = d->highlightedEntry();
            buttons = d->ui().cmdOK->isVisible();
            d->reject();
        });
        c.open(nullptr);
        EXPECT_EQ(page, c.page);
        EXPECT_EQ(highlighted, c.highlighted);
        EXPECT_EQ(buttons, c.buttons);
    }
}

} // namespace
