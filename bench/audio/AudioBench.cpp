// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// What listening costs and how fast the meter hears: the processing cost of one second of
// 48 kHz mono sound through loudness and mapping (as per cent of one core), the delay from
// a sound starting to a changed level through the processing path (counted in samples), and
// the same delay through a real PulseAudio server (timed), when pulseaudio is installed.
#include "PulseServer.h"
#include "TestSignals.h"

#include "audio/AudioInput.h"
#include "audio/LevelProcessor.h"
#include "audio/LoudnessMeter.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <ctime>
#include <cstdlib>
#include <functional>

namespace {

using namespace audio;
using namespace audio::test;

constexpr int kDeviceBufferMs = 10;     // what a device hands over at a time
constexpr double kRoomLufs = -50.0;     // a room at the default floor
constexpr double kCheerLufs = -25.0;    // a cheer: level 83 on the default calibration
constexpr int kChangedLevel = 5;        // a level the room alone never reaches
constexpr int kWaitMs = 10000;

std::vector<float> pinkAt(double lufs, int milliseconds, std::uint32_t seed)
{
    // Pink noise of RMS 1 reads within a few tenths of 0 LUFS.
    return scaled(pinkNoise(framesFor(milliseconds), seed), std::pow(10.0, lufs / 20.0));
}

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void processInPieces(LevelProcessor& processor, const QByteArray& bytes, qsizetype piece,
                     const std::function<void()>& afterPiece = {})
{
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        processor.process(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
        if (afterPiece)
            afterPiece();
    }
}

void BM_ProcessOneSecondOf48kMono(benchmark::State& state)
{
    const QAudioFormat format = makeFormat(QAudioFormat::Int16, 1);
    const QByteArray second = encode(pinkAt(kCheerLufs, 1000, 1), format);
    const qsizetype piece = qsizetype(framesFor(kDeviceBufferMs)) * format.bytesPerFrame();
    LevelBoard board;
    LevelProcessor processor(format, board, {});
    double cpuSeconds = 0;
    for (auto _ : state) {
        const double before = threadCpuSeconds();
        processInPieces(processor, second, piece);
        benchmark::DoNotOptimize(board.level());
        cpuSeconds += threadCpuSeconds() - before;
    }
    // CPU time per second of sound, as per cent of one core.
    state.counters["core_percent"] = 100.0 * cpuSeconds / double(state.iterations());
}
BENCHMARK(BM_ProcessOneSecondOf48kMono)->Unit(benchmark::kMicrosecond);

// Counts samples, not time: from the first sample of a cheer after a quiet room to the
// first reading above the room's level, and to the reading settling within 10 % of the
// cheer's level (the momentary window makes that take up to 400 ms by design).
void BM_ProcessingLatency(benchmark::State& state)
{
    const QAudioFormat format = makeFormat(QAudioFormat::Float, 1);
    const QByteArray room = encode(pinkAt(kRoomLufs, 2000, 2), format);
    const QByteArray cheer = encode(pinkAt(kCheerLufs, 1000, 3), format);
    const qsizetype piece = format.bytesPerFrame();  // sample by sample: exact counts
    double firstChange = 0;
    double settled = 0;
    for (auto _ : state) {
        LevelBoard board;
        LevelProcessor processor(format, board, {});
        processInPieces(processor, room, qsizetype(framesFor(kDeviceBufferMs)) * piece);
        const int target = 83;
        long samples = 0;
        long changedAt = -1;
        long settledAt = -1;
        processInPieces(processor, cheer, piece, [&] {
            ++samples;
            if (changedAt < 0 && board.level() >= kChangedLevel)
                changedAt = samples;
            if (settledAt < 0 && board.level() >= target * 9 / 10)
                settledAt = samples;
        });
        firstChange = double(changedAt);
        settled = double(settledAt);
    }
    state.counters["changed_samples"] = firstChange;
    state.counters["changed_ms"] = firstChange * 1000.0 / kRate;
    state.counters["settled_samples"] = settled;
    state.counters["settled_ms"] = settled * 1000.0 / kRate;
}
BENCHMARK(BM_ProcessingLatency)->Iterations(1)->Unit(benchmark::kMillisecond);

bool waitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > kWaitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(200);
    }
    return true;
}

// From starting a player process on a cheer to the capture thread publishing a changed
// level: process start, the player's buffer, the server, the microphone's buffer and the
// processing, all real, so an upper bound on what the microphone path adds. Each
// iteration is one cheer after a quiet room.
void BM_CaptureLatency(benchmark::State& state)
{
    if (!PulseServer::isInstalled()) {
        state.SkipWithError("pulseaudio is not installed");
        return;
    }
    QTemporaryDir folder;
    const QString cheer = folder.filePath(QStringLiteral("cheer.wav"));
    PulseServer server;
    if (!writeFile(cheer, wavFile(pinkAt(kCheerLufs, 500, 4), makeFormat(QAudioFormat::Int16, 1)))) {
        state.SkipWithError("cannot write the cheer");
        return;
    }
    if (!server.start()) {
        state.SkipWithError(qPrintable(server.error()));
        return;
    }
    {
        AudioInput input;
        input.startDevice(QStringLiteral("hallmic"), kUnmeasuredRoom);
        if (!waitFor([&] { return input.isLive(); })) {
            state.SkipWithError("the virtual microphone did not start");
        } else {
            for (auto _ : state) {
                if (!waitFor([&] { return input.level() == 0; })) {
                    state.SkipWithError("the room did not fall silent");
                    break;
                }
                QElapsedTimer clock;
                clock.start();
                server.play(cheer);
                if (!waitFor([&] { return input.level() >= kChangedLevel; })) {
                    state.SkipWithError("the cheer was not heard");
                    break;
                }
                state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
                server.stopPlaying();
            }
        }
    }
    server.stop();
}
BENCHMARK(BM_CaptureLatency)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Settings, data and the sound server all in a folder of our own; no server starts
    // unless the capture benchmark starts one.
    QTemporaryDir home;
    const QByteArray homePath = home.path().toLocal8Bit();
    setenv("HOME", homePath.constData(), 1);
    setenv("XDG_CONFIG_HOME", (homePath + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (homePath + "/data").constData(), 1);
    setenv("XDG_RUNTIME_DIR", homePath.constData(), 1);
    QFile clientConfig(home.filePath(QStringLiteral("pulse-client.conf")));
    if (clientConfig.open(QIODevice::WriteOnly))
        clientConfig.write("autospawn = no\n");
    clientConfig.close();
    setenv("PULSE_CLIENTCONFIG", QFile::encodeName(clientConfig.fileName()).constData(), 1);
    setenv("PULSE_SERVER", ("unix:" + homePath + "/no-sound-server").constData(), 1);

    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
