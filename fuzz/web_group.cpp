// A group file downloaded from the service: loaded whole or not at all, and
// each entry as the mass-SMS file would hold it.
#include "FuzzSupport.h"

#include "mass/MsmsFile.h"
#include "mass/WebGroup.h"
#include "platform/CodePage.h"

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
    const auto entries = WebGroup::parseGroupFile(fuzz::bytes(data, size));
    if (!entries)
        return 0;
    fuzz::require(!entries->isEmpty(), "an empty group was loaded");
    QByteArray saved;
    for (const RecipientEntry& e : *entries) {
        fuzz::require(!e.number.isEmpty(), "a group entry without a number", e.name);
        fuzz::require(!e.name.contains(QChar(u'\0')) && !e.number.contains(QChar(u'\0')), "a NUL in an entry");
        saved += MsmsFile::encodeLine(e);
    }
    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    if (saved.count('\r') != entries->size())
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries",
                  QString::fromLatin1(saved));
    return 0;
}
