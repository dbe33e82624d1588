// A client process for the crash tests: the real send session and journal,
// no window. It resumes the journal's interrupted run if there is one, starts
// the run if the journal has none yet, and exits once the run is over.
//   journal_crash_client <journal> <program dir with oem.inf> <entries>
// Exit codes: 0 the run is over; 3 no journal; 4 another instance has the run.
#include "config/CUrlStore.h"
#include "config/cOptionen.h"
#include "history/SendJournal.h"
#include "messaging/SendSession.h"
#include "platform/ProgramDir.h"
#include "platform/ToolRegistry.h"
#include "platform/Transfer.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    ProgramDir::setPath(args[2]);
    ToolRegistry::setStoreFile(QDir(args[2]).filePath(QStringLiteral("settings.ini")));
    resetOptions();
    resetUrlStore();
    options().Username = QStringLiteral("demo@velvox.example");

    SendJournal journal(args[1]);
    if (!journal.open())
        return 3;
    SendSession session;
    session.iNet().setAccessType(Transfer::Direct);
    session.setRecord(&journal);
    SendSession::Action action;
    action.text = QStringLiteral("Hallo %name%, Ihr Termin ist am %frei1%.");
    action.password = QStringLiteral("velvox");
    QObject::connect(&session, &SendSession::actionEnded, &app, [&] { app.exit(0); });

    int code = -1;
    QTimer::singleShot(0, &app, [&] {
        if (const auto run = journal.unfinishedRun()) {
            if (!journal.claimRun(run->action)) {
                code = 4;
                app.exit(4);
                return;
            }
            std::printf("resume %lld: %lld left\n", run->action, qint64(run->remaining.size()));
            std::fflush(stdout);
            session.resumeMass(run->action, run->entries, run->remaining, action);
            return;
        }
        QSqlQuery any(journal.database());
        if (any.exec(QStringLiteral("SELECT COUNT(*) FROM actions WHERE kind = 'mass'")) && any.next() &&
            any.value(0).toInt() > 0) {
            code = 0;
            app.exit(0); // over, or another instance has it
            return;
        }
        QList<SendRules::MassEntry> entries;
        const int n = args[3].toInt();
        for (int i = 0; i < n; ++i)
            entries.append({QStringLiteral("Kunde %1").arg(i), QStringLiteral("0171%1").arg(3000000 + i),
                            QStringLiteral("Montag"), {}});
        std::printf("start: %d\n", n);
        std::fflush(stdout);
        session.startMass(entries, action);
    });
    const int rc = app.exec();
    return code >= 0 ? code : rc;
}
