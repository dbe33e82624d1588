// A ".msms" file: a file that loads is saved again and loads to the same
// entries, and the saved bytes are stable from then on.
#include "FuzzSupport.h"
#include "StoredEntries.h"

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
