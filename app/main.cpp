// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"
#include "app/StartupWarmUp.h"
#include "core/AppConfig.h"
#include "core/CommandLine.h"
#include "core/ProductConfig.h"
#include "core/Version.h"
#include "display/FontSubstitutes.h"
#include "results/ResultsExport.h"
#include "widgets/Translations.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

// The exit status of a command line that could not be understood.
constexpr int kUsageError = 2;

// What start-up may have to say without a display, worded while the translations are at hand.
struct StartupMessages {
    QString noDisplay;
    QString cannotOpenDisplay;
    QStringList heldBack;  // what Qt says while it connects to the display
};

// The message handler is a plain function, so what it needs lives here, made on first use.
StartupMessages& startupMessages()
{
    static StartupMessages messages;
    return messages;
}

void printLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

// Holds back what Qt says while it connects to the display, so that a failure reads as one
// line rather than Qt's abort.
void holdStartupMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    StartupMessages& messages = startupMessages();
    if (type != QtFatalMsg) {
        messages.heldBack.append(message);
        return;
    }
    const QString reason =
        messages.heldBack.isEmpty() ? message.section('\n', 0, 0) : messages.heldBack.first();
    printLine(stderr, messages.cannotOpenDisplay.arg(reason));
    std::_Exit(EXIT_FAILURE);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(nullptr);
    for (const QString& message : startupMessages().heldBack)
        printLine(stderr, message);
    startupMessages().heldBack.clear();
}

bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;  // the caller chose a platform (offscreen, for instance)
    const auto set = [](const char* name) { const char* value = std::getenv(name); return value && *value; };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

void setIdentity()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(kProductName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version::kText));
}

// Reads the command line with Qt Core alone: help, the version and mistakes need no display.
CommandLineRequest readCommandLine(int& argc, char** argv)
{
    QCoreApplication core(argc, argv);
    setIdentity();
    const Translations translations;
    StartupMessages& messages = startupMessages();
    messages.noDisplay = QCoreApplication::translate(
        "Startup", "ovatron: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "start Ovatron from a desktop session.");
    messages.cannotOpenDisplay =
        QCoreApplication::translate("Startup", "ovatron: cannot open the display: %1");
    return parseCommandLine(QCoreApplication::arguments());
}

// `ovatron --export FILE`: the latest event's results, with no window and no display needed.
int exportWithoutWindow(int& argc, char** argv, const QString& file, const QString& round)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");  // a PDF needs fonts, not a screen
    QGuiApplication app(argc, argv);
    setIdentity();
    const Translations translations;
    const CommandLineExport result = exportLatestEvent(file, defaultDatabasePath(), round);
    if (result.exitCode != 0)
        printLine(stderr, QStringLiteral("ovatron: ") + result.message);
    return result.exitCode;
}

// Without a session bus (a bare X session, a kiosk), Qt's first use of one, the menu bar asking
// for a global menu, has libdbus fork an "autolaunch" helper from a process that already runs
// threads, and that child can hang before it runs, and the start with it. An address that fails
// at once instead; a bus the session does have is left alone.
void avoidSessionBusAutolaunch()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeFolder.isEmpty() && QFileInfo::exists(runtimeFolder + QStringLiteral("/bus")))
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/ovatron-no-session-bus");
}

}  // namespace

int main(int argc, char** argv)
{
    const CommandLineRequest request = readCommandLine(argc, argv);
    switch (request.action) {
    case CommandLineRequest::Action::ShowHelp:
    case CommandLineRequest::Action::ShowVersion:
        printLine(stdout, request.text.trimmed());
        return EXIT_SUCCESS;
    case CommandLineRequest::Action::Error:
        printLine(stderr, QStringLiteral("ovatron: ") + request.text);
        return kUsageError;
    case CommandLineRequest::Action::Export:
        return exportWithoutWindow(argc, argv, request.exportFile, request.exportRound);
    case CommandLineRequest::Action::Run:
        break;
    }

    if (!displayAvailable()) {
        printLine(stderr, startupMessages().noDisplay);
        return EXIT_FAILURE;
    }
    avoidSessionBusAutolaunch();
    StartupWarmUp warmUp;
    qInstallMessageHandler(holdStartupMessages);
    QApplication app(argc, argv);
    releaseStartupMessages();
    setIdentity();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ovatron.Ovatron"));
    const Translations translations;

    // The store first, the application object second; they go in the reverse order.
    AppConfig config;
    buildProductConfig(config);
    // The first font asked for, the substitutes' own, comes as late as it can, so that the
    // font configuration has been read meanwhile.
    warmUp.awaitFonts();
    installFontSubstitutes();
    Application application(config, request.audioFiles, request.showControlPort);
    application.start(warmUp);
    return QApplication::exec();
}
