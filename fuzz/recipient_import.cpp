// A CSV, TSV or vCard file as a user drops it onto the list: read whole or
// refused with a message, and every imported entry one the list can take.
#include "FuzzSupport.h"

#include "mass/ImportMapping.h"
#include "mass/RecipientImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const RecipientImport::Source source = RecipientImport::readBytes(fuzz::bytes(data, size));
    if (!source.error.isEmpty()) {
        fuzz::require(source.table.rows.isEmpty() || source.kind == RecipientImport::Source::Kind::Csv,
                      "a refused vCard file still brought rows");
        return 0;
    }
    const ImportMapping mapping = ImportMappingRules::guess(source.table.rows.mid(0, 20));
    const RecipientImport::Result result = RecipientImport::apply(source.table, mapping);
    fuzz::require(result.entries.size() <= RecipientImport::kMaxEntries, "more entries than the limit");
    for (const RecipientEntry& e : result.entries) {
        fuzz::require(!e.number.isEmpty(), "an imported entry without a number", e.name);
        // A name may be first and last name joined; a number may gain its
        // country prefix.
        for (const QString& field : {e.name, e.number, e.frei1, e.frei2})
            fuzz::require(field.size() <= 2 * RecipientImport::kMaxFieldLength + 8,
                          "an over-long field was imported");
    }
    fuzz::require(result.leftOut.total() >= 0, "a negative count of rows left out");
    return 0;
}
