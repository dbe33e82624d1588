#include "cli/RunOutput.h"
#include "cli/SendArguments.h"
#include "cli/SendRun.h"

#include "PrintQt.h"

#include <gtest/gtest.h>

// The command line of velvox-send read into its plain struct, and how
// standard input splits into password and text.

namespace {

QStringList A(std::initializer_list<const char*> args) {
    QStringList out;
    for (const char* a : args)
        out << QString::fromUtf8(a);
    return out;
}

} // namespace

TEST(SendArguments, ValuesAndFlagsInBothForms) {
    const auto r = SendArgumentsParser::parse(A({"--to", "01701234567", "--name=Anna Berg", "--text", "",
                                                  "--at", "2027-01-05 08:30", "--json", "--yes", "--dry-run"}));
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(r.args.mode, SendArguments::Mode::Send);
    EXPECT_EQ(r.args.to, QStringLiteral("01701234567"));
    EXPECT_EQ(r.args.name, QStringLiteral("Anna Berg"));
    EXPECT_TRUE(r.args.hasText); // an empty text given is not a text to read from stdin
    EXPECT_TRUE(r.args.text.isEmpty());
    EXPECT_EQ(r.args.at, QStringLiteral("2027-01-05 08:30"));
    EXPECT_TRUE(r.args.json && r.args.yes && r.args.dryRun);
    EXPECT_FALSE(r.args.skipInvalid || r.args.passwordStdin);

    // A text that begins with a dash only in the "=" form.
    const auto dash = SendArgumentsParser::parse(A({"--to", "0170123", "--text=--wichtig--"}));
    EXPECT_EQ(dash.args.text, QStringLiteral("--wichtig--"));
    EXPECT_FALSE(SendArgumentsParser::parse(A({"--to", "0170123"})).args.hasText);
}

TEST(SendArguments, ModesWinOverTheRest) {
    EXPECT_EQ(SendArgumentsParser::parse(A({"--balance"})).args.mode, SendArguments::Mode::Balance);
    EXPECT_TRUE(SendArgumentsParser::parse(A({"--balance"})).error.isEmpty());
    EXPECT_EQ(SendArgumentsParser::parse(A({"--to", "1", "--help", "--bogus"})).args.mode, SendArguments::Mode::Help);
    EXPECT_EQ(SendArgumentsParser::parse(A({"--version"})).args.mode, SendArguments::Mode::Version);
}

TEST(SendArguments, LinesThatMeanNothingAreRefused) {
    struct Case {
        QStringList args;
        const char* error;
    };
    const QList<Case> cases = {
        {A({}), "Bitte geben Sie einen Empfänger (--to) oder eine Liste (--list) an."},
        {A({"--to", "1", "--list", "l.msms"}), "--to und --list schließen einander aus."},
        {A({"--list", "l.msms", "--name", "x"}), "--prefix und --name gelten nur mit --to."},
        {A({"--to", "1", "--until", "3"}), "--until gilt nur mit --cron."},
        {A({"--to", "1", "--cron", "0 8 * * *"}), "--cron braucht --until (Anzahl oder Datum)."},
        {A({"--to"}), "»--to« braucht einen Wert."},
        {A({"--to", "--text", "x"}), "»--to« braucht einen Wert."},
        {A({"--to", "1", "--json=1"}), "»--json« nimmt keinen Wert."},
        {A({"--to", "1", "--fenster", "4"}), "Unbekannte Option »--fenster«. Hilfe mit --help."},
        {A({"--to", "1", "--window", "4"}), "--window gilt nur mit --list."},
        {A({"--list", "l.msms", "--window", "0"}), "--window braucht eine Zahl von 1 bis 8."},
        {A({"--list", "l.msms", "--window", "9"}), "--window braucht eine Zahl von 1 bis 8."},
        {A({"--list", "l.msms", "--window=vier"}), "--window braucht eine Zahl von 1 bis 8."},
        {A({"--to", "1", "-t"}), "Unbekanntes Argument »-t«. Hilfe mit --help."},
        {A({"--to", "1", "--"}), "Unbekanntes Argument »--«. Hilfe mit --help."},
        {A({"--to", "1", "text"}), "Unbekanntes Argument »text«. Hilfe mit --help."},
        {A({"--to", "1", "--password", "geheim"}),
         "Das Kennwort wird nie als Argument angegeben: VELVOX_PASSWORD oder --password-stdin verwenden."},
        // Before any complaint that would repeat the argument after it.
        {A({"geheim", "--password", "geheim"}),
         "Das Kennwort wird nie als Argument angegeben: VELVOX_PASSWORD oder --password-stdin verwenden."},
        {A({"--to", "1", "--password=geheim"}),
         "Das Kennwort wird nie als Argument angegeben: VELVOX_PASSWORD oder --password-stdin verwenden."},
    };
    for (const Case& c : cases) {
        const auto r = SendArgumentsParser::parse(c.args);
        EXPECT_EQ(r.error, QString::fromUtf8(c.error)) << c.args.join(u' ').toStdString();
        EXPECT_FALSE(r.error.contains(QStringLiteral("geheim")));
    }
}

