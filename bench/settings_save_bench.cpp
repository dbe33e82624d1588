// How long saving all settings takes: cOptionen::save, which writes the store
// once, against writing the same values one write each (as it used to be).
// Prints the time per save and how many disk writes each made.
#include "config/cOptionen.h"
#include "platform/ToolRegistry.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void fill(cOptionen& o) {
    o.Username = QStringLiteral("demo@velvox.example");
    o.kennwort = QStringLiteral("velvox");
    o.Absenderkennung = QStringLiteral("Büro");
    o.XmlPfad = QStringLiteral("/srv/sms");
    o.isAbsenderkennung = true;
    o.InfoVersion = 7;
}

void Save_OneWrite(benchmark::State& state) {
    QTemporaryDir dir;
    ToolRegistry::setStoreFile(dir.filePath(QStringLiteral("settings.ini")));
    resetOptions();
    fill(options());
    const int before = ToolRegistry::diskWrites();
    for (auto _ : state)
        benchmark::DoNotOptimize(options().save());
    state.counters["disk writes per save"] =
        double(ToolRegistry::diskWrites() - before) / double(state.iterations());
}

void Save_WritePerValue(benchmark::State& state) {
    QTemporaryDir dir;
    ToolRegistry::setStoreFile(dir.filePath(QStringLiteral("settings.ini")));
    resetOptions();
    fill(options());
    options().save();
    QSettings probe(ToolRegistry::storeFile(), QSettings::IniFormat);
    const int before = ToolRegistry::diskWrites();
    for (auto _ : state) {
        // The same values, each written on its own.
        for (const QString& key : probe.allKeys())
            ToolRegistry::setString(QStringLiteral("Software\\Quendal\\SMS"),
                                    key.section(QLatin1Char('/'), -1), probe.value(key).toString());
    }
    state.counters["disk writes per save"] =
        double(ToolRegistry::diskWrites() - before) / double(state.iterations());
}

BENCHMARK(Save_OneWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(Save_WritePerValue)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
