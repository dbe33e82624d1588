#include "MainWindowHarness.h"

#include "widgets/HeaderArea.h"
#include "messaging/ui/MessageEditor.h"
#include "messaging/ui/RecipientInput.h"
#include "widgets/FieldMark.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

const QString kSlogan = QStringLiteral("Einfach, Schnell, Weltweit");

class RecipientAndText : public ::testing::Test {
protected:
    void SetUp() override {
        h.load();
        QApplication::setActiveWindow(h.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    }
    void choosePrefix(const QString& key) { h.enterRecipient(key, h.ui().txtNummer->text()); }
    void select(int from, int to) {
        QTextCursor c = h.ui().txtSMS->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        h.ui().txtSMS->setTextCursor(c);
    }
    QString header() { return h.window->header().text(); }
    MainWindowHarness h{{}, false};
};

} // namespace

TEST_F(RecipientAndText, NumberFieldChecksMarkAndWarn) {
    choosePrefix(QStringLiteral("W"));
    EXPECT_EQ(header(),
              QStringLiteral("Bitte geben sie die Rufnummer inklusive der internationalen Vorwahl ein."));
    EXPECT_TRUE(h.window->header().informationShown());
    EXPECT_EQ(h.ui().txtNummer->toolTip(), header());
    const std::pair<const char*, const char*> typed[] = {
        {"44", "Die Nummer muss mit der internationalen Vorwahl '00' beginnen."},
        {"004479110000", nullptr},
    };
    for (const auto& [number, warning] : typed) {
        h.ui().txtNummer->setText(QString::fromLatin1(number));
        EXPECT_EQ(isFieldMarked(h.ui().txtNummer), warning != nullptr) << number;
        EXPECT_EQ(h.window->header().warningShown(), warning != nullptr) << number;
        if (warning) {
            EXPECT_EQ(header(), QString::fromUtf8(warning));
        }
    }
    EXPECT_EQ(header(), kSlogan);
    EXPECT_EQ(h.ui().txtKostenProSMS->text(), QStringLiteral("10"));

    choosePrefix(QStringLiteral("G170"));
    EXPECT_FALSE(h.window->header().informationShown());
    EXPECT_EQ(h.ui().txtNummer->toolTip(), QStringLiteral("Geben Sie die Rufnummer ohne Vorwahl ein."));
    EXPECT_EQ(h.ui().txtKostenProSMS->text(), QStringLiteral("10"));
    h.ui().txtNummer->setText(QStringLiteral("1"));
    h.ui().txtNummer->setFocus();
    h.ui().txtNummer->clear();
    EXPECT_TRUE(isFieldMarked(h.ui().txtNummer));
    EXPECT_EQ(header(), QStringLiteral("Die Rufnummer darf nur aus Ziffern bestehen."));
    // An emptied number field keeps the focus.
    h.ui().txtSMS->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(h.ui().txtNummer->hasFocus());
}

TEST_F(RecipientAndText, RecentEntryWithOldKeyLetterSelectsTheGermanPrefix) {
    h.ui().cmbName->addItem(QStringLiteral("Alt"), QStringLiteral("V170-1234567"));
    h.ui().cmbName->setCurrentIndex(0);
    emit h.ui().cmbName->activated(0);
    EXPECT_EQ(h.window->recipient().selectedKey(), QStringLiteral("G170"));
    EXPECT_EQ(h.ui().txtNummer->text(), QStringLiteral("1234567"));
}

TEST_F(RecipientAndText, PublicBoxGreysThePrivateBox) {
    QCheckBox* priv = h.ui().chkPrivat;
    h.ui().chkPublic->click();
    EXPECT_EQ(priv->checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(priv->isEnabled());
    h.ui().chkPublic->click();
    EXPECT_EQ(priv->checkState(), Qt::Checked);
    EXPECT_TRUE(priv->isEnabled());
}

TEST_F(RecipientAndText, CountersAndTheLimitFollowTheText) {
    const QString a1499(1499, QLatin1Char('a'));
    // {text, characters, SMS, send enabled}
    const std::tuple<QString, int, int, bool> cases[] = {
        {QString(81, QChar(0x20AC)), 162, 2, true},
        {a1499 + QLatin1Char('a'), 1500, 10, true},
        {a1499 + QLatin1Char('"'), 1501, 10, false},
        {QStringLiteral("kurz"), 4, 1, true},
    };
    for (const auto& [text, size, sms, enabled] : cases) {
        SCOPED_TRACE(size);
        h.ui().boxReuseLastSMS->show();
        h.enterText(text);
        EXPECT_TRUE(h.ui().boxReuseLastSMS->isHidden());
        EXPECT_EQ(h.ui().txtZeichen->text(), QString::number(size));
        EXPECT_EQ(h.ui().txtAnzahlSMS->text(), QString::number(sms));
        EXPECT_EQ(h.ui().tbSend->isEnabled(), enabled);
        EXPECT_EQ(isFieldMarked(h.ui().txtSMS), !enabled);
        EXPECT_EQ(header(),
                  enabled ? kSlogan : QStringLiteral("Eine SMS darf maximal 1500 Zeichen groß sein!"));
    }
}

TEST_F(RecipientAndText, TypingDiscardsFiveCharacters) {
    h.ui().txtSMS->setFocus();
    for (const QChar c : QStringLiteral("a'b\"c`d\\e´f"))
        QTest::sendKeyEvent(QTest::Click, h.ui().txtSMS, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(h.ui().txtSMS->toPlainText(), QStringLiteral("abcdef"));
}

TEST_F(RecipientAndText, DropAndPlaceholdersReplaceTheSelection) {
    SmsTextEdit* text = h.ui().txtSMS;
    h.enterText(QStringLiteral("Hallo abc!"));
    select(6, 9);
    emit h.ui().tbReplaceName->Click();
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Hallo %name% !"));

    select(0, 5);
    QMimeData mime;
    mime.setText(QStringLiteral("Servus \"Du\""));
    // Dropped at the far end, but it lands on the selection.
    QDropEvent drop(QPointF(text->width() - 5, text->height() - 5), Qt::CopyAction, &mime, Qt::LeftButton,
                    Qt::NoModifier);
    QDragEnterEvent enter(drop.position().toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(text->viewport(), &enter);
    QApplication::sendEvent(text->viewport(), &drop);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Servus \"Du\" %name% !"));
    EXPECT_EQ(h.ui().txtZeichen->text(),
              QString::number(text->toPlainText().size() + 2)); // quotes count twice
}
