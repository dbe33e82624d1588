// The history window over a journal of 100,000 send actions (a mass run of
// 50 entries every hundredth, and one of 10,000): how long it takes to open
// and show the first rows, to draw a frame after a jump anywhere in the list
// and at its end, to filter, to open the big run and to export everything.
// Each figure is printed next to its limit, measured in this run.
#include "history/HistoryModel.h"
#include "history/HistoryQuery.h"
#include "history/SendJournal.h"
#include "history/ui/frmVerlauf.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int kActions = 100000;
constexpr int kBigRun = 10000;
constexpr double kOpenLimitMs = 200;
constexpr double kFrameLimitMs = 16;
constexpr double kFilterLimitMs = 500;
constexpr double kExportLimitMs = 3000;

QTemporaryDir& workDir() {
    static QTemporaryDir dir;
    return dir;
}

// Lives in main(): it must close before Qt's SQL drivers go.
SendJournal* g_journal = nullptr;

SendJournal& journal() {
    return *g_journal;
}

QString stamp(int i) {
    return QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(i * 60).toString(Qt::ISODateWithMs);
}

// Straight into the journal's tables in one transaction: the session's own
// calls commit once per request, which is right for sending and slow here.
bool fill() {
    if (!journal().open())
        return false;
    QSqlDatabase db = journal().database();
    db.transaction();
    QSqlQuery a(db), r(db), e(db);
    a.prepare(QStringLiteral("INSERT INTO actions (id, kind, started, ended, state, text, recipient, name, entries)"
                             " VALUES (?, ?, ?, ?, 'done', ?, ?, ?, ?)"));
    r.prepare(QStringLiteral("INSERT INTO requests (action_id, place, part, at, recipient, name, text, state, reply, cost)"
                             " VALUES (?, ?, 0, ?, ?, ?, ?, ?, ?, ?)"));
    e.prepare(QStringLiteral("INSERT INTO entries (action_id, place, name, number) VALUES (?, ?, ?, ?)"));
    const auto request = [&](int action, int place, int i, const QString& text) {
        const bool ok = i % 37 != 0;
        r.addBindValue(action);
        r.addBindValue(place);
        r.addBindValue(stamp(action));
        r.addBindValue(QStringLiteral("0049170%1").arg(1000000 + i % 900000));
        r.addBindValue(QStringLiteral("Kunde %1").arg(i));
        r.addBindValue(text);
        r.addBindValue(ok ? QStringLiteral("confirmed") : QStringLiteral("no_answer"));
        r.addBindValue(ok ? QStringLiteral("Die SMS wurde erfolgreich an das Gateway übermittelt.;Abgebuchte Credits: 9")
                          : QString());
        r.addBindValue(ok ? QVariant(9) : QVariant());
        return r.exec();
    };
    for (int id = 1; id <= kActions; ++id) {
        const int entries = id == kActions / 2 ? kBigRun : id % 100 == 0 ? 50 : 0;
        const QString text = entries ? QStringLiteral("Hallo %name%, Ihr Termin am %frei1%")
                                     : QStringLiteral("Nachricht Nummer %1 an die Kundin").arg(id);
        a.addBindValue(id);
        a.addBindValue(entries ? QStringLiteral("mass") : QStringLiteral("single"));
        a.addBindValue(stamp(id));
        a.addBindValue(stamp(id));
        a.addBindValue(text);
        a.addBindValue(entries ? QVariant() : QVariant(QStringLiteral("00491701234567")));
        a.addBindValue(entries ? QVariant() : QVariant(QStringLiteral("Anna")));
        a.addBindValue(entries);
        if (!a.exec())
            return false;
        if (!entries && !request(id, -1, id, text))
            return false;
        for (int p = 0; p < entries; ++p) {
            e.addBindValue(id);
            e.addBindValue(p);
            e.addBindValue(QStringLiteral("Kunde %1").arg(p));
            e.addBindValue(QStringLiteral("0170 %1").arg(1000000 + p));
            if (!e.exec() || !request(id, p, p, QStringLiteral("Hallo Kunde %1").arg(p)))
                return false;
        }
    }
    return db.commit();
}

// Reading one page of rows the window has not shown yet, anywhere in the list.
void PageOfActions(benchmark::State& state) {
    QList<qint64> keys;
    HistoryQuery::actionKeys(journal().database(), {}, keys, nullptr);
    QRandomGenerator rng(7);
    for (auto _ : state) {
        const qsizetype start = rng.bounded(int(keys.size() - HistoryModel::kPageRows));
        QHash<qint64, QStringList> rows;
        HistoryQuery::actionRows(journal().database(), keys.mid(start, HistoryModel::kPageRows), false, rows, nullptr);
        if (rows.size() != HistoryModel::kPageRows)
            state.SkipWithError("short page");
    }
}
BENCHMARK(PageOfActions)->Unit(benchmark::kMillisecond)->UseRealTime();

void KeysOfAllActions(benchmark::State& state) {
    for (auto _ : state) {
        QList<qint64> keys;
        HistoryQuery::actionKeys(journal().database(), {}, keys, nullptr);
        if (keys.size() != kActions)
            state.SkipWithError("keys missing");
    }
}
BENCHMARK(KeysOfAllActions)->Unit(benchmark::kMillisecond)->UseRealTime();

