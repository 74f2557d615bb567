// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Show control's server alone on loopback, for the attack and load tools of
// scripts/show-control-faults.sh: ovatron_show_control_serve PORT TOKEN SECONDS. It serves an
// empty show, counts the commands that arrive and stops after SECONDS, printing the count.
#include "remote/ShowControlServer.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: ovatron_show_control_serve PORT TOKEN SECONDS\n");
        return 2;
    }
    ShowControlServer server(arguments[2], []() { return ShowState{}; });
    if (!server.listen(QHostAddress::LocalHost, static_cast<quint16>(arguments[1].toUInt()))) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    int commands = 0;
    QObject::connect(&server, &ShowControlServer::commandArrived, [&commands]() { ++commands; });
    QTimer::singleShot(arguments[3].toInt() * 1000, &application, &QCoreApplication::quit);
    std::printf("listening on %u\n", server.port());
    std::fflush(stdout);
    const int status = application.exec();
    std::printf("commands: %d\n", commands);
    return status;
}
