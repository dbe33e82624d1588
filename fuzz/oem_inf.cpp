// The branding profile "oem.inf": every key the program reads, with the
// properties its readers rely on.
#include "FuzzSupport.h"

#include "config/CUrlStore.h"
#include "config/iniHandler.h"

namespace {
void check(const QByteArray& profile, const QString& section, const QString& key) {
    const QString fallback = QStringLiteral("(no value)");
    const QString value = readIniValueFrom(profile, section, key, fallback);
    if (value == fallback)
        return;
    fuzz::require(!value.isEmpty(), "an empty value instead of the default", key);
    fuzz::require(!value.contains(QChar(u'\0')), "a value keeps a NUL", key);
    fuzz::require(!value.contains(QLatin1Char('\n')), "a value runs over its line", key);
    // Only blanks are stripped after the cut at a NUL: a line end before it stays.
    fuzz::require(!value.endsWith(QLatin1Char(' ')) && !value.front().isSpace(), "a value keeps blanks", value);
    fuzz::require(value.size() <= 65534, "a value past the reader's limit", key);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray profile = fuzz::bytes(data, size);
    for (int e = 0; e < CUrlStore::EntryCount; ++e)
        check(profile, CUrlStore::sectionName(CUrlStore::Entry(e)), CUrlStore::keyName(CUrlStore::Entry(e)));
    for (const auto& [section, key] : {std::pair{"Strings", "ProductName"}, std::pair{"Strings", "Copyright"},
                                       std::pair{"Images", "Logo"}, std::pair{"Images", "Header"},
                                       std::pair{"Colors", "Background"}, std::pair{"Common", "HideHeaderStrings"}})
        check(profile, QString::fromLatin1(section), QString::fromLatin1(key));
    return 0;
}
