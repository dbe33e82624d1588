// Loading and saving a ".msms" data file of 100,000 entries, as the MultiSMS
// window does it (read, parse, tag and measure; write through a temp file).
// Prints the wall time of each next to the target of under one second.
#include "mass/MsmsFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kEntries = 100000;
constexpr double kTargetSeconds = 1.0;

QList<RecipientEntry> sampleEntries() {
    QList<RecipientEntry> entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i)
        entries << RecipientEntry{QStringLiteral("Kundin Müller %1").arg(i),
                                  QStringLiteral("0049170%1").arg(i, 7, 10, QLatin1Char('0')),
                                  QStringLiteral("Praxis am Markt"), QStringLiteral("Termin Montag 9 Uhr"),
                                  i + 1};
    return entries;
}

QTemporaryDir& workDir() {
    static QTemporaryDir dir;
    return dir;
}

QString filePath() {
    return QDir(workDir().path()).filePath(QStringLiteral("liste.msms"));
}

void Msms_Save100k(benchmark::State& state) {
    const QList<RecipientEntry> entries = sampleEntries();
    for (auto _ : state) {
        const MsmsFile::SaveResult r = MsmsFile::save(filePath(), entries);
        if (!r.ok)
            state.SkipWithError("save failed");
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void Msms_Load100k(benchmark::State& state) {
    if (!MsmsFile::save(filePath(), sampleEntries()).ok) {
        state.SkipWithError("could not write the sample file");
        return;
    }
    for (auto _ : state) {
        const auto list = MsmsFile::load(filePath());
        if (!list || list->count() != kEntries)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(list->getMaxNameSize());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

BENCHMARK(Msms_Save100k)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Msms_Load100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps the wall time per iteration of every run, keyed by its name.
class TimeReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (!r.error_occurred && r.iterations > 0)
                seconds[r.benchmark_name()] = {r.real_accumulated_time / double(r.iterations),
                                               r.cpu_accumulated_time / double(r.iterations)};
        }
    }
    // Wall and CPU seconds per run.
    std::map<std::string, std::pair<double, double>> seconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%d entries, wall time per run (target: under %.1f s each):\n", kEntries, kTargetSeconds);
    for (const auto& [name, s] : reporter.seconds)
        std::printf("  %-22s %7.3f s (CPU %.3f s)  %s\n", name.c_str(), s.first, s.second,
                    s.first < kTargetSeconds ? "ok" : "TOO SLOW");
    return 0;
}
