#include "MainWindowHarness.h"

#include "lists/mSignaturen.h"
#include "lists/ui/SignatureListController.h"
#include "lists/ui/frmSignaturen.h"
#include "widgets/SmsTextEdit.h"
#include "platform/ToolRegistry.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString stored(const QString& name) {
    return ToolRegistry::getString(mSignaturen::registryKey(), name);
}

// The main window loaded over settings that hold three signatures.
class SignaturePanel : public ::testing::Test {
protected:
    void SetUp() override {
        mSignaturen::storeSignatures({QStringLiteral("Gruß Anna"), QStringLiteral("Tel. 0170 1234567"),
                                      QStringLiteral("Firma\r\nMusterweg 1")});
        h.load();
        list = h.ui().lvSignaturen;
    }
    SignatureListController& panel() { return h.window->signatures(); }
    void select(int row) { list->setCurrentRow(row); }
    QStringList shown() const {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    QAction* menuEntry(const char* name) {
        return panel().contextMenu()->findChild<QAction*>(QString::fromLatin1(name));
    }
    // The edit window's calls; the load may have asked other things before.
    QList<ScriptedPrompts::DialogCall> editCalls() const {
        QList<ScriptedPrompts::DialogCall> calls;
        for (const auto& c : h.prompts.dialogs()) {
            if (c.name == QString::fromLatin1(Prompts::Dialog::Signature))
                calls << c;
        }
        return calls;
    }
    void doubleClick(int row) {
        select(row);
        emit list->itemDoubleClicked(list->item(row));
    }

    MainWindowHarness h{{}, false};
    QListWidget* list = nullptr;
};

} // namespace

TEST_F(SignaturePanel, LoadedListAndItsButtonsAndMenu) {
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Gruß Anna"), QStringLiteral("Tel. 0170 1234567"),
                                    QStringLiteral("Firma Musterweg 1")}));
    EXPECT_FALSE(list->item(0)->icon().isNull());
    for (ToolbarButton* b : {h.ui().tbAddSignature, h.ui().tbEditSignature, h.ui().tbDeleteSignature})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    list->clearSelection();
    EXPECT_TRUE(menuEntry("mnuNewSignature")->isEnabled());
    EXPECT_FALSE(menuEntry("mnuEditSignature")->isEnabled());
    EXPECT_FALSE(menuEntry("mnuDeleteSignature")->isEnabled());
    select(1);
    EXPECT_TRUE(menuEntry("mnuEditSignature")->isEnabled());
    EXPECT_TRUE(menuEntry("mnuDeleteSignature")->isEnabled());
    EXPECT_EQ(menuEntry("mnuDeleteSignature")->text(), QStringLiteral("Signatur löschen"));

    // Nothing selected: edit and delete do nothing, ask nothing.
    list->clearSelection();
    emit h.ui().tbEditSignature->Click();
    emit h.ui().tbDeleteSignature->Click();
    EXPECT_TRUE(editCalls().isEmpty());
    EXPECT_EQ(list->count(), 3);
}

