#include "cli/SendArguments.h"

#include <functional>

namespace SendArgumentsParser {

namespace {

struct ValueOption {
    const char* name;
    QString SendArguments::*field;
};
struct FlagOption {
    const char* name;
    bool SendArguments::*field;
};

const ValueOption kValues[] = {
    {"to", &SendArguments::to},       {"prefix", &SendArguments::prefix}, {"name", &SendArguments::name},
    {"text", &SendArguments::text},   {"list", &SendArguments::list},     {"at", &SendArguments::at},
    {"cron", &SendArguments::cron},   {"until", &SendArguments::until},   {"window", nullptr},
};
const FlagOption kFlags[] = {
    {"dry-run", &SendArguments::dryRun}, {"json", &SendArguments::json},
    {"yes", &SendArguments::yes},        {"skip-invalid", &SendArguments::skipInvalid},
    {"password-stdin", &SendArguments::passwordStdin},
};

QString quoted(const QString& option) {
    return QStringLiteral("»") + option + QStringLiteral("«");
}

// The combinations that cannot mean anything, in the order they are checked.
QString conflict(const SendArguments& a) {
    if (a.mode == SendArguments::Mode::Balance)
        return {};
    if (a.to.isEmpty() && a.list.isEmpty())
        return QStringLiteral("Bitte geben Sie einen Empfänger (--to) oder eine Liste (--list) an.");
    if (!a.to.isEmpty() && !a.list.isEmpty())
        return QStringLiteral("--to und --list schließen einander aus.");
    if (!a.list.isEmpty() && (!a.prefix.isEmpty() || !a.name.isEmpty()))
        return QStringLiteral("--prefix und --name gelten nur mit --to.");
    if (a.window > 0 && a.list.isEmpty())
        return QStringLiteral("--window gilt nur mit --list.");
    if (!a.until.isEmpty() && a.cron.isEmpty())
        return QStringLiteral("--until gilt nur mit --cron.");
    if (!a.cron.isEmpty() && a.until.isEmpty())
        return QStringLiteral("--cron braucht --until (Anzahl oder Datum).");
    return {};
}

} // namespace

Result parse(const QStringList& args) {
    Result r;
    // Looked for first, so that no other complaint can echo what follows it.
    for (const QString& arg : args) {
        if (arg == u"--password" || arg.startsWith(u"--password=")) {
            // Arguments are visible to every user of the machine.
            r.error = QStringLiteral("Das Kennwort wird nie als Argument angegeben: "
                                     "VELVOX_PASSWORD oder --password-stdin verwenden.");
            return r;
        }
    }
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == u"-h" || arg == u"--help") {
            r.args.mode = SendArguments::Mode::Help;
            return r;
        }
        if (arg == u"--version") {
            r.args.mode = SendArguments::Mode::Version;
            return r;
        }
        if (!arg.startsWith(u"--") || arg.size() == 2) {
            r.error = QStringLiteral("Unbekanntes Argument ") + quoted(arg) +
                      QStringLiteral(". Hilfe mit --help.");
            return r;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = arg.mid(2, eq < 0 ? -1 : eq - 2);
        if (name == u"balance" && eq < 0) {
            r.args.mode = SendArguments::Mode::Balance;
            continue;
        }
        bool known = false;
        for (const FlagOption& f : kFlags) {
            if (name == QLatin1String(f.name)) {
                if (eq >= 0) {
                    r.error = quoted(QStringLiteral("--") + name) + QStringLiteral(" nimmt keinen Wert.");
                    return r;
                }
                r.args.*f.field = true;
                known = true;
            }
        }
        for (const ValueOption& v : kValues) {
            if (name != QLatin1String(v.name))
                continue;
            known = true;
            QString value;
            if (eq >= 0) {
                value = arg.mid(eq + 1);
            } else if (i + 1 < args.size() && !args.at(i + 1).startsWith(u"--")) {
                value = args.at(++i);
            } else {
                r.error = quoted(QStringLiteral("--") + name) + QStringLiteral(" braucht einen Wert.");
                return r;
            }
            if (!v.field) { // --window
                bool ok = false;
                r.args.window = value.toInt(&ok);
                if (!ok || r.args.window < 1 || r.args.window > 8) {
                    r.error = QStringLiteral("--window braucht eine Zahl von 1 bis 8.");
                    return r;
                }
                continue;
            }
            r.args.*v.field = value;
            if (v.field == &SendArguments::text)
                r.args.hasText = true;
        }
        if (!known) {
            r.error = QStringLiteral("Unbekannte Option ") + quoted(QStringLiteral("--") + name) +
                      QStringLiteral(". Hilfe mit --help.");
            return r;
        }
    }
    r.error = conflict(r.args);
    return r;
}

