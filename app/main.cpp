#include "app/Application.h"
#include "core/AppConfig.h"
#include "core/ProductConfig.h"
#include "core/Version.h"
#include "widgets/FontSubstitutes.h"
#include "widgets/ProgramIcon.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

// What Qt says while it connects to the display, held back so that a failure reads as
// one line rather than Qt's abort.
QStringList& startupMessages()
{
    static QStringList messages;
    return messages;
}

void holdStartupMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        startupMessages().append(message);
        return;
    }
    const QString reason =
        startupMessages().isEmpty() ? message.section('\n', 0, 0) : startupMessages().first();
    std::fprintf(stderr, "ovatron: cannot open the display: %s\n", qPrintable(reason));
    std::_Exit(EXIT_FAILURE);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(nullptr);
    for (const QString& message : startupMessages())
        std::fprintf(stderr, "%s\n", qPrintable(message));
    startupMessages().clear();
}

bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;  // the caller chose a platform (offscreen, for instance)
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "ovatron: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                             "start Ovatron from a desktop session.\n");
        return EXIT_FAILURE;
    }
    qInstallMessageHandler(holdStartupMessages);
    QApplication app(argc, argv);
    releaseStartupMessages();
    installFontSubstitutes();
    QApplication::setApplicationName(QString::fromUtf8(kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(version::kText));
    QApplication::setWindowIcon(programIcon());

    // The store first, the application object second; they go in the reverse order.
    AppConfig config;
    buildProductConfig(config);
    Application application(config);
    application.start();
    return QApplication::exec();
}