TEST_F(SignaturePanel, AddEditAndDeleteAreStoredAtOnce) {
    h.prompts.queueDialogResult(QStringLiteral("Neu: 5 € ; \"ok\""));
    emit h.ui().tbAddSignature->Click();
    ASSERT_EQ(editCalls().size(), 1);
    EXPECT_EQ(editCalls()[0].args.value(QStringLiteral("text")).toString(), QString());
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(stored(QStringLiteral("count")), QStringLiteral("4"));
    EXPECT_EQ(stored(QStringLiteral("4")), QStringLiteral("Neu: 5 € ; \"ok\""));

    // Editing offers the text and keeps the place.
    select(1);
    h.prompts.queueDialogResult(QStringLiteral("Tel. 0171 7654321"));
    menuEntry("mnuEditSignature")->trigger();
    EXPECT_EQ(editCalls()[1].args.value(QStringLiteral("text")).toString(),
              QStringLiteral("Tel. 0170 1234567"));
    EXPECT_EQ(stored(QStringLiteral("2")), QStringLiteral("Tel. 0171 7654321"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Tel. 0171 7654321"));

    // Closed by its frame: nothing changes.
    select(0);
    h.prompts.queueDialogResult(QVariant());
    emit h.ui().tbEditSignature->Click();
    EXPECT_EQ(stored(QStringLiteral("1")), QStringLiteral("Gruß Anna"));

    // Deleting needs no answer and renumbers the rest.
    select(0);
    const qsizetype messagesBefore = h.prompts.messages().size();
    emit h.ui().tbDeleteSignature->Click();
    EXPECT_EQ(h.prompts.messages().size(), messagesBefore);
    EXPECT_EQ(stored(QStringLiteral("count")), QStringLiteral("3"));
    EXPECT_EQ(stored(QStringLiteral("1")), QStringLiteral("Tel. 0171 7654321"));
    EXPECT_EQ(mSignaturen::loadSignatures().size(), 3);
}

TEST_F(SignaturePanel, DoubleClickInsertsAtTheCaretAndRecounts) {
    SmsTextEdit* text = h.ui().txtSMS;
    h.enterText(QStringLiteral("Hallo XX!"));
    QTextCursor c = text->textCursor();
    c.setPosition(6);
    c.setPosition(8, QTextCursor::KeepAnchor);
    text->setTextCursor(c);
    doubleClick(0);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Hallo Gruß Anna!"));
    EXPECT_EQ(h.ui().txtZeichen->text(), QStringLiteral("16"));

    // A stored CR LF is one line break in the message, not two.
    text->moveCursor(QTextCursor::End);
    doubleClick(2);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Hallo Gruß Anna!Firma\nMusterweg 1"));
    EXPECT_EQ(h.ui().txtZeichen->text(), QStringLiteral("33"));

    list->clearSelection();
    emit list->itemDoubleClicked(nullptr);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Hallo Gruß Anna!Firma\nMusterweg 1"));
}

// The message field takes at most 1500 characters: a signature fills what is left.
TEST_F(SignaturePanel, InsertingNearTheLimitTakesWhatFits) {
    SmsTextEdit* text = h.ui().txtSMS;
    h.enterText(QString(1490, QLatin1Char('x')));
    text->moveCursor(QTextCursor::End);
    doubleClick(1); // "Tel. 0170 1234567", 17 characters
    EXPECT_EQ(text->toPlainText().size(), 1500);
    EXPECT_TRUE(text->toPlainText().endsWith(QStringLiteral("xTel. 0170 ")));
    EXPECT_EQ(h.ui().txtZeichen->text(), QStringLiteral("1500"));
    EXPECT_EQ(h.ui().txtAnzahlSMS->text(), QStringLiteral("10"));
    EXPECT_TRUE(h.ui().tbSend->isEnabled());
    doubleClick(0);
    EXPECT_EQ(text->toPlainText().size(), 1500);
}

// The edit window itself: its counter follows the text, "Speichern" returns
// it, closing by the frame returns nothing.
TEST(SignatureDialog, CountsSavesAndDiscards) {
    const auto run = [](const QString& start, const std::function<void(frmSignaturen&)>& act) {
        QTimer::singleShot(0, [act] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<frmSignaturen*>(w); d && d->isVisible())
                    return act(*d);
            }
        });
        return editSignature(start);
    };
    const QVariant saved = run(QStringLiteral("Alt\r\nZeile"), [](frmSignaturen& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Signaturen verwalten"));
        auto* edit = d.findChild<QPlainTextEdit*>(QStringLiteral("txtSignatur"));
        auto* count = d.findChild<QLineEdit*>(QStringLiteral("txtZeichen"));
        EXPECT_EQ(count->text(), QStringLiteral("9"));
        edit->setPlainText(QStringLiteral("Neu €"));
        EXPECT_EQ(count->text(), QStringLiteral("5"));
        d.findChild<QPushButton*>(QStringLiteral("cmdSpeichern"))->click();
    });
    EXPECT_EQ(saved, QVariant(QStringLiteral("Neu €")));

    const QVariant discarded = run(QStringLiteral("bleibt"), [](frmSignaturen& d) {
        d.findChild<QPlainTextEdit*>(QStringLiteral("txtSignatur"))->setPlainText(QStringLiteral("weg"));
        d.close();
    });
    EXPECT_FALSE(discarded.isValid());

    const QVariant empty = run(QStringLiteral("x"), [](frmSignaturen& d) {
        d.findChild<QPlainTextEdit*>(QStringLiteral("txtSignatur"))->clear();
        d.findChild<QPushButton*>(QStringLiteral("cmdSpeichern"))->click();
    });
    EXPECT_EQ(empty, QVariant(QString()));
}

// A signature of blanks is kept in the list; the store drops its value, so
// after a restart it is an empty item at the same place.
TEST_F(SignaturePanel, BlankSignatureIsShownAndComesBackEmpty) {
    h.prompts.queueDialogResult(QStringLiteral("   "));
    emit h.ui().tbAddSignature->Click();
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Gruß Anna"), QStringLiteral("Tel. 0170 1234567"),
                                    QStringLiteral("Firma Musterweg 1"), QStringLiteral("   ")}));
    EXPECT_EQ(stored(QStringLiteral("count")), QStringLiteral("4"));
    panel().loadSignatures();
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Gruß Anna"), QStringLiteral("Tel. 0170 1234567"),
                                    QStringLiteral("Firma Musterweg 1"), QString()}));
}
