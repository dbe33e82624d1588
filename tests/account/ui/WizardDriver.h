#pragma once

// Drives the first-start wizard through its widgets, as a user would.

#include "account/ui/frmFirstTime.h"
#include "app/frmMain.h"
#include "config/Colours.h"
#include "widgets/ColourPalette.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace WizardDriver {

template <typename T = QWidget> T* child(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        ADD_FAILURE() << "no control " << name;
    return w;
}

// Typed key by key; characters outside ASCII one by one, as keyClicks cannot.
inline void type(QWidget* window, const char* field, const QString& text) {
    auto* edit = child<QLineEdit>(window, field);
    edit->setFocus();
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

inline void click(QWidget* window, const char* button) {
    auto* b = child<QAbstractButton>(window, button);
    if (!b->isVisible() || !b->isEnabled()) {
        ADD_FAILURE() << button << " cannot be clicked";
        return;
    }
    // Check and option buttons answer on their box and caption, not on the
    // empty width a layout may give them.
    const bool boxed = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, boxed ? QPoint(6, b->height() / 2) : b->rect().center());
}

// Every required field of a new account, the two e-mail fields alike.
inline void fillRegistration(QWidget* window, const QString& email) {
    type(window, "txtName", QStringLiteral("Müller"));
    type(window, "txtFirstName", QStringLiteral("Anna"));
    type(window, "txtEmail", email);
    type(window, "txtEmailRepeat", email);
    type(window, "txtStrasse", QStringLiteral("Hauptstraße 5"));
    type(window, "txtPLZ", QStringLiteral("10115"));
    type(window, "txtOrt", QStringLiteral("Berlin"));
}

inline QString page(QWidget* window) {
    return child<QStackedWidget>(window, "pages")->currentWidget()->objectName();
}

inline QColor background(QWidget* window, const char* field) {
    return child(window, field)->palette().color(QPalette::Base);
}
inline QColor red() {
    return toQColor(Colours::lightRed());
}
inline QColor yellow() {
    return toQColor(WinColor::rgb(255, 255, 192));
}
inline QColor plain() {
    return toQColor(WinColor::system(Colours::kWindow));
}
inline QColor face() {
    return toQColor(WinColor::system(Colours::kButtonFace));
}

// The main window once it is up, else nullptr.
inline frmMain* mainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* m = qobject_cast<frmMain*>(w); m && m->isVisible())
            return m;
    }
    return nullptr;
}

} // namespace WizardDriver
