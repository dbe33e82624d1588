#include "SendCommand.h"
#include "ServiceProcess.h"

#include "config/cOptionen.h"
#include "mass/MsmsFile.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>

#include "PrintQt.h"

#include <gtest/gtest.h>

// velvox-send against the stand-in service: what it stores, what it prints,
// how it ends. Request bodies are compared with those the main window sent
// for the same input (tests/data/send_bodies).

namespace {

QByteArray recorded(const char* name) {
    QFile f(QStringLiteral(VELVOX_TEST_DATA_DIR "/send_bodies/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SendCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        ASSERT_TRUE(cli.ok());
        cli.writeProfile(service.oemIni());
        cli.signIn(ServiceProcess::demoEmail(), ServiceProcess::demoPassword());
    }

    // The bodies stored since the last call, one per line.
    QByteArray newBodies() {
        QByteArray out;
        const auto rows = service.query(QStringLiteral("SELECT id, body FROM messages WHERE id > ? ORDER BY id"),
                                        {m_seen});
        for (const QVariantList& row : rows) {
            m_seen = row[0].toLongLong();
            out += row[1].toByteArray() + '\n';
        }
        return out;
    }
    qlonglong stored() const {
        return service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toLongLong();
    }
    // Runs and checks what no run may print: the service's address or the password.
    SendCommand::Result run(const QStringList& args, const QByteArray& input = {},
                            const QProcessEnvironment& extra = {}) {
        SendCommand::Result r = cli.run(args, input, extra);
        const QByteArray both = r.out + r.err;
        EXPECT_FALSE(both.contains("127.0.0.1")) << both.constData();
        EXPECT_FALSE(both.contains(QByteArray::number(service.port()))) << both.constData();
        EXPECT_FALSE(both.contains("kennwort")) << both.constData();
        return r;
    }

    ServiceProcess service;
    SendCommand cli;
    qlonglong m_seen = 0;
};

QStringList A(std::initializer_list<const char*> args) {
    QStringList out;
    for (const char* a : args)
        out << QString::fromUtf8(a);
    return out;
}

QString tomorrow() {
    return QDate::currentDate().addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

TEST_F(SendCommandTest, SingleAndSplitSendsCarryTheWindowsBytes) {
    auto r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--name"),
                  QStringLiteral("Anna"), QStringLiteral("--text"), QStringLiteral("Grüße & 50% + mehr #1 für 5 €")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    EXPECT_EQ(newBodies(), recorded("single.txt"));
    EXPECT_TRUE(r.outText().startsWith(QStringLiteral("00491701234567: übermittelt"))) << r.out.constData();
    EXPECT_TRUE(r.errText().contains(QStringLiteral("wurde erfolgreich an das Gateway übermittelt.")));

    // From standard input, two parts: one request each, one line each.
    const QByteArray text = QString(QString(150, QLatin1Char('a')) + QStringLiteral(" zweiter Teil beginnt hier\n")).toUtf8();
    r = run({QStringLiteral("--to"), QStringLiteral("1234567"), QStringLiteral("--prefix"), QStringLiteral("G170"),
             QStringLiteral("--name"), QStringLiteral("Anna")},
            text);
    EXPECT_EQ(r.code, 0) << r.err.constData();
    EXPECT_EQ(newBodies(), recorded("split.txt"));
    EXPECT_EQ(r.outText().count(QStringLiteral(": übermittelt")), 2) << r.out.constData();
    EXPECT_TRUE(r.outText().contains(QStringLiteral("Ergebnis: 2 übermittelt, 0 abgelehnt, 0 ohne Antwort")));
}

TEST_F(SendCommandTest, MassRunFromAListFileFillsThePlaceholdersPerEntry) {
    RecipientList list;
    list.add(QStringLiteral("Kunde 1"), QStringLiteral("0170111"), QStringLiteral("Montag"), {});
    list.add(QStringLiteral("Müller & Co"), QStringLiteral("+4917222"), QStringLiteral("Dienstag"),
             QStringLiteral("9 Uhr"));
    list.add(QStringLiteral("Dritte"), QStringLiteral("0043664333"), {}, {});
    const QString path = cli.dir() + QStringLiteral("/kunden.msms");
    ASSERT_TRUE(MsmsFile::save(path, list.entries()).ok);
    // One after the other, as the window's recorded run went.
    const QStringList args = {QStringLiteral("--list"), path, QStringLiteral("--window"), QStringLiteral("1"),
                              QStringLiteral("--text"), QStringLiteral("Hallo %name%, Termin am %frei1% %frei2%.")};

    // The numbers that take no SMS: nobody to ask, so nothing goes out.
    auto r = run(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.errText().contains(QStringLiteral("3 Nummern sind keine gültigen Mobilfunknummern.")));
    EXPECT_EQ(stored(), 0);

    // "An alle senden", as in the window's recorded run.
    r = run(QStringList(args) << QStringLiteral("--yes"));
    EXPECT_EQ(r.code, 0) << r.err.constData();
    EXPECT_EQ(newBodies(), recorded("mass.txt"));
    const QStringList lines = r.outText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << r.out.constData();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("004917222: übermittelt")));
    EXPECT_EQ(lines[3], QStringLiteral("Ergebnis: 3 übermittelt, 0 abgelehnt, 0 ohne Antwort"));
}

TEST_F(SendCommandTest, CsvListIsReadWithTheGuessedColumns) {
    const QString path = cli.writeFile(QStringLiteral("kunden.csv"),
                                       "Name;Mobil\r\nAnna;01701234567\r\nBert;0171 7654321\r\n");
    const auto r = run({QStringLiteral("--list"), path, QStringLiteral("--text"), QStringLiteral("Hallo %name%"),
                        QStringLiteral("--json")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    const QByteArray bodies = newBodies();
    EXPECT_TRUE(bodies.contains("&empfaenger=00491701234567&empfaengername=Anna&")) << bodies.constData();
    EXPECT_TRUE(bodies.contains("&text=Hallo%20Bert&")) << bodies.constData();
    EXPECT_EQ(r.jsonLines().size(), 3);
}

TEST_F(SendCommandTest, DelayedAndRecurringSendsBuildTheEditorsScheduleStrings) {
    const QString day = tomorrow();
    // A series: the same body the window sent for its recurrence editor's record.
    auto r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"),
                  QStringLiteral("Termin am Montag"), QStringLiteral("--at"), day, QStringLiteral("--cron"),
                  QStringLiteral("30 08 * * *"), QStringLiteral("--until"), QStringLiteral("3")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    QByteArray expected = recorded("scheduled.txt");
    expected.replace("2026-06-10", day.toLatin1());
    EXPECT_EQ(newBodies(), expected);

    // Once, later: start with its trailing blank, no pattern, no end.
    r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"),
             QStringLiteral("Termin am Montag"), QStringLiteral("--at"), day + QStringLiteral(" 08:30")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    expected.replace(QByteArray("term=" + day.toLatin1() + "%2008:30:00&cronjobstring=30%2008%20*%20*%20*&enddate=3"),
                     QByteArray("term=" + day.toLatin1() + "%2008:30:00%20&cronjobstring=0&enddate=0"));
    EXPECT_EQ(newBodies(), expected);
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toLongLong(), 2);

    // Weekdays in any order come out sorted, an end date takes the pattern's time.
    r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"), QStringLiteral("x"),
             QStringLiteral("--cron"), QStringLiteral("5 7 * * 5,1"), QStringLiteral("--until"),
             QDate::currentDate().addDays(30).toString(QStringLiteral("yyyy-MM-dd"))});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    const QByteArray body = newBodies();
    EXPECT_TRUE(body.contains(QByteArray("&cronjobstring=05%2007%20*%20*%201,5&enddate=" +
                                         QDate::currentDate().addDays(30).toString(QStringLiteral("yyyy-MM-dd")).toLatin1() +
                                         "%2007:05:00&")))
        << body.constData();
}

