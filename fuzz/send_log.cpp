// A send log left by a process that died, as the next journal reads it:
// whatever the bytes, it takes in only whole, sound records, and each reads
// back as it was written.
#include "FuzzSupport.h"

#include "history/SendLog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray in = fuzz::bytes(data, size);
    qint64 used = -1;
    const QList<SendLog::Record> records = SendLog::decode(in, &used);
    fuzz::require(used >= 0 && used <= in.size(), "read past the bytes");
    QByteArray again;
    for (const SendLog::Record& r : records)
        SendLog::encode(again, r);
    fuzz::require(again == in.left(used), "a record read does not write back as it stood");
    // A log cut anywhere keeps the records before the cut.
    qint64 cutUsed = -1;
    const QList<SendLog::Record> cut = SendLog::decode(in.left(used / 2), &cutUsed);
    fuzz::require(cut.size() <= records.size() && cutUsed <= used / 2, "a cut log reads more than it holds");
    return 0;
}
