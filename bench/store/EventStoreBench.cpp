// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The results file's costs that the show feels: committing a score as the meter rises (target
// p99 under 1 ms) and restoring an event of 10 000 contestants at start-up (under 200 ms).
#include "store/EventDatabase.h"
#include "store/EventRecorder.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

constexpr int restoredContestants = 10'000;

QDateTime showStart()
{
    return QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, Qt::UTC);
}

QTemporaryDir& benchHome()
{
    static QTemporaryDir dir;
    return dir;
}

QString freshDatabase(const char* name)
{
    const QString path = benchHome().path() + QLatin1Char('/') + QLatin1String(name);
    for (const char* suffix : {"", "-wal", "-shm", ".lock"})
        QFile::remove(path + QLatin1String(suffix));
    return path;
}

void reportPercentiles(benchmark::State& state, std::vector<double> microseconds)
{
    if (microseconds.empty())
        return;
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double fraction) {
        return microseconds[static_cast<std::size_t>(fraction * (microseconds.size() - 1))];
    };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = microseconds.back();
}

// From scoreRaised() on the UI thread to the commit being on disk.
void BM_CommitScoreUpdate(benchmark::State& state)
{
    EventRecorder recorder(freshDatabase("commit.sqlite"));
    if (!recorder.open().saving()) {
        state.SkipWithError("results file not writable");
        return;
    }
    recorder.beginEvent(showStart());
    recorder.contestantStarted(0, QStringLiteral("Ana"), showStart());
    recorder.flush();

    std::vector<double> latencies;
    latencies.reserve(static_cast<std::size_t>(state.max_iterations));
    int score = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        recorder.scoreRaised(0, score++ % 101);
        recorder.flush();
        latencies.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    reportPercentiles(state, std::move(latencies));
}
BENCHMARK(BM_CommitScoreUpdate)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// What the meter's tick pays: queueing the change, while the worker commits beside it.
void BM_QueueScoreUpdate(benchmark::State& state)
{
    EventRecorder recorder(freshDatabase("queue.sqlite"));
    if (!recorder.open().saving()) {
        state.SkipWithError("results file not writable");
        return;
    }
    recorder.beginEvent(showStart());
    recorder.contestantStarted(0, QStringLiteral("Ana"), showStart());

    std::vector<double> latencies;
    latencies.reserve(static_cast<std::size_t>(state.max_iterations));
    int score = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        recorder.scoreRaised(0, score++ % 101);
        latencies.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    recorder.flush();
    reportPercentiles(state, std::move(latencies));
}
BENCHMARK(BM_QueueScoreUpdate)->Iterations(20000)->Unit(benchmark::kMicrosecond);

const QString& tenThousandDatabase()
{
    static const QString path = [] {
        const QString file = freshDatabase("ten-thousand.sqlite");
        EventRecorder recorder(file);
        recorder.open();
        recorder.beginEvent(showStart());
        for (int order = 0; order < restoredContestants; ++order) {
            recorder.contestantStarted(order, QStringLiteral("Contestant number %1").arg(order),
                showStart().addSecs(order * 60));
            recorder.scoreRaised(order, (order * 37) % 101);
            recorder.turnEnded(order, showStart().addSecs(order * 60 + 45));
        }
        recorder.flush();
        return file;
    }();
    return path;
}

// Start-up after a crash: open the file for the show (lock, check, WAL) and read the event.
void BM_OpenAndRestoreTenThousand(benchmark::State& state)
{
    const QString path = tenThousandDatabase();
    for (auto _ : state) {
        EventRecorder recorder(path);
        recorder.open();
        const std::optional<StoredEvent> event = recorder.latestEvent();
        if (!event || event->entries.size() != restoredContestants)
            state.SkipWithError("event not restored");
        benchmark::DoNotOptimize(event);
    }
}
BENCHMARK(BM_OpenAndRestoreTenThousand)->Unit(benchmark::kMillisecond);

// Reading the event alone, on a file already open.
void BM_RestoreTenThousand(benchmark::State& state)
{
    EventDatabase database;
    database.openForReading(tenThousandDatabase());
    for (auto _ : state) {
        std::optional<QSqlError> error;
        const std::optional<StoredEvent> event = database.latestEvent(error);
        if (!event || event->entries.size() != restoredContestants)
            state.SkipWithError("event not restored");
        benchmark::DoNotOptimize(event);
    }
}
BENCHMARK(BM_RestoreTenThousand)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    const QByteArray home = QFile::encodeName(benchHome().path());
    setenv("XDG_DATA_HOME", home.constData(), 1);
    setenv("XDG_CONFIG_HOME", home.constData(), 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