QString helpText() {
    return QStringLiteral(
        "Aufruf: velvox-send --to NUMMER [--text TEXT] [Optionen]\n"
        "        velvox-send --list DATEI [--text TEXT] [Optionen]\n"
        "        velvox-send --balance\n"
        "\n"
        "Sendet SMS über den Web-SMS-Dienst, mit den Einstellungen und dem Profil des Programms.\n"
        "Ohne --text wird der Text von der Standardeingabe gelesen.\n"
        "\n"
        "  --to NUMMER        Empfänger: national (01701234567) oder international (0049…, +49…)\n"
        "  --prefix VORWAHL   Vorwahl-Eintrag einer nationalen Nummer (G170 oder 0170);\n"
        "                     --to ist dann die Nummer mit oder ohne diese Vorwahl\n"
        "  --name NAME        Name des Empfängers\n"
        "  --text TEXT        Nachricht\n"
        "  --list DATEI       Massenversand an eine .msms- oder CSV-Liste; %name%, %frei1% und\n"
        "                     %frei2% werden je Eintrag gefüllt\n"
        "  --window N         Anfragen, die ein Massenversand gleichzeitig unterwegs hat (1 bis 8;\n"
        "                     sonst wie \"Gleichzeitige Übertragungen\" in den Einstellungen)\n"
        "  --at \"JJJJ-MM-TT HH:MM\"  Terminversand zu diesem Zeitpunkt; mit --cron der erste Tag\n"
        "  --cron \"MM HH T M W\"     Serie wie im Terminversand: täglich (30 08 * * *), an\n"
        "                     Wochentagen (30 08 * * 1,3), monatlich (30 08 15 * *, 30 08 1-7 * 1),\n"
        "                     jährlich (30 08 24 12 *, 30 08 8-14 5 0)\n"
        "  --until N|DATUM    Ende der Serie: nach N Sendungen oder am Datum (JJJJ-MM-TT [HH:MM])\n"
        "  --balance          Guthaben ausgeben\n"
        "  --dry-run          Zeigen, was gesendet würde (Empfänger, Teile, Zeichen, Credits);\n"
        "                     sendet nichts\n"
        "  --json             Eine JSON-Zeile je Anfrage und eine Zusammenfassung\n"
        "  --yes              Fragen mit Ja beantworten (Senden ohne Absendername, Listen mit\n"
        "                     Nummern, die keine SMS empfangen: an alle senden)\n"
        "  --skip-invalid     Listeneinträge ohne gültige Mobilfunknummer auslassen\n"
        "  --password-stdin   Kennwort aus der ersten Zeile der Standardeingabe\n"
        "\n"
        "Kennwort: --password-stdin, sonst VELVOX_PASSWORD, sonst aus den Einstellungen oder dem\n"
        "Schlüsselbund. Nie als Argument.\n"
        "\n"
        "Strg+C: keine weiteren Anfragen, laufende werden beendet und gemeldet;\n"
        "ein zweites Strg+C beendet sofort (Code 130).\n"
        "\n"
        "Rückgabewerte:\n"
        "  0  alles gesendet\n"
        "  1  einiges abgelehnt, fehlgeschlagen, ohne Antwort oder abgebrochen\n"
        "  2  falscher Aufruf oder falsche Eingabe\n"
        "  3  Guthaben reicht nicht\n"
        "  4  keine Verbindung zum Dienst\n"
        "  130  sofort beendet (zweites Strg+C)\n");
}

} // namespace SendArgumentsParser
