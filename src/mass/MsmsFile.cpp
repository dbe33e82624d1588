#include "mass/MsmsFile.h"

#include "platform/CodePage.h"

#include <QFile>
#include <QSaveFile>

namespace MsmsFile {

namespace {

SaveResult failure(const QFileDevice& f) {
    return SaveResult{false, int(f.error()), f.errorString()};
}

} // namespace

QByteArray encodeLine(const RecipientEntry& entry) {
    QByteArray line;
    line.reserve(entry.name.size() + entry.number.size() + entry.frei1.size() + entry.frei2.size() + 6);
    for (const QString* field : {&entry.name, &entry.number, &entry.frei1, &entry.frei2}) {
        line += CodePage::toWindows1252(*field);
        line += ';';
    }
    line += "\r\n";
    return line;
}

std::optional<RecipientList> parse(const QByteArray& bytes) {
    // No data file the program writes holds a NUL byte; one that does (binary
    // junk, a text saved as UTF-16) is refused whole rather than read as garbage.
    if (bytes.contains('\0'))
        return std::nullopt;
    RecipientList list;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size) {
        qsizetype end = bytes.indexOf('\r', start);
        if (end < 0)
            end = size;
        const QByteArray raw = QByteArray::fromRawData(bytes.constData() + start, end - start);
        if (!list.parseLine(CodePage::fromWindows1252(raw)))
            return std::nullopt;
        start = end + 1;
        if (start < size && bytes.at(start) == '\n')
            ++start;
    }
    return list;
}

std::optional<RecipientList> load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (f.size() > kMaxFileSize)
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return parse(bytes);
}

SaveResult write(QIODevice& out, const QList<RecipientEntry>& entries, const Progress& progress) {
    int written = 0;
    for (const RecipientEntry& e : entries) {
        const QByteArray line = encodeLine(e);
        if (out.write(line) != line.size())
            return SaveResult{false, int(QFileDevice::WriteError), out.errorString()};
        ++written;
        if (progress)
            progress(written);
    }
    return {};
}

SaveResult save(const QString& path, const QList<RecipientEntry>& entries, const Progress& progress) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return failure(f);
    const SaveResult written = write(f, entries, progress);
    if (!written.ok) {
        // The device's own error, where it has one, says more than ours.
        const SaveResult own = f.error() != QFileDevice::NoError ? failure(f) : written;
        f.cancelWriting();
        return own;
    }
    // What is still in the buffer is written here: a write that fails now
    // must fail the save (commit alone would keep the file cut short).
    if (!f.flush()) {
        const SaveResult own = failure(f);
        f.cancelWriting();
        return own;
    }
    if (!f.commit())
        return failure(f);
    return {};
}

QString withExtension(const QString& chosen) {
    if (chosen.endsWith(QLatin1String(".msms"), Qt::CaseSensitive))
        return chosen;
    return chosen + QLatin1String(".msms");
}

QString loadFailureText() {
    return QStringLiteral("Die Datei konnte nicht geladen werden.");
}

QString saveFailureText(const SaveResult& result) {
    return QStringLiteral("Die Datei konnte leider nicht gespeichert werden.\r\nFehlernummer: ") +
           QString::number(result.errorNumber) + QStringLiteral("\r\nBeschreibung: ") + result.description;
}

} // namespace MsmsFile
