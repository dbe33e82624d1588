#pragma once

#include "platform/Prompts.h"

#include <functional>

// The prompts seam without a window: every message goes to standard error
// as its text stands, and questions are answered by a fixed rule, since
// nobody may be there to answer.
//   - Yes/No questions (sending without a sender name): Yes with --yes, else No.
//   - The list question about numbers that take no SMS: "An alle senden" with
//     --yes, "Ohne diese senden" with --skip-invalid, else "Abbrechen".
//   - Every modal dialog is closed unanswered.
// A question answered No or Cancel is counted, so the run can end with the
// exit code for bad input.
class StderrPrompts : public Prompts::Handler {
public:
    using Writer = std::function<void(const QString& line)>;
    StderrPrompts(bool yes, bool skipInvalid, Writer writer);

    Prompts::Answer message(const Prompts::Message& m) override;
    QVariant dialog(const QString& name, const QVariantMap& args) override;

    int refusedQuestions() const { return m_refused; }
    // The note after a refused question, naming the flag that answers it.
    static QString answeredNoText(bool threeWay);

private:
    bool m_yes;
    bool m_skipInvalid;
    Writer m_write;
    int m_refused = 0;
};
