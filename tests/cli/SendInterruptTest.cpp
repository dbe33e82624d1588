#include "SendCommand.h"
#include "ScriptedServer.h"
#include "ServiceProcess.h"

#include "mass/MsmsFile.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

#include "PrintQt.h"

#include <gtest/gtest.h>

// Ctrl+C while velvox-send runs: the first stops handing over, the second ends at once.

namespace {

// Reads standard output until it holds that many lines.
bool waitForLines(QProcess& p, QByteArray& out, int lines, int ms) {
    QElapsedTimer t;
    t.start();
    while (out.count('\n') < lines && t.elapsed() < ms && p.state() == QProcess::Running) {
        p.waitForReadyRead(100);
        out += p.readAllStandardOutput();
    }
    return out.count('\n') >= lines;
}

} // namespace

TEST(SendInterrupt, FirstCtrlCLetsOnlyTheRequestInFlightFinish) {
    ServiceProcess service;
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    service.setCredits(ServiceProcess::demoEmail(), 100000);
    SendCommand cli;
    ASSERT_TRUE(cli.ok());
    cli.writeProfile(service.oemIni());
    cli.signIn(ServiceProcess::demoEmail(), ServiceProcess::demoPassword());
    RecipientList list;
    for (int i = 1; i <= 500; ++i)
        list.add(QStringLiteral("Kunde %1").arg(i), QStringLiteral("0170%1").arg(i, 7, 10, QLatin1Char('0')), {}, {});
    const QString path = cli.dir() + QStringLiteral("/500.msms");
    ASSERT_TRUE(MsmsFile::save(path, list.entries()).ok);

    QProcess p;
    cli.start(p, {QStringLiteral("--list"), path, QStringLiteral("--text"), QStringLiteral("Hallo %name%"),
                  QStringLiteral("--json")});
    QByteArray out;
    ASSERT_TRUE(waitForLines(p, out, 20, 30000)) << p.readAllStandardError().constData();
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(30000));
    out += p.readAllStandardOutput();
    const QString err = QString::fromUtf8(p.readAllStandardError());

    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Wird abgebrochen bitte warten ..."))) << err.toStdString();
    // What was handed over when the signal came is all that went: every one
    // of those reported, none after it.
    const auto m = QRegularExpression(QStringLiteral("Abbruch: (\\d+) Anfragen übergeben")).match(err);
    ASSERT_TRUE(m.hasMatch()) << err.toStdString();
    const qlonglong handedOver = m.captured(1).toLongLong();
    const qlonglong stored = service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toLongLong();
    EXPECT_EQ(stored, handedOver);
    EXPECT_GE(stored, 20);
    EXPECT_LT(stored, 500);

    SendCommand::Result r;
    r.out = out;
    const auto lines = r.jsonLines();
    ASSERT_EQ(lines.size(), stored + 1) << out.constData();
    const QJsonObject summary = lines.last();
    EXPECT_EQ(summary.value(QStringLiteral("type")).toString(), QStringLiteral("summary"));
    EXPECT_EQ(summary.value(QStringLiteral("confirmed")).toInteger(), stored);
    EXPECT_TRUE(summary.value(QStringLiteral("cancelled")).toBool());
    EXPECT_EQ(summary.value(QStringLiteral("exit_code")).toInt(), 1);
}

TEST(SendInterrupt, SecondCtrlCEndsAtOnceWithTheRequestUnknown) {
    // A gateway that takes the request and never answers.
    ScriptedServer gateway;
    gateway.setReply(QStringLiteral("/count"), {"5000"});
    ScriptedServer::Reply stall;
    stall.stall = true;
    gateway.setReply(QStringLiteral("/send"), stall);
    SendCommand cli;
    ASSERT_TRUE(cli.ok());
    cli.writeProfile("[URLs]\nSmsCount=" + gateway.url(QStringLiteral("/count?email=")).toUtf8() +
                     "\nSendSMS=" + gateway.url(QStringLiteral("/send")).toUtf8() + "\n");
    cli.signIn(ServiceProcess::demoEmail(), ServiceProcess::demoPassword());

    QProcess p;
    cli.start(p, {QStringLiteral("--to"), QStringLiteral("01701234567"), QStringLiteral("--text"),
                  QString(300, QLatin1Char('x'))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return gateway.requestCount(QStringLiteral("/send")) == 1; }, 20000));
    ::kill(pid_t(p.processId()), SIGINT);
    QByteArray err;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            err += p.readAllStandardError();
            return err.contains("Ein zweites Strg+C beendet sofort.");
        },
        10000));
    // The first one waits for the parts of the message.
    EXPECT_EQ(p.state(), QProcess::Running);
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(5000));
    err += p.readAllStandardError();
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 130);
    EXPECT_TRUE(QString::fromUtf8(err).contains(QStringLiteral("ihr Status ist unbekannt"))) << err.constData();
    // The second part never left.
    EXPECT_EQ(gateway.requestCount(QStringLiteral("/send")), 1);
}
