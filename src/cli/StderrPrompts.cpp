#include "cli/StderrPrompts.h"

#include <utility>

StderrPrompts::StderrPrompts(bool yes, bool skipInvalid, Writer writer)
    : m_yes(yes), m_skipInvalid(skipInvalid), m_write(std::move(writer)) {}

QString StderrPrompts::answeredNoText(bool threeWay) {
    return threeWay ? QStringLiteral("Nicht gesendet: mit --yes an alle senden, mit --skip-invalid ohne diese.")
                    : QStringLiteral("Mit Nein beantwortet; --yes beantwortet die Frage mit Ja.");
}

Prompts::Answer StderrPrompts::message(const Prompts::Message& m) {
    // Texts in the program's boxes end their lines with CR LF.
    QString text = m.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_write(text.trimmed());
    switch (m.buttons) {
    case Prompts::Buttons::Ok:
        return Prompts::Answer::Ok;
    case Prompts::Buttons::OkCancel:
        if (m_yes)
            return Prompts::Answer::Ok;
        ++m_refused;
        m_write(answeredNoText(false));
        return Prompts::Answer::Cancel;
    case Prompts::Buttons::YesNo:
        if (m_yes)
            return Prompts::Answer::Yes;
        ++m_refused;
        m_write(answeredNoText(false));
        return Prompts::Answer::No;
    case Prompts::Buttons::YesNoCancel:
        if (m_yes)
            return Prompts::Answer::Yes;
        if (m_skipInvalid)
            return Prompts::Answer::No;
        break;
    }
    ++m_refused;
    m_write(answeredNoText(true));
    return Prompts::Answer::Cancel;
}

QVariant StderrPrompts::dialog(const QString&, const QVariantMap&) {
    return {};
}
