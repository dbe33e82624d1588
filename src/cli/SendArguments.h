#pragma once

#include <QString>
#include <QStringList>

// What the command line of velvox-send asks for, as plain values. Reading
// it needs no application object, so the parser can be fed anything.
struct SendArguments {
    enum class Mode { Send, Balance, Help, Version };
    Mode mode = Mode::Send;

    QString to;     // --to: national ("01701234567") or international ("0049…", "+49…")
    QString prefix; // --prefix: catalogue key ("G170") or its shown text ("0170")
    QString name;   // --name
    QString text;   // --text; empty with textFromStdin
    bool hasText = false;
    QString list;   // --list: a .msms or CSV file
    QString at;     // --at "2027-01-05 08:30"
    QString cron;   // --cron "30 08 * * *"
    QString until;  // --until 3 or --until 2027-02-01
    int window = 0; // --window 1..8: a run's requests under way; 0: as the options say
    bool dryRun = false;
    bool json = false;
    bool yes = false;         // answers the program's questions with "Ja" / "An alle senden"
    bool skipInvalid = false; // "Ohne diese senden" for numbers that take no SMS
    bool passwordStdin = false;
};

namespace SendArgumentsParser {

struct Result {
    SendArguments args;
    QString error; // German, for standard error; empty when the line was understood
};

// args without the program name. "--opt value" and "--opt=value" both work;
// a value may begin with "-" only in the "=" form.
Result parse(const QStringList& args);

// The text of --help, exit codes included.
QString helpText();

} // namespace SendArgumentsParser