// One message of a run as the journal sees it: the request queued, the
// answer to the one before it and its own hand-over (what the transfer's
// thread does between an answer and the next request), then the answer told.
void HandOverOfAMessageInARun(benchmark::State& state) {
    QTemporaryDir dir;
    SendJournal j(dir.filePath(QStringLiteral("journal.sqlite")));
    if (!j.open()) {
        state.SkipWithError("no journal");
        return;
    }
    SendRecord::ActionInfo info;
    info.kind = SendRecord::ActionKind::Mass;
    for (int i = 0; i < kBigRun; ++i)
        info.entries.append({QStringLiteral("Kunde %1").arg(i), QStringLiteral("0170%1").arg(1000000 + i), {}, {}});
    const qint64 action = j.actionStarted(info);
    const QString reply = QStringLiteral("100 SMS erfolgreich versendet. Abgebuchte Credits: 10");
    qint64 previous = -1;
    int place = 0;
    for (auto _ : state) {
        const int p = place++ % kBigRun;
        const qint64 key = j.requestQueued({action, p, 0, info.entries[p].number, info.entries[p].name,
                                            QStringLiteral("Hallo Kunde, Ihr Termin ist am Montag.")});
        if (previous >= 0)
            j.answerIn(previous, SendOutcome::Kind::Confirmed, reply);
        if (!j.handingOver(key))
            state.SkipWithError("hand-over refused");
        if (previous >= 0)
            j.requestEnded(previous, SendOutcome::Kind::Confirmed, reply);
        previous = key;
    }
    j.flush();
}
BENCHMARK(HandOverOfAMessageInARun)->Unit(benchmark::kMicrosecond)->UseRealTime();

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// The machine is shared: what this thread itself spent, beside the wall time.
double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Lays out, paints the visible rows (each read from the journal if new).
void drawFrame(QTableView* table) {
    QApplication::processEvents();
    table->viewport()->grab();
}

void line(const char* what, double value, double limit, const char* unit = "ms") {
    std::printf("  %-44s %9.1f %s  (limit %6.0f %s)  %s\n", what, value, unit, limit, unit,
                value <= limit ? "ok" : "TOO SLOW");
}

void measureTheWindow() {
    double load[1] = {0};
    getloadavg(load, 1);
    std::printf("\n%d actions, %d of them mass runs (one of %d entries); load average %.1f:\n", kActions,
                kActions / 100, kBigRun, load[0]);
    QElapsedTimer t;
    t.start();
    frmVerlauf window(journal());
    window.resize(1000, 700);
    window.show();
    QTableView* table = window.findChild<QTableView*>(QStringLiteral("lvVerlauf"));
    drawFrame(table);
    line("open the window, first rows drawn", ms(t), kOpenLimitMs);
    if (window.model().rowCount() != kActions)
        std::printf("  WRONG: %d rows shown\n", window.model().rowCount());

    // Jumps anywhere, as dragging the scroll bar does: every frame new rows.
    QScrollBar* bar = table->verticalScrollBar();
    QRandomGenerator rng(11);
    std::vector<double> frames;
    std::vector<double> cpu;
    for (int i = 0; i < 200; ++i) {
        const double c0 = cpuMs();
        t.restart();
        bar->setValue(rng.bounded(bar->maximum() + 1));
        drawFrame(table);
        frames.push_back(ms(t));
        cpu.push_back(cpuMs() - c0);
    }
    std::sort(frames.begin(), frames.end());
    std::sort(cpu.begin(), cpu.end());
    line("frame after a jump, median of 200", frames[frames.size() / 2], kFrameLimitMs);
    line("frame after a jump, 95th percentile", frames[frames.size() * 95 / 100], kFrameLimitMs);
    line("frame after a jump, slowest", frames.back(), kFrameLimitMs);
    line("  its own CPU time, median", cpu[cpu.size() / 2], kFrameLimitMs);
    line("  its own CPU time, slowest", cpu.back(), kFrameLimitMs);
    t.restart();
    drawFrame(table);
    line("frame without new rows (drawing alone)", ms(t), kFrameLimitMs);
    bar->setValue(0);
    drawFrame(table);
    t.restart();
    table->scrollToBottom();
    drawFrame(table);
    line("frame at the end of the list", ms(t), kFrameLimitMs);
    std::vector<double> pages;
    for (int i = 0; i < 300; ++i) {
        t.restart();
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        drawFrame(table);
        pages.push_back(ms(t));
    }
    std::sort(pages.begin(), pages.end());
    line("frame per page up from the end, median of 300", pages[pages.size() / 2], kFrameLimitMs);
    line("frame per page up from the end, slowest", pages.back(), kFrameLimitMs);

    QLineEdit* text = window.findChild<QLineEdit*>(QStringLiteral("txtText"));
    t.restart();
    text->setText(QStringLiteral("Nummer 4711 "));
    emit text->returnPressed();
    drawFrame(table);
    line("filter by a text, rows drawn", ms(t), kFilterLimitMs);
    std::printf("  (%d actions left)\n", window.model().rowCount());
    text->clear();
    emit text->returnPressed();

    table->setCurrentIndex(window.model().index(window.model().rowOf(kActions / 2), 0));
    t.restart();
    window.openCurrent();
    drawFrame(table);
    line("open the run of 10,000 entries, rows drawn", ms(t), kOpenLimitMs);
    t.restart();
    table->scrollToBottom();
    drawFrame(table);
    line("frame at its end", ms(t), kFrameLimitMs);
    window.goBack();

    t.restart();
    const QByteArray csv = window.model().csv();
    line("export all 100,000 actions as CSV", ms(t), kExportLimitMs);
    std::printf("  (%lld bytes)\n", static_cast<long long>(csv.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SendJournal store(QDir(workDir().path()).filePath(QStringLiteral("journal.sqlite")));
    g_journal = &store;
    QElapsedTimer t;
    t.start();
    if (!fill()) {
        std::fprintf(stderr, "could not fill the journal: %s\n", qPrintable(journal().lastError()));
        return 1;
    }
    std::printf("journal filled in %.1f s\n", double(t.elapsed()) / 1000);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    measureTheWindow();
    return 0;
}
