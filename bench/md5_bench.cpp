// How our own MD5 (CMD5) compares with OpenSSL's on a short text, the size of
// a typical group request, and on 1 MB. Prints the time per digest of each and
// the ratio CMD5 / OpenSSL.
#include "server/CMD5.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <QRandomGenerator>
#include <QString>

#include <cstdio>
#include <map>
#include <string>

namespace {

QString sampleText(qsizetype size) {
    QRandomGenerator rng(1321);
    QString text(size, Qt::Uninitialized);
    for (QChar& c : text)
        c = QChar(char16_t(rng.bounded(0x20, 0x100)));
    return text;
}

// The bytes CMD5 hashes for that text: one per character, its low byte.
QByteArray lowBytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF));
    return bytes;
}

void CMD5_Text(benchmark::State& state) {
    const QString text = sampleText(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CMD5::MD5(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void CMD5_Bytes(benchmark::State& state) {
    const QByteArray bytes = lowBytes(sampleText(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CMD5::digest(bytes));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void OpenSSL_MD5(benchmark::State& state) {
    const QByteArray bytes = lowBytes(sampleText(state.range(0)));
    const EVP_MD* md5 = EVP_md5();
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int outLen = 0;
    for (auto _ : state) {
        EVP_Digest(bytes.constData(), std::size_t(bytes.size()), out, &outLen, md5, nullptr);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

constexpr int64_t kSmall = 64;
constexpr int64_t kLarge = 1 << 20;

BENCHMARK(CMD5_Text)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(CMD5_Bytes)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(OpenSSL_MD5)->Arg(kSmall)->Arg(kLarge);

// Keeps the CPU time per iteration of every run, keyed by its name, so the
// ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (!r.error_occurred && r.iterations > 0)
                perIteration[r.benchmark_name()] = r.cpu_accumulated_time / double(r.iterations);
        }
    }
    std::map<std::string, double> perIteration;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nCMD5 / OpenSSL (CPU time per digest; 1.0 = as fast):\n");
    for (const int64_t size : {kSmall, kLarge}) {
        // Names are built with append: GCC 12 warns falsely (-Wrestrict) on
        // operator+ with a literal in front at -O3.
        const auto name = [size](const char* family) {
            std::string n(family);
            n.append("/").append(std::to_string(size));
            return n;
        };
        const auto ssl = reporter.perIteration.find(name("OpenSSL_MD5"));
        if (ssl == reporter.perIteration.end())
            continue;
        for (const char* ours : {"CMD5_Text", "CMD5_Bytes"}) {
            const auto it = reporter.perIteration.find(name(ours));
            if (it != reporter.perIteration.end())
                std::printf("  %-11s %8lld bytes: %.2f\n", ours, static_cast<long long>(size),
                            it->second / ssl->second);
        }
    }
    return 0;
}
