#pragma once

#include "ScriptedPrompts.h"
#include "mass/ui/frmMultiSMS.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// A shown MultiSMS window with scripted prompts, a temp folder for data
// files and a count of the main window's re-measurements.
class MultiSMSWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&w, &frmMultiSMS::maxSizesChanged, &w, [this] { ++recalcs; });
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    template <class T> T* child(const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QLineEdit* field(const char* name) { return child<QLineEdit>(name); }
    QAction* key(const char* name) { return child<QAction>(name); }
    QTableView* view() { return child<QTableView>("lvData"); }

    void fill(const QString& name, const QString& number, const QString& frei1 = {},
              const QString& frei2 = {}) {
        field("txtName")->setText(name);
        field("txtNummer")->setText(number);
        field("txtFrei1")->setText(frei1);
        field("txtFrei2")->setText(frei2);
    }
    void addEntry(const QString& name, const QString& number, const QString& frei1 = {},
                  const QString& frei2 = {}) {
        fill(name, number, frei1, frei2);
        key("add")->trigger();
    }
    QStringList names() const {
        QStringList out;
        for (const RecipientEntry& e : w.list().entries())
            out << e.name;
        return out;
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        const QString p = path(name);
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return p;
    }
    static QByteArray readFile(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    // Opens the file through key open, the dialog answered with its path.
    void open(const QString& p) {
        prompts.queueDialogResult(p);
        key("open")->trigger();
    }

    ScriptedPrompts prompts;
    QTemporaryDir dir;
    frmMultiSMS w;
    int recalcs = 0;
};