TEST_F(SendCommandTest, BalanceIsPrintedPlainOrAsJson) {
    auto r = run({QStringLiteral("--balance")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    EXPECT_EQ(r.out, "5000\n");
    service.setCredits(ServiceProcess::demoEmail(), 1234);
    r = run({QStringLiteral("--balance"), QStringLiteral("--json")});
    ASSERT_EQ(r.jsonLines().size(), 1);
    EXPECT_EQ(r.jsonLines()[0].value(QStringLiteral("credits")).toInt(), 1234);

    // An address the service does not know.
    cli.signIn(QStringLiteral("niemand@velvox.example"), QStringLiteral("x"));
    r = run({QStringLiteral("--balance")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.errText().contains(QStringLiteral("nicht angemeldet"))) << r.err.constData();
}

TEST_F(SendCommandTest, DryRunShowsWhatWouldGoAndStoresNothing) {
    auto r = run({QStringLiteral("--to"), QStringLiteral("+491701234567"), QStringLiteral("--text"),
                  QString(170, QLatin1Char('b')) + QStringLiteral("€"), QStringLiteral("--dry-run")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    EXPECT_EQ(r.outText(), QStringLiteral("00491701234567: 172 Zeichen, 2 SMS, 2 Anfrage(n)\n"
                                          "Zusammen: 1 Empfänger, 2 SMS, 20 Credits (nichts gesendet)\n"));

    const QString path = cli.writeFile(QStringLiteral("l.msms"), "A;01701111111;;;\r\nB;01702222222;lang;;\r\n");
    r = run({QStringLiteral("--list"), path, QStringLiteral("--text"), QStringLiteral("Hi %name% %frei1%"),
             QStringLiteral("--dry-run"), QStringLiteral("--json")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    const auto lines = r.jsonLines();
    ASSERT_EQ(lines.size(), 3) << r.out.constData();
    EXPECT_EQ(lines[0].value(QStringLiteral("recipient")).toString(), QStringLiteral("00491701111111"));
    EXPECT_EQ(lines[1].value(QStringLiteral("characters")).toInt(), 9);
    EXPECT_EQ(lines[2].value(QStringLiteral("type")).toString(), QStringLiteral("planned_total"));
    EXPECT_EQ(lines[2].value(QStringLiteral("credits")).toInt(), 20);
    EXPECT_EQ(stored(), 0);
    EXPECT_EQ(service.credits(ServiceProcess::demoEmail()), ServiceProcess::kDemoCredits);
}

TEST_F(SendCommandTest, JsonGivesOneObjectPerRequestAndASummary) {
    auto r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"),
                  QString(200, QLatin1Char('c')), QStringLiteral("--json")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    auto lines = r.jsonLines();
    ASSERT_EQ(lines.size(), 3) << r.out.constData();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(lines[i].value(QStringLiteral("type")).toString(), QStringLiteral("request"));
        EXPECT_EQ(lines[i].value(QStringLiteral("outcome")).toString(), QStringLiteral("confirmed"));
        EXPECT_EQ(lines[i].value(QStringLiteral("recipient")).toString(), QStringLiteral("00491701234567"));
    }
    EXPECT_EQ(lines[2].value(QStringLiteral("confirmed")).toInt(), 2);
    EXPECT_EQ(lines[2].value(QStringLiteral("exit_code")).toInt(), 0);

    // A password the service refuses: the gateway answers, so the request is
    // refused (not "not sent"), and the exit code says some did not go.
    QProcessEnvironment env;
    env.insert(QStringLiteral("VELVOX_PASSWORD"), QStringLiteral("qwertz"));
    r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"), QStringLiteral("x"),
             QStringLiteral("--json")},
            {}, env);
    EXPECT_EQ(r.code, 1) << r.out.constData();
    lines = r.jsonLines();
    ASSERT_EQ(lines.size(), 2) << r.out.constData();
    EXPECT_EQ(lines[0].value(QStringLiteral("outcome")).toString(), QStringLiteral("refused"));
    EXPECT_EQ(lines[1].value(QStringLiteral("refused")).toInt(), 1);
    EXPECT_FALSE(r.out.contains("qwertz"));
}

TEST_F(SendCommandTest, PasswordComesFromStdinOrTheEnvironmentNeverAnArgument) {
    cli.signIn(ServiceProcess::demoEmail(), QString());
    auto r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"), QStringLiteral("x")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.errText().contains(QStringLiteral("Kein Kennwort"))) << r.err.constData();
    r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--password"),
             QStringLiteral("velvox"), QStringLiteral("--text"), QStringLiteral("x")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(stored(), 0);

    // First line the password, the rest the text.
    r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--password-stdin")},
            "velvox\nZeile eins\nZeile zwei\n");
    EXPECT_EQ(r.code, 0) << r.err.constData();
    const QByteArray body = newBodies();
    EXPECT_TRUE(body.contains("&kennwort=velvox&")) << body.constData();
    EXPECT_TRUE(body.contains("&text=Zeile%20eins\nZeile%20zwei&")) << body.constData();
}

TEST_F(SendCommandTest, CreditsShortStopsBeforeAnyRequest) {
    service.setCredits(ServiceProcess::demoEmail(), 25);
    // 3 SMS at 10 credits.
    const auto r = run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"),
                        QString(400, QLatin1Char('d'))});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.errText(), QStringLiteral("Guthaben reicht nicht: 30 Credits nötig, 25 vorhanden\n"));
    EXPECT_EQ(stored(), 0);
}

