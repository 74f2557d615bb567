// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CommandLine.h"

#include "core/Translated.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

CommandLineRequest parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "The applause meter for live events.")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption exportTo(
        QStringList{QStringLiteral("export")},
        translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Write the results of the latest event to FILE (.csv or .pdf) and stop, "
                   "without opening a window.")),
        translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "FILE")));
    const QCommandLineOption audioFile(
        QStringList{QStringLiteral("audio-file")},
        translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Measure the sound of the WAV file FILE, played in a loop, instead of the "
                   "microphone (for rehearsals and tests); given up to four times, each file is "
                   "one microphone, in order.")),
        translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "FILE")));
    const QCommandLineOption showControl(
        QStringList{QStringLiteral("show-control")},
        translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Switch show control on for this run, on PORT, for "
                   "this computer only (127.0.0.1).")),
        translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "PORT")));
    const QCommandLineOption exportRound(
        QStringList{QStringLiteral("round")},
        translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "With --export: write only the round called NAME.")),
        translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "NAME")));
    parser.addOption(exportTo);
    parser.addOption(exportRound);
    parser.addOption(audioFile);
    parser.addOption(showControl);

    CommandLineRequest request;
    if (!parser.parse(arguments)) {
        request.action = CommandLineRequest::Action::Error;
        request.text = parser.errorText();
        return request;
    }
    if (!parser.positionalArguments().isEmpty()) {
        request.action = CommandLineRequest::Action::Error;
        request.text =
            translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument: %1")).arg(parser.positionalArguments().first());
        return request;
    }
    if (parser.isSet(help)) {
        request.action = CommandLineRequest::Action::ShowHelp;
        request.text = parser.helpText();
        return request;
    }
    if (parser.isSet(version)) {
        request.action = CommandLineRequest::Action::ShowVersion;
        request.text = QCoreApplication::applicationName() + QLatin1Char(' ') +
                       QCoreApplication::applicationVersion();
        return request;
    }
    request.audioFiles = parser.values(audioFile);
    if (request.audioFiles.size() > kMaxAudioFiles) {
        request.action = CommandLineRequest::Action::Error;
        request.text = translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "--audio-file is given %1 times: at most %2 files, one for each microphone."))
                           .arg(request.audioFiles.size()).arg(kMaxAudioFiles);
        return request;
    }
    if (parser.isSet(showControl)) {
        bool number = false;
        const int port = parser.value(showControl).toInt(&number);
        if (!number || port < 1 || port > 65535) {
            request.action = CommandLineRequest::Action::Error;
            request.text = translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Not a port (1 to 65535): %1"))
                               .arg(parser.value(showControl));
            return request;
        }
        request.showControlPort = port;
    }
    if (parser.isSet(exportTo)) {
        request.action = CommandLineRequest::Action::Export;
        request.exportFile = parser.value(exportTo);
        request.exportRound = parser.value(exportRound);
    }
    return request;
}
