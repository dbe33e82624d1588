#include "MainWindowHarness.h"

#include "app/HeaderArea.h"
#include "messaging/ui/MessageEditor.h"
#include "messaging/ui/RecipientInput.h"
#include "widgets/FieldMark.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

class RecipientAndText : public ::testing::Test {
protected:
    void SetUp() override {
        h.load();
        QApplication::setActiveWindow(h.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    }
    void choosePrefix(const QString& key) {
        const int index = h.ui().cmbVorwahl->findData(key);
        ASSERT_GE(index, 0) << key.toStdString();
        h.ui().cmbVorwahl->setCurrentIndex(index);
        emit h.ui().cmbVorwahl->activated(index);
    }
    QString header() { return h.window->header().text(); }
    MainWindowHarness h{{}, false};
};

} // namespace

TEST_F(RecipientAndText, NumberFieldChecksMarkAndWarn) {
    choosePrefix(QStringLiteral("W"));
    EXPECT_EQ(header(), QStringLiteral("Bitte geben sie die Rufnummer inklusive der internationalen Vorwahl ein."));
    EXPECT_TRUE(h.window->header().informationShown());
    EXPECT_EQ(h.ui().txtNummer->toolTip(), header());

    h.ui().txtNummer->setText(QStringLiteral("4"));
    EXPECT_FALSE(isFieldMarked(h.ui().txtNummer));
    EXPECT_FALSE(h.window->header().warningShown());
    h.ui().txtNummer->setText(QStringLiteral("44"));
    EXPECT_TRUE(isFieldMarked(h.ui().txtNummer));
    EXPECT_EQ(header(), QStringLiteral("Die Nummer muss mit der internationalen Vorwahl '00' beginnen."));
    h.ui().txtNummer->setText(QStringLiteral("0044-7911"));
    EXPECT_TRUE(isFieldMarked(h.ui().txtNummer));
    EXPECT_EQ(header(), QStringLiteral("Die Rufnummer darf nur aus Ziffern bestehen."));
    h.ui().txtNummer->setText(QStringLiteral("004479110000"));
    EXPECT_FALSE(isFieldMarked(h.ui().txtNummer));
    EXPECT_EQ(header(), QStringLiteral("Einfach, Schnell, Weltweit"));

    choosePrefix(QStringLiteral("G170"));
    EXPECT_FALSE(h.window->header().informationShown());
    EXPECT_EQ(h.ui().txtNummer->toolTip(), QStringLiteral("Geben Sie die Rufnummer ohne Vorwahl ein."));
}

TEST_F(RecipientAndText, EmptiedNumberFieldIsMarkedAndKeepsTheFocus) {
    choosePrefix(QStringLiteral("G170"));
    h.ui().txtNummer->setText(QStringLiteral("1"));
    h.ui().txtNummer->setFocus();
    h.ui().txtNummer->clear();
    EXPECT_TRUE(isFieldMarked(h.ui().txtNummer));
    EXPECT_EQ(header(), QStringLiteral("Die Rufnummer darf nur aus Ziffern bestehen."));
    h.ui().txtSMS->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(h.ui().txtNummer->hasFocus());
}

TEST_F(RecipientAndText, CostFollowsPrefixNumberAndOptions) {
    choosePrefix(QStringLiteral("W"));
    h.ui().txtNummer->setText(QStringLiteral("00491701234567"));
    EXPECT_EQ(h.ui().txtKostenProSMS->text(), QStringLiteral("19"));
    choosePrefix(QStringLiteral("G170"));
    EXPECT_EQ(h.ui().txtKostenProSMS->text(), QStringLiteral("10"));
    options().isAbsenderkennung = true;
    options().isAntwortEnabled = true;
    options().isStatusberichtEnabled = true;
    h.window->recipient().updateCostPerSms();
    EXPECT_EQ(h.ui().txtKostenProSMS->text(), QStringLiteral("16"));
}

TEST_F(RecipientAndText, RecentEntryWithOldKeyLetterSelectsTheGermanPrefix) {
    QComboBox* names = h.ui().cmbName;
    names->addItem(QStringLiteral("Alt"), QStringLiteral("V170-1234567"));
    names->addItem(QString(), QStringLiteral("A664-7654321"));
    names->setCurrentIndex(0);
    emit names->activated(0);
    EXPECT_EQ(h.window->recipient().selectedKey(), QStringLiteral("G170"));
    EXPECT_EQ(h.ui().txtNummer->text(), QStringLiteral("1234567"));
    names->setCurrentIndex(1);
    emit names->activated(1);
    EXPECT_EQ(h.window->recipient().selectedKey(), QStringLiteral("A664"));
    EXPECT_EQ(h.ui().txtNummer->text(), QStringLiteral("7654321"));
}