TEST_F(SendCommandTest, NoServiceEndsWithItsOwnCode) {
    const quint16 port = service.port();
    ASSERT_EQ(service.stop(), 0);
    for (const QStringList& args : {QStringList{QStringLiteral("--balance")},
                                    QStringList{QStringLiteral("--to"), QStringLiteral("01701234567"),
                                                QStringLiteral("--text"), QStringLiteral("x")}}) {
        const auto r = cli.run(args);
        EXPECT_EQ(r.code, 4) << args.join(u' ').toStdString();
        EXPECT_EQ(r.errText(), QStringLiteral("Keine Verbindung zum Dienst.\n"));
        EXPECT_FALSE(r.err.contains(QByteArray::number(port)));
    }
}

TEST_F(SendCommandTest, BadInputIsRefusedWithTheWindowsTexts) {
    const QString list = cli.writeFile(QStringLiteral("kaputt.msms"), QByteArray("Anna;0170\0;;;\r\n", 16));
    const QString noNumbers = cli.writeFile(QStringLiteral("leer.csv"), "Name;Stadt\r\nAnna;Bonn\r\n");
    struct Case {
        QStringList args;
        QByteArray input;
        const char* message;
    };
    const QList<Case> cases = {
        {A({"--to", "0999123", "--text", "x"}), {}, "Unbekannte Vorwahl. Die SMS kann nicht gesendet werden."},
        {A({"--to", "0170abc", "--text", "x"}), {}, "Die Rufnummer darf nur aus Ziffern bestehen."},
        {A({"--to", "1234567", "--prefix", "W", "--text", "x"}), {},
         "Die Nummer muss mit der internationalen Vorwahl '00' beginnen."},
        {A({"--to", "1234567", "--prefix", "X1", "--text", "x"}), {},
         "Unbekannte Vorwahl. Die SMS kann nicht gesendet werden."},
        {A({"--to", "01701234567", "--text", ""}), {}, "Bitte geben Sie eine Nachricht ein."},
        {A({"--to", "01701234567"}), "\n", "Bitte geben Sie eine Nachricht ein."},
        {A({"--to", "01701234567", "--text"}) << QString(1501, QLatin1Char('e')), {},
         "Eine SMS darf maximal 1500 Zeichen groß sein!"},
        {A({"--list"}) << list << A({"--text", "x"}), {}, "Die Datei konnte nicht geladen werden."},
        {A({"--list"}) << cli.dir() + QStringLiteral("/fehlt.msms") << A({"--text", "x"}), {},
         "Die Datei konnte nicht geladen werden."},
        {A({"--list"}) << noNumbers << A({"--text", "x"}), {}, ""},
        {A({"--to", "01701234567", "--text", "x", "--at", "2020-01-01 08:00"}), {},
         "Der Zeitpunkt liegt in der Vergangenheit."},
        {A({"--to", "01701234567", "--text", "x", "--cron", "30 08 * * *"}), {},
         "--cron braucht --until (Anzahl oder Datum)."},
        {A({"--to", "01701234567", "--text", "x", "--cron", "30 08 */2 * *", "--until", "2"}), {},
         "Dieses Muster bietet der Terminversand nicht an"},
        {A({"--to", "01701234567", "--text", "x", "--window", "4"}), {}, "--window gilt nur mit --list."},
        {A({"--text", "x"}), {}, "Bitte geben Sie einen Empfänger (--to) oder eine Liste (--list) an."},
    };
    for (const Case& c : cases) {
        const auto r = run(c.args, c.input);
        EXPECT_EQ(r.code, 2) << c.args.join(u' ').left(80).toStdString() << "\n" << r.err.constData();
        EXPECT_TRUE(r.errText().contains(QString::fromUtf8(c.message))) << r.err.constData();
        EXPECT_FALSE(r.err.isEmpty()) << c.args.join(u' ').left(80).toStdString();
    }
    EXPECT_EQ(stored(), 0);
    EXPECT_EQ(service.credits(ServiceProcess::demoEmail()), ServiceProcess::kDemoCredits);
}

