// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/AudioInput.h"

#include "audio/CaptureWorker.h"

#include <QMediaDevices>

namespace audio {
namespace {

// Closing a device takes milliseconds; an audio system that hangs must not hold the exit.
constexpr int kShutdownWaitMs = 2000;

}  // namespace

AudioInput::AudioInput(QObject* parent)
    : QObject(parent), m_worker(new CaptureWorker(m_board))
{
    // Qt keeps one connection to the sound system for the whole process, serviced by the
    // thread that first asks for devices. Asking here puts it on this (the UI) thread,
    // which lives as long as the program: an audio thread that ends would leave it
    // unable to reconnect after the sound server restarts.
    QMediaDevices::audioInputs();
    m_thread.setObjectName(QStringLiteral("Ovatron audio"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &CaptureWorker::failed, this, &AudioInput::failed);
    connect(m_worker, &CaptureWorker::resumed, this, &AudioInput::resumed);
    connect(m_worker, &CaptureWorker::floorMeasured, this, &AudioInput::floorMeasured);
    m_thread.start();
}

AudioInput::~AudioInput()
{
    // Stopping before quitting closes the device while the thread's event loop still runs.
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] {
        worker->stop();
        worker->thread()->quit();
    });
    if (!m_thread.wait(kShutdownWaitMs)) {
        // The audio system hangs in a call; the process is ending, so leave it behind
        // rather than hang the exit or crash on a running thread.
        qWarning("The audio thread did not stop in time.");
        m_thread.terminate();
        m_thread.wait(kShutdownWaitMs);
    }
}

QList<InputDevice> AudioInput::devices()
{
    return inputDevices();
}

void AudioInput::startDevice(const QString& deviceId, const MicrophoneCalibration& calibration)
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, deviceId, calibration] {
        worker->startDevice(deviceId, calibration);
    });
}

void AudioInput::startFile(const QString& path, const MicrophoneCalibration& calibration)
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, path, calibration] {
        worker->startFile(path, calibration);
    });
}

void AudioInput::stop()
{
    QMetaObject::invokeMethod(m_worker, &CaptureWorker::stop);
}

void AudioInput::setCalibration(const MicrophoneCalibration& calibration)
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, calibration] {
        worker->setCalibration(calibration);
    });
}

bool AudioInput::measureFloor()
{
    if (!isLive())
        return false;
    QMetaObject::invokeMethod(m_worker, &CaptureWorker::measureFloor);
    return true;
}

}  // namespace audio
