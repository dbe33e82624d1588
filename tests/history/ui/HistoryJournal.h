#pragma once

#include "history/SendJournal.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A real journal file in a temp folder, filled through the calls the send
// session makes, with fixed times so that what the window shows is known.
class HistoryJournal {
public:
    enum class Ends { Confirmed, Refused, NotSent, NoAnswer, HandedOver };

    HistoryJournal() : journal(dir.filePath(QStringLiteral("journal.sqlite"))) {
        EXPECT_TRUE(journal.open()) << journal.lastError().toStdString();
    }

    qint64 action(SendRecord::ActionKind kind, const QString& started, const QString& text,
                  const QList<SendRules::MassEntry>& entries = {}, const QString& recipient = {},
                  const QString& name = {}) {
        SendRecord::ActionInfo info;
        info.kind = kind;
        info.text = text;
        info.entries = entries;
        info.recipient = recipient;
        info.name = name;
        const qint64 id = journal.actionStarted(info);
        EXPECT_GT(id, 0) << journal.lastError().toStdString();
        exec(QStringLiteral("UPDATE actions SET started = ? WHERE id = ?"), {started, id});
        return id;
    }

    void request(qint64 action, int place, int part, const QString& recipient, const QString& name,
                 const QString& text, Ends ends, const QString& at, int cost = -1) {
        const qint64 key = journal.requestQueued({action, place, part, recipient, name, text});
        if (ends != Ends::NotSent) {
            EXPECT_TRUE(journal.handingOver(key)) << journal.lastError().toStdString();
        }
        const QString charged = cost >= 0 ? QStringLiteral(";Abgebuchte Credits: %1").arg(cost) : QString();
        switch (ends) {
        case Ends::Confirmed:
            journal.requestEnded(key, SendOutcome::Kind::Confirmed,
                                 QStringLiteral("Die SMS wurde erfolgreich an das Gateway übermittelt.") + charged);
            break;
        case Ends::Refused:
            journal.requestEnded(key, SendOutcome::Kind::Refused, QStringLiteral("Fehler 402: Guthaben") + charged);
            break;
        case Ends::NotSent:
            journal.requestEnded(key, SendOutcome::Kind::NotSent, QStringLiteral("Keine Verbindung"));
            break;
        case Ends::NoAnswer:
            journal.requestEnded(key, SendOutcome::Kind::NoAnswer, QString());
            break;
        case Ends::HandedOver:
            break; // the instance died before the answer
        }
        exec(QStringLiteral("UPDATE requests SET at = ? WHERE id = (SELECT MAX(id) FROM requests)"), {at});
    }

    void end(qint64 action, bool cancelled, const QString& at) {
        journal.actionEnded(action, cancelled);
        exec(QStringLiteral("UPDATE actions SET ended = ? WHERE id = ?"), {at, action});
    }

    void exec(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery q(journal.database());
        ASSERT_TRUE(q.prepare(sql)) << sql.toStdString();
        for (const QVariant& v : values)
            q.addBindValue(v);
        ASSERT_TRUE(q.exec()) << sql.toStdString();
    }

    QTemporaryDir dir;
    SendJournal journal;
};

// Six actions of every kind and outcome, newest last:
//  1 single to Anna, confirmed              4 mass run, interrupted (still open)
//  2 split to Bernd, one part refused       5 scheduled, text that looks like a formula
//  3 mass run of six entries, every outcome 6 mass run cancelled after its first entry
struct StandardHistory {
    static constexpr int kSingle = 1, kSplit = 2, kMass = 3, kOpenRun = 4, kScheduled = 5, kCancelled = 6;
    static QString longText() {
        return QStringLiteral("Rabatt 50% heute; nur \"online\" ") + QString(330, QLatin1Char('x'));
    }

