// The journal's runs: finding an interrupted one, taking it, closing it,
// and keeping the file to the chosen number of days.
#include "history/SendJournal.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>

#include <unistd.h>

std::optional<SendJournal::OpenRun> SendJournal::unfinishedRun() {
    if (!m_open)
        return std::nullopt;
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("SELECT id, owner_pid, owner_host FROM actions WHERE kind = 'mass' AND state = 'open'"
                               " ORDER BY id"))) {
        fail(QStringLiteral("open runs"), q.lastError());
        return std::nullopt;
    }
    while (q.next()) {
        if (!ownedByLiveProcess(q.value(1).toLongLong(), q.value(2).toString()))
            return runOf(q.value(0).toLongLong());
    }
    return std::nullopt;
}

std::optional<SendJournal::OpenRun> SendJournal::runOf(qint64 action) {
    if (!m_open || !takeInLogs())
        return std::nullopt;
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("SELECT id, started, text, schedule_start, schedule_cron, schedule_end FROM actions"
                             " WHERE id = ? AND kind = 'mass'"));
    q.addBindValue(action);
    if (!q.exec() || !q.next())
        return std::nullopt;
    OpenRun run;
    run.action = q.value(0).toLongLong();
    run.started = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
    run.text = q.value(2).toString();
    if (!q.value(3).isNull()) {
        CCronjob job;
        job.StartTime = q.value(3).toString();
        job.CronString = q.value(4).toString();
        job.EndTime = q.value(5).toString();
        run.schedule = job;
    }
    QSqlQuery e(connection());
    e.prepare(QStringLiteral("SELECT place, name, number, frei1, frei2 FROM entries WHERE action_id = ? ORDER BY place"));
    e.addBindValue(run.action);
    if (!e.exec()) {
        fail(QStringLiteral("entries"), e.lastError());
        return std::nullopt;
    }
    while (e.next())
        run.entries.append({e.value(1).toString(), e.value(2).toString(), e.value(3).toString(), e.value(4).toString()});
    // An entry counts as handed over once any of its requests left: a part
    // that went out is never sent again with the rest.
    QSqlQuery r(connection());
    r.prepare(QStringLiteral("SELECT place, MAX(state IN ('handed_over', 'no_answer')),"
                             " MAX(state NOT IN ('queued', 'not_sent')) FROM requests"
                             " WHERE action_id = ? AND place >= 0 GROUP BY place"));
    r.addBindValue(run.action);
    if (!r.exec()) {
        fail(QStringLiteral("requests"), r.lastError());
        return std::nullopt;
    }
    QList<bool> handed(run.entries.size(), false);
    while (r.next()) {
        const int place = r.value(0).toInt();
        if (place < 0 || place >= handed.size() || !r.value(2).toBool())
            continue;
        handed[place] = true;
        if (r.value(1).toBool())
            run.noAnswer.append(place);
    }
    for (int i = 0; i < handed.size(); ++i) {
        if (handed[i])
            ++run.handedOver;
        else
            run.remaining.append(i);
    }
    return run;
}

bool SendJournal::takeInLogs() {
    // A run is read from the tables only with every send log in them: this
    // process's own, and those of instances that died, the one that ran it
    // among them. Otherwise entries that left would be taken for unsent.
    if (m_writer.settle() && m_writer.takeInDeadLogs())
        return true;
    m_writerFailed = true;
    return false;
}

bool SendJournal::claimRun(qint64 action, bool reopen) {
    if (!m_open || !takeInLogs())
        return false;
    // Of two instances asking at once, one gets the run: the write lock is
    // taken before the owner is read.
    QSqlDatabase db = connection();
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(QStringLiteral("begin"), begin.lastError());
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT owner_pid, owner_host FROM actions WHERE id = ? AND (state = 'open' OR ?)"));
    q.addBindValue(action);
    q.addBindValue(reopen);
    const bool free = q.exec() && q.next() && !ownedByLiveProcess(q.value(0).toLongLong(), q.value(1).toString());
    q.finish();
    if (!free) {
        db.rollback();
        return false;
    }
    QSqlQuery u(db);
    u.prepare(QStringLiteral("UPDATE actions SET owner_pid = ?, owner_host = ?, state = 'open', ended = NULL"
                             " WHERE id = ?"));
    u.addBindValue(qint64(::getpid()));
    u.addBindValue(QSysInfo::machineHostName());
    u.addBindValue(action);
    // What was handed over by the instance that died never got its answer.
    QSqlQuery n(db);
    n.prepare(QStringLiteral("UPDATE requests SET state = 'no_answer' WHERE action_id = ? AND state = 'handed_over'"));
    n.addBindValue(action);
    if (!u.exec() || !n.exec() || !db.commit()) {
        fail(QStringLiteral("claim"), u.lastError().isValid() ? u.lastError() : db.lastError());
        db.rollback();
        return false;
    }
    return true;
}

bool SendJournal::discardRun(qint64 action) {
    if (!claimRun(action))
        return false;
    actionEnded(action, true);
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("UPDATE actions SET state = 'discarded' WHERE id = ?"));
    q.addBindValue(action);
    if (!q.exec())
        return fail(QStringLiteral("discard"), q.lastError());
    return true;
}

int SendJournal::removeOlderThan(int days, const QDateTime& now) {
    if (!m_open || days <= 0)
        return 0;
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("DELETE FROM actions WHERE state != 'open' AND COALESCE(ended, started) < ?"));
    q.addBindValue(now.addDays(-days).toString(Qt::ISODateWithMs));
    if (!q.exec()) {
        fail(QStringLiteral("keep"), q.lastError());
        return 0;
    }
    return q.numRowsAffected();
}
