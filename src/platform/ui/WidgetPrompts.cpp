#include "platform/ui/WidgetPrompts.h"

#include <QMessageBox>
#include <QPushButton>

WidgetPrompts& WidgetPrompts::instance() {
    static WidgetPrompts prompts;
    return prompts;
}

void WidgetPrompts::registerDialog(const QString& name, DialogFactory factory) {
    m_dialogs.insert(name, std::move(factory));
}

Prompts::Answer WidgetPrompts::message(const Prompts::Message& m) {
    QMessageBox box(m_parent);
    box.setWindowTitle(m.title);
    box.setText(m.text);
    switch (m.icon) {
    case Prompts::Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Prompts::Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Prompts::Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Prompts::Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Prompts::Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    // The buttons in the order they are added; own captions replace theirs one by one.
    QList<QAbstractButton*> added;
    const auto add = [&](const QString& text, QMessageBox::ButtonRole role) {
        QAbstractButton* b = box.addButton(text, role);
        added.append(b);
        return b;
    };
    switch (m.buttons) {
    case Prompts::Buttons::Ok:
        add(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case Prompts::Buttons::OkCancel:
        add(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(add(QStringLiteral("Abbrechen"), QMessageBox::RejectRole));
        break;
    case Prompts::Buttons::YesNo:
        add(QStringLiteral("&Ja"), QMessageBox::YesRole);
        box.setEscapeButton(add(QStringLiteral("&Nein"), QMessageBox::NoRole));
        break;
    case Prompts::Buttons::YesNoCancel:
        add(QStringLiteral("&Ja"), QMessageBox::YesRole);
        add(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setEscapeButton(add(QStringLiteral("Abbrechen"), QMessageBox::RejectRole));
        break;
    }
    for (qsizetype i = 0; i < m.captions.size() && i < added.size(); ++i)
        added.at(i)->setText(m.captions.at(i));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::ButtonRole role = clicked ? box.buttonRole(clicked) : QMessageBox::RejectRole;
    switch (role) {
    case QMessageBox::YesRole: return Prompts::Answer::Yes;
    case QMessageBox::NoRole: return Prompts::Answer::No;
    case QMessageBox::AcceptRole: return Prompts::Answer::Ok;
    default:
        return m.buttons == Prompts::Buttons::YesNo ? Prompts::Answer::No : Prompts::Answer::Cancel;
    }
}

QVariant WidgetPrompts::dialog(const QString& name, const QVariantMap& args) {
    const auto it = m_dialogs.constFind(name);
    if (it == m_dialogs.constEnd())
        return {};
    return (*it)(m_parent, args);
}