TEST_F(SendCommandTest, MissingSenderNameQuestionIsAnsweredOnlyByYes) {
    options().isAbsenderkennung = true;
    options().Absenderkennung.clear();
    options().save();
    const QStringList args = {QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"),
                              QStringLiteral("ohne Absender")};
    auto r = run(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.errText().contains(QStringLiteral("Sie haben keinen Absender eingegeben"))) << r.err.constData();
    EXPECT_EQ(stored(), 0);
    r = run(QStringList(args) << QStringLiteral("--yes"));
    EXPECT_EQ(r.code, 0) << r.err.constData();
    EXPECT_EQ(stored(), 1);
}

TEST_F(SendCommandTest, CompanyServerTakesTheSendWhenSwitchedOn) {
    QTemporaryDir shared;
    QTemporaryDir temp;
    options().xmlIsServerUsed = true;
    options().XmlPfad = shared.path();
    options().xmlSingleUser = true;
    options().xmlUser = QStringLiteral("büro");
    options().save();
    QProcessEnvironment env;
    env.insert(QStringLiteral("TEMP"), temp.path());
    // The service is not asked: not for the balance, not for the send.
    ASSERT_EQ(service.stop(), 0);
    const auto r = cli.run({QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--name"),
                            QStringLiteral("Anna"), QStringLiteral("--text"), QStringLiteral("Grüße & <Termin> am Montag")},
                           {}, env);
    EXPECT_EQ(r.code, 0) << r.err.constData();
    const QStringList files = QDir(shared.path()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    QFile f(QDir(shared.path()).filePath(files[0]));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), recorded("handover.xml"));
    // The hand-over is confirmed once, as in the window.
    EXPECT_EQ(r.outText(), QStringLiteral("00491701234567: übermittelt\nErgebnis: 1 übermittelt, 0 abgelehnt, 0 ohne Antwort\n"));
    EXPECT_FALSE(r.err.isEmpty());
}