    explicit StandardHistory(HistoryJournal& h) {
        using K = SendRecord::ActionKind;
        using E = HistoryJournal::Ends;
        const qint64 single = h.action(K::Single, QStringLiteral("2026-12-01T09:00:00.000"), QStringLiteral("Hallo Anna"),
                                       {}, QStringLiteral("00491701234567"), QStringLiteral("Anna"));
        h.request(single, -1, 0, QStringLiteral("00491701234567"), QStringLiteral("Anna"), QStringLiteral("Hallo Anna"),
                  E::Confirmed, QStringLiteral("2026-12-01T09:00:01.000"), 9);
        h.end(single, false, QStringLiteral("2026-12-01T09:00:01.500"));

        const qint64 split = h.action(K::Split, QStringLiteral("2026-12-03T10:15:00.000"), longText(), {},
                                      QStringLiteral("00436641234567"), QStringLiteral("Bernd"));
        h.request(split, -1, 0, QStringLiteral("00436641234567"), QStringLiteral("Bernd"), longText().left(153),
                  E::Confirmed, QStringLiteral("2026-12-03T10:15:01.000"), 9);
        h.request(split, -1, 1, QStringLiteral("00436641234567"), QStringLiteral("Bernd"), longText().mid(153),
                  E::Refused, QStringLiteral("2026-12-03T10:15:02.000"));
        h.end(split, false, QStringLiteral("2026-12-03T10:15:03.000"));

        const QList<SendRules::MassEntry> six{
            {QStringLiteral("Kunde Müller"), QStringLiteral("0170 3000000"), QStringLiteral("Mo"), {}},
            {QStringLiteral("Kunde Schmidt"), QStringLiteral("0170 3000001"), QStringLiteral("Di"), {}},
            {QStringLiteral("Kunde; Weber"), QStringLiteral("0170 3000002"), QStringLiteral("Mi"), {}},
            {QStringLiteral("Kunde Fischer"), QStringLiteral("0170 3000003"), QStringLiteral("Do"), {}},
            {QStringLiteral("Kunde Wagner"), QStringLiteral("0170 3000004"), QStringLiteral("Fr"), {}},
            {QStringLiteral("Kunde Becker"), QStringLiteral("0170 3000005"), QStringLiteral("Sa"), {}},
        };
        const qint64 mass = h.action(K::Mass, QStringLiteral("2026-12-05T18:30:00.000"),
                                     QStringLiteral("Hallo %name%, Termin am %frei1%"), six);
        const auto to = [&](int place) { return QStringLiteral("0049170300000%1").arg(place); };
        const auto textFor = [&](int place) {
            return QStringLiteral("Hallo %1, Termin am %2").arg(six[place].name, six[place].frei1);
        };
        const auto at = [](int second) { return QStringLiteral("2026-12-05T18:30:%1.000").arg(second, 2, 10, QLatin1Char('0')); };
        h.request(mass, 0, 0, to(0), six[0].name, textFor(0), E::Confirmed, at(1), 9);
        h.request(mass, 1, 0, to(1), six[1].name, textFor(1), E::NoAnswer, at(2));
        h.request(mass, 2, 0, to(2), six[2].name, textFor(2), E::Refused, at(3));
        h.request(mass, 3, 0, to(3), six[3].name, textFor(3), E::NotSent, at(4));
        h.request(mass, 4, 0, to(4), six[4].name, textFor(4), E::NoAnswer, at(5));
        h.request(mass, 5, 0, to(5), six[5].name, textFor(5), E::Confirmed, at(6), 9);
        h.request(mass, 5, 1, to(5), six[5].name, QStringLiteral("zweiter Teil"), E::NoAnswer, at(7));
        // Sent again on its own later, and answered this time.
        h.request(mass, 4, 0, to(4), six[4].name, textFor(4), E::Confirmed, at(40), 9);
        h.end(mass, false, at(41));

        QList<SendRules::MassEntry> five;
        for (int i = 0; i < 5; ++i)
            five.append({QStringLiteral("Patient %1").arg(i + 1), QStringLiteral("0151 200000%1").arg(i), {}, {}});
        const qint64 open = h.action(K::Mass, QStringLiteral("2026-12-08T14:03:00.000"),
                                     QStringLiteral("Erinnerung für %name%"), five);
        h.request(open, 0, 0, QStringLiteral("00491512000000"), QStringLiteral("Patient 1"),
                  QStringLiteral("Erinnerung für Patient 1"), E::Confirmed, QStringLiteral("2026-12-08T14:03:01.000"), 9);
        h.request(open, 1, 0, QStringLiteral("00491512000001"), QStringLiteral("Patient 2"),
                  QStringLiteral("Erinnerung für Patient 2"), E::HandedOver, QStringLiteral("2026-12-08T14:03:02.000"));

        const qint64 scheduled = h.action(K::Scheduled, QStringLiteral("2026-12-09T08:00:00.000"),
                                          QStringLiteral("=1+2 Termin"), {}, QStringLiteral("0041791234567"),
                                          QStringLiteral("@Chef"));
        h.request(scheduled, -1, 0, QStringLiteral("0041791234567"), QStringLiteral("@Chef"), QStringLiteral("=1+2 Termin"),
                  E::Confirmed, QStringLiteral("2026-12-09T08:00:01.000"), 9);
        h.end(scheduled, false, QStringLiteral("2026-12-09T08:00:02.000"));

        const QList<SendRules::MassEntry> three{{QStringLiteral("Eins"), QStringLiteral("0160 1000000"), {}, {}},
                                                {QStringLiteral("Zwei"), QStringLiteral("0160 1000001"), {}, {}},
                                                {QStringLiteral("Drei"), QStringLiteral("0160 1000002"), {}, {}}};
        const qint64 cancelled =
            h.action(K::Mass, QStringLiteral("2026-12-09T12:00:00.000"), QStringLiteral("Abbruch nach dem ersten"), three);
        h.request(cancelled, 0, 0, QStringLiteral("00491601000000"), QStringLiteral("Eins"),
                  QStringLiteral("Abbruch nach dem ersten"), E::Confirmed, QStringLiteral("2026-12-09T12:00:01.000"), 9);
        h.end(cancelled, true, QStringLiteral("2026-12-09T12:00:02.000"));
        EXPECT_EQ(cancelled, kCancelled);
    }
};
