// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PulseServer.h"

#include <QProcessEnvironment>
#include <QStandardPaths>

#include <cstdlib>
#include <utility>

namespace audio::test {
namespace {

constexpr int kScriptTimeoutMs = 20000;
constexpr int kToolTimeoutMs = 10000;
const char kExportPrefix[] = "export XDG_RUNTIME_DIR=";

// The tools find the server through the runtime folder alone.
QProcessEnvironment environmentFor(const QString& runtimeDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("PULSE_SERVER"));
    if (!runtimeDir.isEmpty())
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return environment;
}

QByteArray serverAddress(const QString& runtimeDir)
{
    return "unix:" + runtimeDir.toLocal8Bit() + "/pulse/native";
}

}  // namespace

bool claimSoundSystem()
{
    static bool claimed = false;
    return !std::exchange(claimed, true);
}

bool PulseServer::isInstalled()
{
    for (const char* tool : {"pulseaudio", "pactl", "paplay"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

PulseServer::~PulseServer()
{
    stop();
}

bool PulseServer::start()
{
    QProcess script;
    script.setProcessEnvironment(environmentFor(QString()));
    script.start(QStringLiteral("bash"),
                 {QStringLiteral(OVATRON_PULSE_SCRIPT), QStringLiteral("start")});
    if (!script.waitForFinished(kScriptTimeoutMs) || script.exitCode() != 0) {
        m_error = QString::fromLocal8Bit(script.readAllStandardError()).trimmed();
        return false;
    }
    const QString output =
        QString::fromLocal8Bit(script.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
    if (!output.startsWith(QLatin1String(kExportPrefix))) {
        m_error = QStringLiteral("unexpected output: ") + output;
        return false;
    }
    m_runtimeDir = output.mid(int(qstrlen(kExportPrefix)));
    m_previousRuntimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    m_previousServer = qgetenv("PULSE_SERVER");
    qputenv("XDG_RUNTIME_DIR", m_runtimeDir.toLocal8Bit());
    qputenv("PULSE_SERVER", serverAddress(m_runtimeDir));
    return true;
}

void PulseServer::stop()
{
    stopPlaying();
    if (m_runtimeDir.isEmpty())
        return;
    QProcess script;
    script.setProcessEnvironment(environmentFor(m_runtimeDir));
    script.start(QStringLiteral("bash"), {QStringLiteral(OVATRON_PULSE_SCRIPT), QStringLiteral("stop")});
    script.waitForFinished(kScriptTimeoutMs);
    qputenv("XDG_RUNTIME_DIR", m_previousRuntimeDir.toLocal8Bit());
    qputenv("PULSE_SERVER", m_previousServer);
    m_runtimeDir.clear();
}

bool PulseServer::pactl(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(environmentFor(m_runtimeDir));
    tool.start(QStringLiteral("pactl"), arguments);
    return tool.waitForFinished(kToolTimeoutMs) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

int PulseServer::loadModule(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(environmentFor(m_runtimeDir));
    tool.start(QStringLiteral("pactl"), QStringList{QStringLiteral("load-module")} + arguments);
    if (!tool.waitForFinished(kToolTimeoutMs) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0)
        return -1;
    bool number = false;
    const int index = QString::fromLatin1(tool.readAllStandardOutput()).trimmed().toInt(&number);
    return number ? index : -1;
}

bool PulseServer::play(const QString& wavPath, const QString& sink)
{
    auto player = std::make_unique<QProcess>();
    player->setProcessEnvironment(environmentFor(m_runtimeDir));
    player->start(QStringLiteral("paplay"), {QStringLiteral("--device=") + sink, wavPath});
    const bool started = player->waitForStarted(kToolTimeoutMs);
    m_players.push_back(std::move(player));
    return started;
}

void PulseServer::stopPlaying()
{
    for (const std::unique_ptr<QProcess>& player : m_players) {
        player->kill();  // our own child, by its handle
        player->waitForFinished(kToolTimeoutMs);
    }
    m_players.clear();
}

}  // namespace audio::test
