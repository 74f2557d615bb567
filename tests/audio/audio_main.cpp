// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The audio tests need an application object for Qt Multimedia, their own settings and data
// folders, and a PulseAudio client that finds no server and never starts one: the capture
// tests start the one they want, and the others must find none, whatever runs on the machine.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    const QByteArray homePath = home.path().toLocal8Bit();
    setenv("HOME", homePath.constData(), 1);
    setenv("XDG_CONFIG_HOME", (homePath + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (homePath + "/data").constData(), 1);
    // No server unless a test starts one: an empty runtime folder, no autospawn.
    setenv("XDG_RUNTIME_DIR", homePath.constData(), 1);
    const QByteArray clientConfig = homePath + "/pulse-client.conf";
    QFile config(QString::fromLocal8Bit(clientConfig));
    if (config.open(QIODevice::WriteOnly))
        config.write("autospawn = no\n");
    config.close();
    setenv("PULSE_CLIENTCONFIG", clientConfig.constData(), 1);
    setenv("PULSE_SERVER", ("unix:" + homePath + "/no-sound-server").constData(), 1);

    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