TEST(SendArguments, HelpNamesEveryExitCode) {
    const QString help = SendArgumentsParser::helpText();
    for (const char* line : {"  0  alles gesendet", "  1  einiges abgelehnt", "  2  falscher Aufruf",
                             "  3  Guthaben reicht nicht", "  4  keine Verbindung zum Dienst", "  130  sofort beendet"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(line))) << line;
}

TEST(SendInput, PasswordIsTheFirstLineAndOneFinalLineBreakIsDropped) {
    struct Case {
        QByteArray in;
        bool passwordFirst;
        const char* password;
        const char* text;
    };
    const QList<Case> cases = {
        {"Hallo\n", false, "", "Hallo"},
        {"Hallo\r\n", false, "", "Hallo"},
        {"Zeile 1\nZeile 2\n\n", false, "", "Zeile 1\nZeile 2\n"},
        {"geheim\nText\n", true, "geheim", "Text"},
        {"geheim\r\nText", true, "geheim", "Text"},
        {"geheim", true, "geheim", ""},
        {"Grüße €\n", false, "", "Grüße €"},
        {"", false, "", ""},
    };
    for (const Case& c : cases) {
        const SendRun::Input in = SendRun::splitInput(c.in, c.passwordFirst);
        EXPECT_EQ(in.password, QString::fromUtf8(c.password)) << c.in.constData();
        EXPECT_EQ(in.text, QString::fromUtf8(c.text)) << c.in.constData();
    }
}

TEST(RunOutput, BarShowsCountsOutcomesAndRate) {
    SendOutcome::RunCounts c;
    c.confirmed = 48;
    c.refused = 2;
    EXPECT_EQ(RunOutput::barLine(50, 200, c, 12.34),
              QStringLiteral("[#######.......................] 50/200  übermittelt 48  abgelehnt 2  12.3/s"));
    c = {};
    c.confirmed = 3;
    c.noAnswer = 1;
    c.notSent = 1;
    // More outcomes than expected (a split text): the bar is full, not past its end.
    EXPECT_EQ(RunOutput::barLine(5, 4, c, 0),
              QStringLiteral("[##############################] 5/5  übermittelt 3  nicht versendet 1  ohne Antwort 1  0.0/s"));
    for (const auto kind : {SendOutcome::Kind::Confirmed, SendOutcome::Kind::Refused, SendOutcome::Kind::NotSent,
                            SendOutcome::Kind::NoAnswer})
        EXPECT_FALSE(RunOutput::outcomeName(kind).isEmpty());
    EXPECT_EQ(RunOutput::outcomeName(SendOutcome::Kind::NoAnswer), QStringLiteral("no_answer"));
    EXPECT_EQ(RunOutput::outcomeName(SendOutcome::Kind::NotSent), QStringLiteral("not_sent"));
}
