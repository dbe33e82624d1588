#include "history/HistoryCsv.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool formulaStart(QChar c) {
    return c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('@') ||
           c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

QString why(const QSaveFile& file, const QString& path) {
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return QStringLiteral("Der Ordner „%1“ existiert nicht.").arg(QDir::toNativeSeparators(info.absolutePath()));
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("In den Ordner „%1“ kann nicht geschrieben werden.")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten; vielleicht ist der Datenträger voll.");
    case QFileDevice::RenameError:
        return QStringLiteral("Die Datei „%1“ konnte nicht ersetzt werden.").arg(QDir::toNativeSeparators(path));
    default:
        break;
    }
    return QStringLiteral("Die Datei konnte nicht gespeichert werden.");
}

} // namespace

namespace HistoryCsv {

QByteArray field(const QString& value) {
    // Most fields need nothing done: look first, copy only when needed.
    bool clean = true;
    bool quote = !value.isEmpty() && (value.front() == QLatin1Char(' ') || value.back() == QLatin1Char(' '));
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f) {
            if (u == u'\r' || u == u'\n')
                quote = true;
            else if (u != u'\t')
                clean = false;
        } else if (u == u';' || u == u'"') {
            quote = true;
        }
    }
    const bool guard = !value.isEmpty() && formulaStart(value.front());
    if (clean && !quote && !guard)
        return value.toUtf8();
    QString v = value;
    if (!clean) {
        for (QChar& c : v) {
            const char16_t u = c.unicode();
            if ((u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || u == 0x7f)
                c = QLatin1Char(' ');
        }
        quote = quote || v.front() == QLatin1Char(' ') || v.back() == QLatin1Char(' ');
    }
    if (!v.isEmpty() && formulaStart(v.front()))
        v.prepend(QLatin1Char('\''));
    const QByteArray bytes = v.toUtf8();
    if (!quote)
        return bytes;
    QByteArray out;
    out.reserve(bytes.size() + 4);
    out += '"';
    for (const char c : bytes) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

QByteArray row(const QStringList& fields) {
    QByteArray out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            out += ';';
        out += field(fields.at(i));
    }
    out += "\r\n";
    return out;
}

QByteArray begin(const QStringList& headers) {
    return QByteArray("\xEF\xBB\xBF") + row(headers);
}

SaveResult save(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, why(file, path)};
    // Flushed here: a write that fails in the device's buffer would
    // otherwise surface only inside commit(), which then puts the cut file
    // in place all the same.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const SaveResult failed{false, why(file, path)};
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return {false, why(file, path)};
    return {};
}

QString failureText(const SaveResult& result) {
    return QStringLiteral("Der Verlauf konnte nicht exportiert werden.\r\n") + result.error;
}

} // namespace HistoryCsv
