#include "history/JournalErrors.h"

namespace {
// SQLite's primary result codes that have their own message.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kIoErr = 10;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kCantOpen = 14;
constexpr int kNotADb = 26;
} // namespace

namespace JournalErrors {

// Some of the driver's errors (a failed commit) come without SQLite's code:
// then its text, which is SQLite's own, tells which one it was.
static int codeFromText(const QString& driverText) {
    static const struct {
        const char* text;
        int code;
    } known[] = {{"database or disk is full", kFull}, {"disk I/O error", kIoErr},
                 {"readonly database", kReadOnly},    {"unable to open database file", kCantOpen},
                 {"database is locked", kBusy},       {"database table is locked", kLocked},
                 {"file is not a database", kNotADb}, {"malformed", kCorrupt}};
    for (const auto& k : known) {
        if (driverText.contains(QLatin1String(k.text)))
            return k.code;
    }
    return 0;
}

QString text(const QString& /*operation*/, int nativeCode, const QString& driverText) {
    // The driver's own text is English and may name the file's path: the
    // user reads what it means instead.
    if (nativeCode == 0)
        nativeCode = codeFromText(driverText);
    switch (nativeCode & 0xff) {
    case kFull:
        return QStringLiteral("Der Verlauf kann nicht gespeichert werden: Auf dem Datenträger ist kein Platz mehr frei.");
    case kReadOnly:
    case kCantOpen:
        return QStringLiteral("Der Verlauf kann nicht gespeichert werden: Der Ordner oder die Datei ist schreibgeschützt.");
    case kBusy:
    case kLocked:
        return QStringLiteral("Der Verlauf kann nicht gespeichert werden: Er ist von einem anderen Programm gesperrt.");
    case kCorrupt:
    case kNotADb:
        return corruptText();
    case kIoErr:
        return QStringLiteral("Der Verlauf kann nicht gespeichert werden: Beim Schreiben auf den Datenträger ist ein "
                              "Fehler aufgetreten (ist er voll?).");
    default:
        return QStringLiteral("Der Verlauf kann nicht gespeichert werden (Fehler %1).").arg(nativeCode);
    }
}

QString folderText(const QString& folder) {
    return QStringLiteral("Der Verlauf kann nicht gespeichert werden: Der Ordner \"%1\" kann nicht angelegt oder "
                          "beschrieben werden.")
        .arg(folder);
}

QString corruptText() {
    return QStringLiteral("Die Datei des Verlaufs ist beschädigt.");
}

QString newerText() {
    return QStringLiteral("Der Verlauf wurde von einer neueren Version des Programms angelegt und kann nicht "
                          "gelesen werden.");
}

QString notOpenText() {
    return QStringLiteral("Der Verlauf konnte nicht geöffnet werden.");
}

QString noDriverText() {
    return QStringLiteral("Der Verlauf kann nicht gespeichert werden: Die SQLite-Unterstützung fehlt.");
}

QString movedAsideText(const QString& movedTo) {
    return QStringLiteral("Die Datei des Verlaufs war beschädigt. Sie wurde unter \"%1\" aufbewahrt, und ein neuer "
                          "Verlauf wurde begonnen; die bisherigen Einträge sind darin nicht enthalten.")
        .arg(movedTo);
}

bool isCorrupt(const QString& text) {
    return text == corruptText();
}

} // namespace JournalErrors
