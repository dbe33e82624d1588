// A group file downloaded from the service: loaded whole or not at all, and
// each entry as the mass-SMS file would hold it.
#include "FuzzSupport.h"
#include "StoredEntries.h"

#include "mass/MsmsFile.h"
#include "mass/WebGroup.h"
#include "platform/CodePage.h"

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
