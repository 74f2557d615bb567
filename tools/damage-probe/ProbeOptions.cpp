// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProbeOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cmath>
#include <optional>

namespace {

QString translate(const char* text)
{
    return QCoreApplication::translate("ProbeOptions", text);
}

// A window id as xdotool (decimal) or xwininfo (0x hexadecimal) prints it.
std::optional<unsigned long> windowIdOf(const QString& text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const bool hexadecimal = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const unsigned long id = hexadecimal ? trimmed.mid(2).toULong(&ok, 16) : trimmed.toULong(&ok, 10);
    if (!ok || id == 0)
        return std::nullopt;
    return id;
}

std::optional<double> secondsOf(const QString& text)
{
    bool ok = false;
    const double seconds = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds <= 0 || seconds > kMaximumSeconds)
        return std::nullopt;
    return seconds;
}

ParsedProbeOptions failure(const QString& message)
{
    ParsedProbeOptions parsed;
    parsed.outcome = ParseOutcome::Error;
    parsed.message = message;
    return parsed;
}

ParsedProbeOptions readDamageOptions(const QCommandLineParser& parser, ProbeOptions options,
                                     const QCommandLineOption& windowOption,
                                     const QCommandLineOption& secondsOption)
{
    if (!parser.isSet(windowOption) || !parser.isSet(secondsOption))
        return failure(translate("give --window and --seconds, or --start and a program"));
    if (!parser.positionalArguments().isEmpty())
        return failure(translate("unexpected argument: %1").arg(parser.positionalArguments().first()));
    const QString windowText = parser.value(windowOption);
    if (windowText.compare(QLatin1String("root"), Qt::CaseInsensitive) == 0) {
        options.rootWindow = true;
    } else if (const auto id = windowIdOf(windowText)) {
        options.window = *id;
    } else {
        return failure(translate("not a window id: %1").arg(windowText));
    }
    const auto seconds = secondsOf(parser.value(secondsOption));
    if (!seconds)
        return failure(translate("not a usable number of seconds: %1").arg(parser.value(secondsOption)));
    options.seconds = *seconds;
    return {ParseOutcome::Run, options, QString()};
}

ParsedProbeOptions readStartOptions(const QCommandLineParser& parser, ProbeOptions options,
                                    const QCommandLineOption& timeoutOption)
{
    options.mode = ProbeMode::Start;
    options.command = parser.positionalArguments();
    if (options.command.isEmpty())
        return failure(translate("--start needs a program to start"));
    if (parser.isSet(timeoutOption)) {
        const auto timeout = secondsOf(parser.value(timeoutOption));
        if (!timeout)
            return failure(translate("not a usable number of seconds: %1").arg(parser.value(timeoutOption)));
        options.timeoutSeconds = *timeout;
    }
    return {ParseOutcome::Run, options, QString()};
}

}  // namespace

ParsedProbeOptions parseProbeOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(translate(
        "Reports the pixels an X11 window redraws over a period, or how long a program "
        "takes to show its window."));
    // The started program's own options belong to it, not to the probe.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        translate("Shows this help."));
    const QCommandLineOption windowOption(QStringLiteral("window"),
                                          translate("The window to watch: an id, or root."),
                                          translate("id"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           translate("How long to count redrawn pixels."),
                                           translate("seconds"));
    const QCommandLineOption startOption(
        QStringLiteral("start"), translate("Starts the program and times its first window."));
    const QCommandLineOption timeoutOption(
        QStringLiteral("timeout"), translate("How long to wait for the window (default 30)."),
        translate("seconds"));
    parser.addOptions({helpOption, windowOption, secondsOption, startOption, timeoutOption});
    parser.addPositionalArgument(QStringLiteral("program"),
                                 translate("With --start: the program and its arguments."),
                                 translate("[program [arguments...]]"));

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(helpOption))
        return {ParseOutcome::Help, ProbeOptions(), parser.helpText()};
    if (parser.isSet(startOption)) {
        if (parser.isSet(windowOption) || parser.isSet(secondsOption))
            return failure(translate("--start does not go with --window or --seconds"));
        return readStartOptions(parser, ProbeOptions(), timeoutOption);
    }
    if (parser.isSet(timeoutOption))
        return failure(translate("--timeout goes with --start"));
    return readDamageOptions(parser, ProbeOptions(), windowOption, secondsOption);
}
