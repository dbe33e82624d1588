// Importing a 100,000-row CSV file as the MultiSMS window does it: read and
// decode, split into rows, normalise every number, check for duplicates.
// Then the same file through the window itself, with the longest time the
// event loop went without a turn meanwhile. Prints each figure next to its target.
#include "mass/DuplicateCheck.h"
#include "mass/RecipientImport.h"
#include "mass/ui/RecipientImporter.h"
#include "mass/ui/frmMultiSMS.h"
#include "platform/Prompts.h"
#include "platform/ToolRegistry.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kRows = 100000;
constexpr double kTargetSeconds = 2.0;
// A window that answers within this counts as responsive.
constexpr qint64 kLongestGapTargetMs = 100;

QTemporaryDir& workDir() {
    static QTemporaryDir dir;
    return dir;
}

QString sampleFile() {
    const QString path = QDir(workDir().path()).filePath(QStringLiteral("kunden.csv"));
    if (QFile::exists(path))
        return path;
    QByteArray bytes("Vorname;Nachname;Mobil;Freitext 1\r\n");
    bytes.reserve(kRows * 48);
    for (int i = 0; i < kRows; ++i) {
        // Every hundredth number repeats an earlier one, in another spelling.
        const int n = i % 100 == 99 ? i - 50 : i;
        bytes += "Kundin;M\xFCller " + QByteArray::number(i) + ";0170 " + QByteArray::number(1000000 + n) +
                 ";\"Praxis; am Markt\"\r\n";
    }
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

void Import_100k(benchmark::State& state) {
    const QString path = sampleFile();
    for (auto _ : state) {
        const RecipientImport::Source s = RecipientImport::read(path);
        const RecipientImport::Result r =
            RecipientImport::apply(s.table, RecipientImport::initialMapping(s.table));
        const QList<int> duplicates = DuplicateCheck::laterDuplicates(r.entries);
        if (r.entries.size() != kRows || duplicates.size() != kRows / 100)
            state.SkipWithError("unexpected result");
        benchmark::DoNotOptimize(duplicates.size());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(Import_100k)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

class TimeReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (!r.error_occurred && r.iterations > 0)
                seconds[r.benchmark_name()] = r.real_accumulated_time / double(r.iterations);
        }
    }
    std::map<std::string, double> seconds;
};

// Answers the column choice with the offered columns and every question with Yes.
class AcceptAll : public Prompts::Handler {
public:
    Prompts::Answer message(const Prompts::Message& m) override {
        return m.buttons == Prompts::Buttons::Ok ? Prompts::Answer::Ok : Prompts::Answer::Yes;
    }
    QVariant dialog(const QString& name, const QVariantMap& args) override {
        if (name == QString::fromLatin1(Prompts::Dialog::ImportMapping))
            return args.value(QStringLiteral("mapping"));
        return {};
    }
};

struct WindowRun {
    double seconds = 0;
    qint64 longestGapMs = 0;
    qsizetype entries = 0;
};

WindowRun importThroughTheWindow() {
    AcceptAll prompts;
    Prompts::install(&prompts);
    frmMultiSMS window;
    window.show();
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, &ticker,
                     [&] { longest = std::max(longest, sinceTick.restart()); });
    QEventLoop loop;
    QObject::connect(&window.importer(), &RecipientImporter::importFinished, &loop, &QEventLoop::quit);
    QElapsedTimer run;
    run.start();
    sinceTick.start();
    ticker.start();
    window.importer().importPath(sampleFile());
    loop.exec();
    WindowRun r{double(run.nsecsElapsed()) / 1e9, longest, window.list().count()};
    Prompts::install(nullptr);
    return r;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Remembered column choices go to a store of this run only.
    ToolRegistry::setStoreFile(QDir(workDir().path()).filePath(QStringLiteral("store.ini")));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const WindowRun w = importThroughTheWindow();

    std::printf("\n%d rows, wall time per import (target: under %.1f s):\n", kRows, kTargetSeconds);
    for (const auto& [name, s] : reporter.seconds)
        std::printf("  %-28s %7.3f s  %s\n", name.c_str(), s, s < kTargetSeconds ? "ok" : "TOO SLOW");
    std::printf("  %-28s %7.3f s  %s (%lld entries after the duplicate check)\n", "through the window",
                w.seconds, w.seconds < kTargetSeconds ? "ok" : "TOO SLOW", static_cast<long long>(w.entries));
    std::printf("  longest event-loop gap meanwhile: %lld ms (target: under %lld ms)  %s\n",
                static_cast<long long>(w.longestGapMs), static_cast<long long>(kLongestGapTargetMs),
                w.longestGapMs < kLongestGapTargetMs ? "ok" : "TOO LONG");
    return 0;
}
