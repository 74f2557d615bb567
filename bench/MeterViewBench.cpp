// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the meter view, the work of every 20 ms tick while a contestant is measured.
#include "core/AppConfig.h"
#include "core/ProductConfig.h"
#include "show/Show.h"
#include "store/StoreLocation.h"
#include "widgets/MeterView.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

namespace {

// The store every benchmarked view reads: the real one, in the benchmarks' own settings folder.
AppConfig& benchSettings()
{
    static AppConfig settings;
    static const bool opened = (settings.init(kProductName), true);
    (void)opened;
    return settings;
}

// Holds the show of a benchmarked view, made before the view.
struct OwnShow {
    Show ownShow{benchSettings(), defaultDatabasePath()};
};

// A view over a show of its own, as the main window's is over the application's; the
// benchmarks drive its meter directly.
class BenchView : private OwnShow, public MeterView {
public:
    BenchView() : MeterView(ownShow, benchSettings()) {}
    MeterCore& meter() { return ownShow.session().meter(); }
};

void typeName(MeterCore& meter, const std::string& name)
{
    meter.onText(brio::BRString::fromUtf8(name));
}

// A view in Measuring with the league table: `entries` finished contestants (one of every
// hundred with a score, the rest at 0) and a current contestant at level 60 above them.
std::unique_ptr<BenchView> measuringView(int entries, const std::string& name = "Contestant ")
{
    auto view = std::make_unique<BenchView>();
    MeterCore& meter = view->meter();
    for (int i = 0; i < entries - 1; ++i) {
        typeName(meter, name + std::to_string(i));
        meter.onChar(MeterCore::kEnter);
        if (i % 100 == 0) {
            for (int tick = 0; tick < 10 + i % 50; ++tick)
                meter.tick(TickInput{true, true});
        }
        meter.onChar(MeterCore::kEscape);
    }
    typeName(meter, "Current Contestant");
    meter.onChar(MeterCore::kEnter);
    while (meter.level() < 60)
        meter.tick(TickInput{true, true});
    return view;
}

std::string sizeLabel(const QSize& size, std::int64_t entries)
{
    return QStringLiteral("%1x%2, %3 entries")
        .arg(size.width())
        .arg(size.height())
        .arg(entries)
        .toStdString();
}

// One frame as the screen gets it: a painter over a picture that lives on (the backing
// store), the whole view drawn.
void BM_PaintMeasuring(benchmark::State& state)
{
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto view = measuringView(static_cast<int>(state.range(2)));
    QImage frame(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&frame);
        view->drawView(painter, frame.rect());
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetLabel(sizeLabel(size, state.range(2)));
}
BENCHMARK(BM_PaintMeasuring)
    ->ArgsProduct({{1920}, {1080}, {10, 1000, 100000}})
    ->ArgsProduct({{3840}, {2160}, {10, 1000, 100000}})
    ->Unit(benchmark::kMicrosecond);

// The same full-HD frame with every name too long for its row, in Latin, Greek (from a
// fallback font) and Hebrew: each is shortened once, and drawn from the kept texts after.
void BM_PaintLongNames(benchmark::State& state)
{
    const char* const scripts[] = {"Maximiliane Zoë Müller-Lüdenscheidt ",
                                   "Ελένη Παπαδοπούλου-Καραγιαννοπούλου ", "שרה בת-שבע כהן-לוי "};
    std::string name;
    for (int repeat = 0; repeat < 6; ++repeat)
        name += scripts[state.range(0)];
    const auto view = measuringView(1000, name);
    QImage frame(QSize(1920, 1080), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&frame);
        view->drawView(painter, frame.rect());
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_PaintLongNames)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The same frame through the off-screen seam, which makes a new picture every time.
void BM_RenderToImage(benchmark::State& state)
{
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto view = measuringView(static_cast<int>(state.range(2)));
    for (auto _ : state) {
        QImage frame = view->renderToImage(size);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_RenderToImage)
    ->Args({1920, 1080, 1000})
    ->Args({3840, 2160, 1000})
    ->Unit(benchmark::kMicrosecond);

// One tick while the level moves, as the screen gets it: the meter steps, the view works out
// what changed, and only that is painted into a picture that lives on. The level swings
// between 60 and 100 below a peak of 100, so the table stays as it is.
void BM_PaintTickPartial(benchmark::State& state)
{
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto view = measuringView(static_cast<int>(state.range(2)));
    view->resize(size);
    QImage frame(size, QImage::Format_RGB32);
    QRegion requested;
    QObject::connect(view.get(), &MeterView::repaintRequested,
                     [&requested](const QRegion& region) { requested = region; });
    view->showChanges();
    MeterCore& meter = view->meter();
    bool rising = true;
    long long pixels = 0;
    for (auto _ : state) {
        if (meter.level() >= 100 || meter.level() <= 60)
            rising = meter.level() <= 60;
        meter.tick(TickInput{true, rising});
        view->showChanges();
        QPainter painter(&frame);
        view->drawView(painter, frame.rect(), requested);
        painter.end();
        for (const QRect& rect : requested)
            pixels += qint64{rect.width()} * rect.height();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["pixels"] = benchmark::Counter(static_cast<double>(pixels) / state.iterations());
    state.SetLabel(sizeLabel(size, state.range(2)));
}
BENCHMARK(BM_PaintTickPartial)
    ->ArgsProduct({{1920}, {1080}, {1000, 100000}})
    ->ArgsProduct({{3840}, {2160}, {1000, 100000}})
    ->Unit(benchmark::kMicrosecond);

// One tick with SPACE held at 100: the view finds that nothing changed and paints nothing.
void BM_TickResting(benchmark::State& state)
{
    const auto view = measuringView(1000);
    view->resize(1920, 1080);
    MeterCore& meter = view->meter();
    while (meter.level() < 100)
        meter.tick(TickInput{true, true});
    view->showChanges();
    int requests = 0;
    QObject::connect(view.get(), &MeterView::repaintRequested, [&requests] { ++requests; });
    for (auto _ : state) {
        meter.tick(TickInput{true, true});
        view->showChanges();
    }
    if (requests != 0)
        state.SkipWithError("a resting level asked for a repaint");
}
BENCHMARK(BM_TickResting)->Unit(benchmark::kMicrosecond);

// A whole turn of the meter's clock: Enter, SPACE held from 0 to 100 (71 ticks), released
// back to 0 (100 ticks), Esc. The table is emptied now and then so that it does not grow
// without bound.
void BM_TurnOfTicks(benchmark::State& state)
{
    BenchView view;
    MeterCore& meter = view.meter();
    long turns = 0;
    for (auto _ : state) {
        if (++turns % 1000 == 0)
            meter.clearLeagueTable();
        typeName(meter, "A");
        meter.onChar(MeterCore::kEnter);
        for (int tick = 0; tick < 71; ++tick)
            meter.tick(TickInput{true, true});
        for (int tick = 0; tick < 100; ++tick)
            meter.tick(TickInput{true, false});
        meter.onChar(MeterCore::kEscape);
        benchmark::DoNotOptimize(meter.peak());
    }
}
BENCHMARK(BM_TurnOfTicks)->Unit(benchmark::kMicrosecond);

// The same turn with a full-HD frame painted after every tick, as the screen does, beside
// a table of 1000 entries.
void BM_TurnOfTicksWithPaint(benchmark::State& state)
{
    const auto view = measuringView(1000);
    MeterCore& meter = view->meter();
    meter.onChar(MeterCore::kEscape);
    QImage frame(QSize(1920, 1080), QImage::Format_RGB32);
    const auto paint = [&] {
        QPainter painter(&frame);
        view->drawView(painter, frame.rect());
    };
    for (auto _ : state) {
        typeName(meter, "A");
        meter.onChar(MeterCore::kEnter);
        for (int tick = 0; tick < 171; ++tick) {
            meter.tick(TickInput{true, tick < 71});
            paint();
        }
        meter.onChar(MeterCore::kEscape);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_TurnOfTicksWithPaint)->Unit(benchmark::kMillisecond);

}  // namespace
