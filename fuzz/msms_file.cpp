// A ".msms" file: a file that loads is saved again and loads to the same
// entries, and the saved bytes are stable from then on.
#include "FuzzSupport.h"

#include "platform/CodePage.h"

#include "mass/MsmsFile.h"

namespace {
QByteArray encode(const QList<RecipientEntry>& entries) {
    QByteArray out;
    for (const RecipientEntry& e : entries)
        out += MsmsFile::encodeLine(e);
    return out;
}
QString describe(const QList<RecipientEntry>& entries) {
    QString s;
    for (const RecipientEntry& e : entries)
        s += e.name + u'|' + e.number + u'|' + e.frei1 + u'|' + e.frei2 + u'\n';
    return s;
}
} // namespace

// The five codes Windows-1252 leaves undefined read as C1 controls, which the
// code page does not write back (they become "?"): the entries as a file can hold them.
inline QList<RecipientEntry> asStored(QList<RecipientEntry> entries) {
    const auto held = [](const QString& s) { return CodePage::fromWindows1252(CodePage::toWindows1252(s)); };
    for (RecipientEntry& e : entries) {
        e.name = held(e.name);
        e.number = held(e.number);
        e.frei1 = held(e.frei1);
        e.frei2 = held(e.frei2);
    }
    return entries;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto list = MsmsFile::parse(fuzz::bytes(data, size));
    if (!list)
        return 0;
    for (const RecipientEntry& e : list->entries())
        fuzz::require(!e.number.isEmpty(), "an entry without a number was read", describe(list->entries()));

    const QByteArray saved = encode(list->entries());
    const auto again = MsmsFile::parse(saved);
    fuzz::require(again.has_value(), "a saved list does not load", QString::fromLatin1(saved));
    fuzz::require(again->entries() == asStored(list->entries()), "a saved list loads different entries",
                  describe(list->entries()) + QStringLiteral("---\n") + describe(again->entries()));
    fuzz::require(encode(again->entries()) == saved, "saving twice gives other bytes", QString::fromLatin1(saved));
    return 0;
}
