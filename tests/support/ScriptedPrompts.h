#pragma once

#include "platform/Prompts.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QVariant>

#include <functional>

// A prompt handler for tests: records every message and dialog request and
// answers from a queue (default: Ok for Ok boxes, else No/Cancel). Installed
// for its lifetime; the previous handler comes back afterwards.
class ScriptedPrompts : public Prompts::Handler {
public:
    struct DialogCall {
        QString name;
        QVariantMap args;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    void queueAnswer(Prompts::Answer answer) { m_answers.enqueue(answer); }
    void queueDialogResult(const QVariant& result) { m_dialogResults.enqueue(result); }
    // Answers every request for that dialog (when nothing is queued), for
    // example by running the real dialog and driving its widgets.
    void setDialogAnswer(const QString& name, std::function<QVariant(const QVariantMap&)> answer) {
        m_dialogAnswers.insert(name, std::move(answer));
    }
    // Runs while a message is "shown" (for example to let time pass inside a box).
    void setOnMessage(std::function<void(const Prompts::Message&)> f) { m_onMessage = std::move(f); }

    const QList<Prompts::Message>& messages() const { return m_messages; }
    const QList<DialogCall>& dialogs() const { return m_dialogs; }
    void clear();

    Prompts::Answer message(const Prompts::Message& m) override;
    QVariant dialog(const QString& name, const QVariantMap& args) override;

private:
    Prompts::Handler* m_previous;
    QQueue<Prompts::Answer> m_answers;
    QQueue<QVariant> m_dialogResults;
    QHash<QString, std::function<QVariant(const QVariantMap&)>> m_dialogAnswers;
    QList<Prompts::Message> m_messages;
    QList<DialogCall> m_dialogs;
    std::function<void(const Prompts::Message&)> m_onMessage;
};
