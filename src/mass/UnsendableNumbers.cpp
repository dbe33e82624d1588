#include "mass/UnsendableNumbers.h"

#include "config/Product.h"
#include "mass/DuplicateCheck.h"
#include "mass/PhoneNumbers.h"
#include "platform/Prompts.h"

namespace UnsendableNumbers {

QList<int> rows(const QList<RecipientEntry>& entries) {
    QList<int> out;
    for (int i = 0; i < int(entries.size()); ++i) {
        if (!PhoneNumbers::isMobile(PhoneNumbers::classify(entries.at(i).number)))
            out.append(i);
    }
    return out;
}

QString questionText(qsizetype count) {
    if (count == 1)
        return QStringLiteral("1 Nummer ist keine gültige Mobilfunknummer. Trotzdem an alle senden?");
    return QStringLiteral("%1 Nummern sind keine gültigen Mobilfunknummern. Trotzdem an alle senden?")
        .arg(count);
}

std::optional<QList<RecipientEntry>> confirm(const QList<RecipientEntry>& entries) {
    const QList<int> bad = rows(entries);
    if (bad.isEmpty())
        return entries;
    Prompts::Message m;
    m.icon = Prompts::Icon::Question;
    m.title = Product::productName();
    m.text = questionText(bad.size());
    m.buttons = Prompts::Buttons::YesNoCancel;
    m.captions = {QStringLiteral("An alle senden"), QStringLiteral("Ohne diese senden"),
                  QStringLiteral("Abbrechen")};
    switch (Prompts::show(m)) {
    case Prompts::Answer::Yes:
        return entries;
    case Prompts::Answer::No:
        return DuplicateCheck::withoutRows(entries, bad);
    default:
        return std::nullopt;
    }
}

} // namespace UnsendableNumbers
