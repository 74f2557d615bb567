// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A private PulseAudio server for one test, started and stopped by
// tests/support/pulse-server.sh: sound played into its sink "hall" comes out of the
// default microphone "hallmic" (HallMic).
namespace audio::test {

// Qt 6.4 keeps one connection to the sound system per process, made when first asked and
// unreliable once that server is gone. So each capture test needs a process of its own, as
// ctest gives it; true for the first caller in this process only.
bool claimSoundSystem();

class PulseServer {
public:
    // Whether pulseaudio and its tools are installed; tests skip without them.
    static bool isInstalled();

    PulseServer() = default;
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Starts the server and points this process at it (XDG_RUNTIME_DIR, PULSE_SERVER).
    // On failure, error() says why.
    bool start();
    void stop();
    QString error() const { return m_error; }

    // Runs pactl against this server; true when it succeeded.
    bool pactl(const QStringList& arguments);
    // Loads a module into the server: its index, for unloading it, or -1.
    int loadModule(const QStringList& arguments);

    // Plays a WAV file into "hall" (or another sink) until stopPlaying() or the file ends.
    bool play(const QString& wavPath, const QString& sink = QStringLiteral("hall"));
    void stopPlaying();

private:
    QString m_runtimeDir;
    QString m_previousRuntimeDir;
    QByteArray m_previousServer;
    QString m_error;
    std::vector<std::unique_ptr<QProcess>> m_players;
};

}  // namespace audio::test
