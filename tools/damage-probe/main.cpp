// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// ovatron_damage_probe: the pixels an X11 window redraws over a period, or how long a
// program takes to show its window; one machine-readable line on standard output.

#include "DamageWatch.h"
#include "ProbeOptions.h"
#include "StartWatch.h"
#include "XConnection.h"

#include <QCoreApplication>

#include <X11/Xlib.h>

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

QString translate(const char* text)
{
    return QCoreApplication::translate("DamageProbe", text);
}

void printLine(FILE* stream, const QString& line)
{
    std::fprintf(stream, "%s\n", qPrintable(line));
    std::fflush(stream);
}

int fail(const QString& message)
{
    printLine(stderr, QStringLiteral("ovatron_damage_probe: ") + message);
    return EXIT_FAILURE;
}

// Ctrl-C and kill end a measurement through a descriptor the event loop polls, so that a
// started program is still ended and the damage objects are still freed.
int stopSignalsFd()
{
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    return signalfd(-1, &stopSignals, SFD_CLOEXEC | SFD_NONBLOCK);
}

int measureDamage(XConnection& connection, const ProbeOptions& options, int stopFd)
{
    const Window window =
        options.rootWindow ? DefaultRootWindow(connection.display()) : Window(options.window);
    DamageWatch watch(connection, window);
    if (!watch.isWatching())
        return fail(translate("no window 0x%1 on this display").arg(window, 0, 16));
    const DamageWatch::Result result =
        watch.collect(std::chrono::duration<double>(options.seconds), stopFd);
    if (result.stopped)
        return fail(translate("stopped before the period ended"));
    DamageSummary summary;
    summary.window = window;
    summary.width = watch.width();
    summary.height = watch.height();
    summary.seconds = result.seconds;
    summary.tally = result.tally;
    printLine(stdout, damageLine(summary));
    return EXIT_SUCCESS;
}

int measureStart(XConnection& connection, const ProbeOptions& options, int stopFd)
{
    const StartResult result = timeFirstWindow(
        connection, options.command, std::chrono::duration<double>(options.timeoutSeconds), stopFd);
    if (!result.ok)
        return fail(result.error);
    printLine(stdout, startLine(result.summary));
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int stopFd = stopSignalsFd();
    QCoreApplication application(argc, argv);
    const ParsedProbeOptions parsed = parseProbeOptions(application.arguments());
    if (parsed.outcome == ParseOutcome::Help) {
        printLine(stdout, parsed.message);
        return EXIT_SUCCESS;
    }
    if (parsed.outcome == ParseOutcome::Error)
        return fail(parsed.message);

    XConnection connection;
    if (!connection.isOpen())
        return fail(translate("cannot open the X display \"%1\"")
                        .arg(QString::fromLocal8Bit(qgetenv("DISPLAY"))));
    if (!connection.hasDamage())
        return fail(translate("the X server has no DAMAGE extension"));
    return parsed.options.mode == ProbeMode::Start ? measureStart(connection, parsed.options, stopFd)
                                                   : measureDamage(connection, parsed.options, stopFd);
}