TEST_F(SendCommandTest, OnATerminalAMassRunShowsABarInsteadOfLines) {
    const QString path = cli.writeFile(QStringLiteral("drei.msms"),
                                       "A;01701111111;;;\r\nB;01702222222;;;\r\nC;01703333333;;;\r\n");
    // script(1) gives the program a terminal as its standard output.
    QProcess p;
    p.setProcessEnvironment(cli.environment());
    p.setWorkingDirectory(cli.dir());
    const QString command = QStringLiteral("'") + cli.dir() + QStringLiteral("/bin/velvox-send' --list '") + path +
                            QStringLiteral("' --text 'Hallo %name%'");
    p.start(QStringLiteral("script"), {QStringLiteral("-q"), QStringLiteral("-e"), QStringLiteral("-c"), command,
                                       QStringLiteral("/dev/null")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString screen = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0) << screen.toStdString();
    EXPECT_TRUE(screen.contains(QStringLiteral("\r[##############################] 3/3  übermittelt 3  ")))
        << screen.toStdString();
    EXPECT_TRUE(screen.contains(QStringLiteral("Ergebnis: 3 übermittelt, 0 abgelehnt, 0 ohne Antwort")));
    EXPECT_FALSE(screen.contains(QStringLiteral("00491701111111: übermittelt"))) << screen.toStdString();
    EXPECT_EQ(stored(), 3);
}

// No widgets in the process: the sender runs where no display is.
TEST(SendCommandBinary, LinksNoWindowLibrariesAndExplainsItself) {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(VELVOX_SEND_BINARY)});
    ASSERT_TRUE(ldd.waitForFinished(30000));
    const QByteArray libraries = ldd.readAllStandardOutput();
    EXPECT_TRUE(libraries.contains("libQt6Core")) << libraries.constData();
    EXPECT_FALSE(libraries.contains("libQt6Gui")) << libraries.constData();
    EXPECT_FALSE(libraries.contains("libQt6Widgets")) << libraries.constData();
    EXPECT_FALSE(libraries.contains("WebEngine")) << libraries.constData();

    SendCommand cli;
    ASSERT_TRUE(cli.ok());
    auto r = cli.run({QStringLiteral("--help")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.outText().contains(QStringLiteral("Rückgabewerte:"))) << r.out.constData();
    r = cli.run({QStringLiteral("--version")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "velvox-send 3.0.99\n");
}
