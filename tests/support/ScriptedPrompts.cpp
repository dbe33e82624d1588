#include "ScriptedPrompts.h"

ScriptedPrompts::ScriptedPrompts() : m_previous(Prompts::installed()) {
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    Prompts::install(m_previous);
}

void ScriptedPrompts::clear() {
    m_messages.clear();
    m_dialogs.clear();
}

Prompts::Answer ScriptedPrompts::message(const Prompts::Message& m) {
    m_messages.append(m);
    if (m_onMessage)
        m_onMessage(m);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    switch (m.buttons) {
    case Prompts::Buttons::Ok:
        return Prompts::Answer::Ok;
    case Prompts::Buttons::OkCancel:
        return Prompts::Answer::Cancel;
    default:
        return Prompts::Answer::No;
    }
}

QVariant ScriptedPrompts::dialog(const QString& name, const QVariantMap& args) {
    m_dialogs.append(DialogCall{name, args});
    if (!m_dialogResults.isEmpty())
        return m_dialogResults.dequeue();
    if (const auto it = m_dialogAnswers.constFind(name); it != m_dialogAnswers.constEnd())
        return (*it)(args);
    return {};
}
