// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmarks paint real widgets, so they need an application object: on the offscreen
// platform unless told otherwise, and with a settings folder of their own so that the
// user's stored display settings neither change the figures nor get touched.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir settingsHome;
    const QByteArray home = settingsHome.path().toLocal8Bit();
    setenv("XDG_CONFIG_HOME", home.constData(), 1);
    setenv("HOME", home.constData(), 1);

    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
