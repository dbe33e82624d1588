#include "cli/SendRecipients.h"

#include "mass/MsmsFile.h"
#include "mass/RecipientImport.h"
#include "messaging/PrefixCatalogue.h"
#include "messaging/RecipientNumber.h"
#include "messaging/SendRules.h"

#include <algorithm>
#include <optional>

namespace SendRecipients {

namespace {

// The national entry whose shown prefix ("0170", "01520") begins the number;
// the longest wins, so "01520…" is not read as "0152" + "0…".
std::optional<PrefixCatalogue::Entry> entryBeginning(const QString& number) {
    std::optional<PrefixCatalogue::Entry> best;
    for (const PrefixCatalogue::Entry& e : PrefixCatalogue::entries()) {
        if (PrefixCatalogue::isWorldwide(e.key) || !number.startsWith(e.text))
            continue;
        if (!best || e.text.size() > best->text.size())
            best = e;
    }
    return best;
}

std::optional<PrefixCatalogue::Entry> entryNamed(const QString& prefix) {
    if (auto byKey = PrefixCatalogue::find(prefix))
        return byKey;
    for (const PrefixCatalogue::Entry& e : PrefixCatalogue::entries()) {
        if (!PrefixCatalogue::isWorldwide(e.key) && e.text == prefix)
            return e;
    }
    return std::nullopt;
}

} // namespace

Single resolve(const QString& to, const QString& prefixArg) {
    Single s;
    const QString number = to.trimmed();
    const QString prefix = prefixArg.trimmed();
    std::optional<PrefixCatalogue::Entry> entry;
    if (!prefix.isEmpty()) {
        entry = entryNamed(prefix);
        s.typed = number;
        if (entry && !PrefixCatalogue::isWorldwide(entry->key) && number.startsWith(entry->text) &&
            number.size() > entry->text.size())
            s.typed = number.mid(entry->text.size());
    } else if (number.startsWith(u'+') || number.startsWith(u"00")) {
        entry = PrefixCatalogue::find(QStringLiteral("W"));
        s.typed = number.startsWith(u'+') ? QStringLiteral("00") + number.mid(1) : number;
    } else {
        entry = entryBeginning(number);
        if (entry)
            s.typed = number.mid(entry->text.size());
    }
    if (!entry) {
        s.error = RecipientNumber::unknownPrefixText();
        return s;
    }
    s.key = entry->key;
    // The number field's own check first (the "00" rule, digits only), then
    // the send button's; an empty number has only the latter's complaint.
    // "00" (or "+") alone is no number either.
    if (s.typed.isEmpty() || (PrefixCatalogue::isWorldwide(s.key) && s.typed == u"00")) {
        s.error = formComplaints(false, QString(), QStringLiteral("-"));
        return s;
    }
    const RecipientNumber::Check check = RecipientNumber::checkNumberField(s.key, s.typed);
    if (check.marked) {
        s.error = check.warning;
        return s;
    }
    const QString complaints = formComplaints(false, s.typed, QStringLiteral("-"));
    if (!complaints.isEmpty()) {
        s.error = complaints;
        return s;
    }
    // The window's number rule lets "1234.567", "1e5" or "+5" pass as numbers
    // (a user sees the field); a script's number goes out unseen, so here it
    // must be digits.
    if (!std::all_of(s.typed.begin(), s.typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        s.error = RecipientNumber::digitsOnlyText();
        return s;
    }
    const auto resolved = RecipientNumber::resolveRecipient(s.key, s.typed);
    if (!resolved) {
        s.error = RecipientNumber::unknownPrefixText();
        return s;
    }
    s.recipient = *resolved;
    return s;
}

QString formComplaints(bool textOnly, const QString& typedNumber, const QString& text) {
    SendRules::FormInput in;
    in.massMode = textOnly;
    in.prefixSelected = true;
    in.number = typedNumber;
    in.text = text;
    // The complaints without the box's first line, which points at red fields
    // a terminal does not have.
    QStringList lines;
    for (const QString& complaint : SendRules::validateSendForm(in).complaints)
        lines << complaint.trimmed().mid(complaint.trimmed().startsWith(u"- ") ? 2 : 0);
    return lines.join(QLatin1Char('\n'));
}

List load(const QString& path) {
    List out;
    if (path.endsWith(QStringLiteral(".msms"), Qt::CaseInsensitive)) {
        std::optional<RecipientList> loaded = MsmsFile::load(path);
        if (!loaded) {
            out.error = MsmsFile::loadFailureText();
            return out;
        }
        out.entries.takeFrom(std::move(*loaded));
    } else {
        RecipientImport::Source source = RecipientImport::read(path);
        if (!source.error.isEmpty()) {
            out.error = source.error;
            return out;
        }
        const ImportMapping mapping = source.kind == RecipientImport::Source::Kind::Vcard
                                          ? RecipientImport::vcardMapping()
                                          : RecipientImport::initialMapping(source.table);
        const RecipientImport::Result result = RecipientImport::apply(source.table, mapping);
        out.notice = RecipientImport::leftOutText(result.leftOut);
        out.entries.replaceEntries(result.entries);
    }
    out.entries.recalcMaxSizes();
    if (out.entries.count() == 0)
        out.error = RecipientImport::noRecipientText();
    return out;
}

} // namespace SendRecipients