TEST_F(RecipientAndText, PublicBoxGreysThePrivateBox) {
    QCheckBox* pub = h.ui().chkPublic;
    QCheckBox* priv = h.ui().chkPrivat;
    pub->click();
    EXPECT_EQ(priv->checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(priv->isEnabled());
    pub->click();
    EXPECT_EQ(priv->checkState(), Qt::Checked);
    EXPECT_TRUE(priv->isEnabled());
}

TEST_F(RecipientAndText, CountersColoursAndTheLimit) {
    h.enterText(QString());
    EXPECT_EQ(h.ui().txtZeichen->text(), QStringLiteral("0"));
    EXPECT_EQ(h.ui().txtAnzahlSMS->text(), QStringLiteral("1"));
    h.enterText(QString(80, QChar(0x20AC)));
    EXPECT_EQ(h.ui().txtZeichen->text(), QStringLiteral("160"));
    EXPECT_EQ(h.ui().txtAnzahlSMS->text(), QStringLiteral("1"));
    h.enterText(QString(81, QChar(0x20AC)));
    EXPECT_EQ(h.ui().txtAnzahlSMS->text(), QStringLiteral("2"));

    h.enterText(QString(1500, QLatin1Char('a')));
    EXPECT_TRUE(h.ui().tbSend->isEnabled());
    EXPECT_FALSE(isFieldMarked(h.ui().txtSMS));
    h.enterText(QString(1499, QLatin1Char('a')) + QStringLiteral("\""));
    EXPECT_FALSE(h.ui().tbSend->isEnabled());
    EXPECT_TRUE(isFieldMarked(h.ui().txtSMS));
    EXPECT_EQ(header(), QStringLiteral("Eine SMS darf maximal 1500 Zeichen groß sein!"));
    h.enterText(QStringLiteral("kurz"));
    EXPECT_TRUE(h.ui().tbSend->isEnabled());
    EXPECT_EQ(header(), QStringLiteral("Einfach, Schnell, Weltweit"));
}

TEST_F(RecipientAndText, TypingDiscardsFiveCharactersAndStopsAtTheLimit) {
    SmsTextEdit* text = h.ui().txtSMS;
    text->setFocus();
    for (const QChar c : QStringLiteral("a'b\"c`d\\e´f")) {
        QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    EXPECT_EQ(text->toPlainText(), QStringLiteral("abcdef"));

    h.enterText(QString(1500, QLatin1Char('x')));
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, QStringLiteral("yz"));
    EXPECT_EQ(text->toPlainText().size(), 1500);
}

TEST_F(RecipientAndText, DropAndPlaceholdersReplaceTheSelection) {
    SmsTextEdit* text = h.ui().txtSMS;
    h.enterText(QStringLiteral("Hallo abc!"));
    QTextCursor c = text->textCursor();
    c.setPosition(6);
    c.setPosition(9, QTextCursor::KeepAnchor);
    text->setTextCursor(c);
    emit h.ui().tbReplaceName->Click();
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Hallo %name% !"));

    c = text->textCursor();
    c.setPosition(0);
    c.setPosition(5, QTextCursor::KeepAnchor);
    text->setTextCursor(c);
    QMimeData mime;
    mime.setText(QStringLiteral("Servus \"Du\""));
    // Dropped at the far end, but it lands on the selection.
    QDropEvent drop(QPointF(text->width() - 5, text->height() - 5), Qt::CopyAction, &mime, Qt::LeftButton,
                    Qt::NoModifier);
    QDragEnterEvent enter(drop.position().toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(text->viewport(), &enter);
    QApplication::sendEvent(text->viewport(), &drop);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Servus \"Du\" %name% !"));
    // Dropped quotes count twice.
    EXPECT_EQ(h.ui().txtZeichen->text(), QString::number(text->toPlainText().size() + 2));
}

TEST_F(RecipientAndText, TextChangeHidesTheReuseOffer) {
    h.ui().boxReuseLastSMS->show();
    h.enterText(QStringLiteral("neu"));
    EXPECT_TRUE(h.ui().boxReuseLastSMS->isHidden());
}
