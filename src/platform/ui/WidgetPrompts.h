#pragma once

#include "platform/Prompts.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

// The production prompt handler: QMessageBox for messages, and the program's
// own dialogs registered by name.
class WidgetPrompts : public Prompts::Handler {
public:
    using DialogFactory = std::function<QVariant(QWidget* parent, const QVariantMap& args)>;

    static WidgetPrompts& instance();

    void setParentWindow(QWidget* parent) { m_parent = parent; }
    void registerDialog(const QString& name, DialogFactory factory);

    Prompts::Answer message(const Prompts::Message& m) override;
    QVariant dialog(const QString& name, const QVariantMap& args) override;

private:
    QPointer<QWidget> m_parent;
    QHash<QString, DialogFactory> m_dialogs;
};
