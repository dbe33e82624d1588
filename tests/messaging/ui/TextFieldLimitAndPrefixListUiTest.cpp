#include "MainWindowHarness.h"

#include "widgets/SmsTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>

#include <gtest/gtest.h>

namespace {

class TextField : public ::testing::Test {
protected:
    void SetUp() override {
        h.load();
        text = h.ui().txtSMS;
        text->setFocus();
    }
    // A field holding n characters, the caret at the end.
    void fill(int n) {
        h.enterText(QString(n, QLatin1Char('x')));
        text->moveCursor(QTextCursor::End);
    }
    void commit(const QString& s) {
        QInputMethodEvent e;
        e.setCommitString(s);
        QApplication::sendEvent(text, &e);
    }
    QString tail(int n) const { return text->toPlainText().right(n); }

    MainWindowHarness h{{}, false};
    SmsTextEdit* text = nullptr;
};

} // namespace

// On German keyboards "´" and "`" are dead keys: they arrive as input-method
// commits, and must be discarded like typed ones.
TEST_F(TextField, InputMethodCommitsAreFilteredAndLimited) {
    for (const QString& dead : {QStringLiteral("´"), QStringLiteral("`"), QStringLiteral("´`")})
        commit(dead);
    EXPECT_EQ(text->toPlainText(), QString());
    commit(QStringLiteral("a´é`\\'\"b"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("aéb"));

    // A composition in progress is no text yet; its commit is.
    QInputMethodEvent preedit(QStringLiteral("´"), {});
    QApplication::sendEvent(text, &preedit);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("aéb"));
    commit(QStringLiteral("è"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("aébè"));

    fill(1496);
    commit(QStringLiteral("wxyz12"));
    EXPECT_EQ(text->toPlainText().size(), 1500);
    EXPECT_EQ(tail(5), QStringLiteral("xwxyz"));
    commit(QStringLiteral("q"));
    EXPECT_EQ(text->toPlainText().size(), 1500);
    EXPECT_EQ(h.ui().txtZeichen->text(), QStringLiteral("1500"));
}

TEST_F(TextField, ReturnAndTypedKeysStopAtTheLimit) {
    fill(1499);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText().size(), 1500);
    EXPECT_EQ(tail(1), QStringLiteral("\n"));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(text, key);
    EXPECT_EQ(text->toPlainText().size(), 1500);

    // With a selection, what is typed replaces it and still fits.
    QTextCursor c = text->textCursor();
    c.setPosition(0);
    c.setPosition(2, QTextCursor::KeepAnchor);
    text->setTextCursor(c);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText().size(), 1499);
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("\nx")));

    // Ctrl+Alt is AltGr on Windows keyboards: a backslash typed that way is
    // discarded like any other.
    fill(0);
    QTest::sendKeyEvent(QTest::Click, text, Qt::Key_Backslash, QStringLiteral("\\"),
                        Qt::ControlModifier | Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QStringLiteral("´"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, text, Qt::Key_At, QStringLiteral("@"),
                        Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("@"));
}

TEST_F(TextField, PasteIsCutAtTheLimitAndKeepsItsCharacters) {
    fill(1490);
    QApplication::clipboard()->setText(QStringLiteral("\"quoted\" and more"));
    if (QApplication::clipboard()->text() != QStringLiteral("\"quoted\" and more"))
        GTEST_SKIP() << "no clipboard on this platform";
    text->paste();
    EXPECT_EQ(text->toPlainText().size(), 1500);
    EXPECT_EQ(tail(10), QStringLiteral("\"quoted\" a")); // pasting may bring quotes
    EXPECT_EQ(h.ui().txtZeichen->text(), QStringLiteral("1502"));
    EXPECT_FALSE(h.ui().tbSend->isEnabled());

    text->paste();
    EXPECT_EQ(text->toPlainText().size(), 1500);
    text->selectAll();
    text->paste();
    EXPECT_EQ(text->toPlainText(), QStringLiteral("\"quoted\" and more"));
}

// What users see in the selector: the catalogue in its order, "0177" before
// "0176", "01520" after "0152", "Weltweit" last.
TEST(PrefixList, WindowListsTheCatalogueInItsOrder) {
    MainWindowHarness h{{}, false};
    h.load();
    const QComboBox* box = h.ui().cmbVorwahl;
    const char* const texts[] = {"0150", "0151", "0152", "01520", "0155", "0156", "0157", "0160",
                                 "0162", "0163", "0170", "0171",  "0172", "0173", "0174", "0175",
                                 "0177", "0176", "0178", "0179",  "0650", "0660", "0664", "0676",
                                 "0680", "0681", "0688", "0699",  "076",  "078",  "079",  "Weltweit"};
    ASSERT_EQ(box->count(), int(std::size(texts)));
    for (int i = 0; i < box->count(); ++i) {
        const QString shown = QString::fromLatin1(texts[i]);
        EXPECT_EQ(box->itemText(i), shown) << i;
        const QChar country = i < 20 ? u'G' : i < 28 ? u'A' : i < 31 ? u'S' : u'W';
        const QString key = i == 31 ? QStringLiteral("W") : country + shown.mid(1);
        EXPECT_EQ(box->itemData(i).toString(), key) << i;
        EXPECT_FALSE(box->itemIcon(i).isNull()) << i;
    }
    EXPECT_LT(box->findData(QStringLiteral("G177")), box->findData(QStringLiteral("G176")));
    EXPECT_EQ(box->findData(QStringLiteral("G1520")), box->findData(QStringLiteral("G152")) + 1);
}
