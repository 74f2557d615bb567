// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// ovatron_bare_window: the reference for measuring Ovatron's drawing cost. Full screen,
// or a normal window of the size given with --size WIDTHxHEIGHT; --patch repaints one small
// patch instead of everything.

#include "BareWindow.h"
#include "WindowSize.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "BareWindow", "Repaints its whole window every 20 ms, for comparing drawing costs."));
    parser.addHelpOption();
    const QCommandLineOption sizeOption(
        QStringLiteral("size"),
        QCoreApplication::translate("BareWindow", "A normal window of this size instead of full screen."),
        QCoreApplication::translate("BareWindow", "WIDTHxHEIGHT"));
    parser.addOption(sizeOption);
    const QCommandLineOption patchOption(
        QStringLiteral("patch"),
        QCoreApplication::translate("BareWindow",
            "Repaint one small patch with a number every 20 ms instead of the whole window."));
    parser.addOption(patchOption);
    parser.process(application);

    BareWindow window(parser.isSet(patchOption) ? BareRepaint::Patch : BareRepaint::Full);
    if (parser.isSet(sizeOption)) {
        const auto size = parseWindowSize(parser.value(sizeOption));
        if (!size) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate("BareWindow", "ovatron_bare_window: not a window size: %1")
                                        .arg(parser.value(sizeOption))));
            return EXIT_FAILURE;
        }
        window.resize(*size);
        window.show();
    } else {
        window.showFullScreen();
    }
    return application.exec();
}
