#include "app/Ovatron.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends the program with an abort when it cannot reach a display; say so in one line and
// leave with an ordinary failure instead.
void reportFatalMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "ovatron: cannot start: %s\n", qPrintable(message.section('\n', 0, 0)));
        std::_Exit(EXIT_FAILURE);
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
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
    qInstallMessageHandler(reportFatalMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("Ovatron"));
    QApplication::setApplicationVersion(QStringLiteral(OVATRON_FILE_VERSION));
    QApplication::setWindowIcon(Ovatron::programIcon());
    if (!theApp.InitInstance())
        return EXIT_FAILURE;
    return QApplication::exec();
}
