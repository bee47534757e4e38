// SPDX-License-Identifier: GPL-3.0-or-later
// File operations of the data layer on realistic sizes: loading a category from a full library
// and saving and loading a progress file that holds all eight categories.
#include "data/patternlibrary.h"
#include "data/progressfile.h"
#include "model/libraryrecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

using namespace tangram;

namespace {

// One temporary folder for the whole run, filled on first use.
class Fixture {
public:
    static Fixture& instance() {
        static Fixture fixture;
        return fixture;
    }
    QString programDir() const { return m_dir.path() + '/'; }
    QString progressPath() const { return m_dir.filePath("bench.pzs"); }
    QString singleCategoryDir() const { return m_dir.filePath("single") + '/'; }

private:
    Fixture() {
        if (!m_dir.isValid())
            std::abort();
        // 1000 records of category 0 interleaved with 7000 of the other categories, so that
        // loading category 0 and category 7 both walk a large file.
        QByteArray library;
        for (int i = 0; i < 8000; ++i) {
            library.append(static_cast<char>(i % kCategoryCount));
            for (int b = 0; b < kLibraryRecordSize - 1; ++b)
                library.append(static_cast<char>((i + b) % 81));
        }
        writeFile(m_dir.filePath("kelm.dat"), library);

        QByteArray single;
        for (int i = 0; i < 1000; ++i)
            single += QByteArray(1, '\3') + QByteArray(kLibraryRecordSize - 1, '\x28');
        if (!QDir(m_dir.path()).mkdir("single"))
            std::abort();
        writeFile(singleCategoryDir() + "kelm.dat", single);

        QByteArray progress;
        for (int i = 0; i < 8000; ++i)
            progress.append(static_cast<char>((i % kCategoryCount) * 16 + i % 16));
        writeFile(progressPath(), progress);
    }
    static void writeFile(const QString& path, const QByteArray& data) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            std::abort();
    }
    QTemporaryDir m_dir;
};

void BM_LoadPatterns(benchmark::State& bench) {
    auto state = std::make_unique<GameState>();
    state->programDir = Fixture::instance().programDir();
    state->category = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        state->setLevel(1000);
        if (!LoadPatterns(*state).ok)
            bench.SkipWithError("library missing");
        benchmark::DoNotOptimize(state->patternCount());
    }
}
BENCHMARK(BM_LoadPatterns)->Arg(0)->Arg(7)->Unit(benchmark::kMicrosecond);

// A library of exactly 1000 patterns, all of one category: the reader keeps every record.
void BM_LoadPatternsSingleCategoryFile(benchmark::State& bench) {
    auto state = std::make_unique<GameState>();
    state->programDir = Fixture::instance().singleCategoryDir();
    state->category = 3;
    for (auto _ : bench) {
        if (!LoadPatterns(*state).ok)
            bench.SkipWithError("library missing");
        benchmark::DoNotOptimize(state->patternCount());
    }
}
BENCHMARK(BM_LoadPatternsSingleCategoryFile)->Unit(benchmark::kMicrosecond);

void BM_SaveGame(benchmark::State& bench) {
    auto state = std::make_unique<GameState>();
    state->category = 2;
    state->setPatternCount(1000);
    state->status.fill(9);
    const QString path = Fixture::instance().progressPath();
    for (auto _ : bench) {
        if (!SaveGame(*state, path).ok)
            bench.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

void BM_LoadGame(benchmark::State& bench) {
    auto state = std::make_unique<GameState>();
    state->category = 7;
    state->setPatternCount(1000);
    const QString path = Fixture::instance().progressPath();
    for (auto _ : bench) {
        if (!LoadGame(*state, path).ok)
            bench.SkipWithError("load failed");
        benchmark::DoNotOptimize(state->status[1000]);
    }
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
