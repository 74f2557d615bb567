// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/CaptureWorker.h"

#include "audio/CaptureFormat.h"
#include "audio/FilePlayer.h"
#include "audio/InputDevices.h"
#include "audio/LevelSink.h"
#include "audio/WavFile.h"

#include <QAudioSource>
#include <QMediaDevices>

#include <utility>

namespace audio {
namespace {

// Small device buffers keep the reading within a tick of the room.
constexpr int kCaptureBufferMs = 20;
// How often the microphone is checked: still listed, still sending. Qt 6.4 does not tell
// about PulseAudio devices coming and going, so this is how both are noticed.
constexpr int kWatchMs = 500;
// A microphone that sends nothing for this long has stopped, whatever the system says.
constexpr int kStallMs = 1500;
// Starting takes longer: some devices (Bluetooth, a sound server's virtual ones) wake up
// slowly, and the first sound may take a second or two.
constexpr int kStartupMs = 5000;

qsizetype bytesFor(int milliseconds, const QAudioFormat& format)
{
    return qsizetype(format.bytesForDuration(qint64(milliseconds) * 1000));
}

}  // namespace

CaptureWorker::CaptureWorker(LevelBoard& board, QObject* parent)
    : QObject(parent), m_board(board), m_watchTimer(this)
{
    m_watchTimer.setInterval(kWatchMs);
    connect(&m_watchTimer, &QTimer::timeout, this, &CaptureWorker::watchDevice);
}

CaptureWorker::~CaptureWorker()
{
    closeInput();
}

void CaptureWorker::startDevice(const QString& id, const MicrophoneCalibration& calibration)
{
    stop();
    if (!m_mediaDevices) {
        // Where the system does announce changes, they are acted on at once.
        m_mediaDevices = new QMediaDevices(this);
        connect(m_mediaDevices, &QMediaDevices::audioInputsChanged, this, &CaptureWorker::watchDevice);
    }
    m_mode = Mode::Device;
    m_wantedId = id;
    m_calibration = calibration;
    m_watchTimer.start();
    openDevice();
}

void CaptureWorker::startFile(const QString& path, const MicrophoneCalibration& calibration)
{
    stop();
    m_mode = Mode::File;
    m_calibration = calibration;
    const WavAudio wav = readWav(path);
    if (wav.error != WavError::None) {
        fail(faultForWavError(wav.error), path);
        return;
    }
    openSink(wav.format);
    m_player = new FilePlayer(wav.samples, wav.format, m_sink, this);
    m_player->start();
}

void CaptureWorker::stop()
{
    closeInput();
    m_watchTimer.stop();
    m_mode = Mode::Idle;
    m_fault.reset();
    m_wasDown = false;
}

void CaptureWorker::setCalibration(const MicrophoneCalibration& calibration)
{
    m_calibration = calibration;
    if (m_sink)
        m_sink->setCalibration(calibration);
}

void CaptureWorker::measureFloor()
{
    if (m_sink)
        m_sink->startFloorMeasurement();
}

void CaptureWorker::openDevice()
{
    const std::optional<QAudioDevice> device = findInputDevice(m_wantedId);
    if (!device) {
        fail(m_wantedId.isEmpty() ? AudioFault::NoInputDevice : AudioFault::DeviceMissing, m_wantedId);
        return;
    }
    const std::optional<QAudioFormat> format = chooseCaptureFormat(*device);
    if (!format) {
        fail(AudioFault::FormatRefused, device->description());
        return;
    }
    m_device = *device;
    openSink(*format);
    m_source = new QAudioSource(m_device, *format, this);
    m_source->setBufferSize(bytesFor(kCaptureBufferMs, *format));
    connect(m_source, &QAudioSource::stateChanged, this, &CaptureWorker::onSourceStateChanged);
    m_silence.start();
    m_source->start(m_sink);
    if (m_source->error() != QAudio::NoError) {
        // Opening is where a device turns down the format it claimed to take.
        const bool refused = m_source->error() == QAudio::OpenError;
        fail(refused ? AudioFault::FormatRefused : AudioFault::DeviceFailed, m_device.description());
    }
}

void CaptureWorker::openSink(const QAudioFormat& format)
{
    m_sink = new LevelSink(format, m_board, m_calibration, this);
    m_sink->open(QIODevice::WriteOnly);
    connect(m_sink, &LevelSink::soundArrived, this, &CaptureWorker::onSoundArrived);
    connect(m_sink, &LevelSink::floorMeasured, this, &CaptureWorker::floorMeasured);
}

void CaptureWorker::closeInput()
{
    // Deleted here and now, on this thread with its event loop still running: Qt's
    // PulseAudio source runs events while it is destroyed, and as a deferred deletion at
    // thread exit it would run this object's own deletion inside its own.
    delete std::exchange(m_player, nullptr);
    if (m_source) {
        m_source->stop();
        delete std::exchange(m_source, nullptr);
    }
    delete std::exchange(m_sink, nullptr);
    m_heard = false;
    m_board.setLive(false);
}

void CaptureWorker::fail(AudioFault fault, const QString& name)
{
    closeInput();
    const bool news = m_fault != fault;
    m_fault = fault;
    if (m_mode == Mode::Device)
        m_wasDown = true;
    if (news)
        emit failed(faultMessage(fault, name));
}

void CaptureWorker::onSoundArrived()
{
    m_board.setLive(true);
    m_heard = true;
    m_fault.reset();
    if (m_wasDown) {
        m_wasDown = false;
        emit resumed(deviceReturnedMessage(m_device.description()));
    }
}

void CaptureWorker::watchDevice()
{
    if (m_mode != Mode::Device)
        return;
    if (!m_source) {
        openDevice();  // looking for it to come back
        return;
    }
    if (!QMediaDevices::audioInputs().contains(m_device)) {
        fail(AudioFault::DeviceLost, m_device.description());
        return;
    }
    if (m_sink->takeArrival())
        m_silence.start();
    else if (m_silence.elapsed() > (m_heard ? kStallMs : kStartupMs))
        fail(AudioFault::DeviceFailed, m_device.description());
}

void CaptureWorker::onSourceStateChanged(QAudio::State state)
{
    // Handled once the source is out of its own call: handling it deletes the source.
    if (state == QAudio::StoppedState)
        QMetaObject::invokeMethod(this, &CaptureWorker::checkSourceStopped, Qt::QueuedConnection);
}

void CaptureWorker::checkSourceStopped()
{
    if (m_source && m_source->state() == QAudio::StoppedState && m_source->error() != QAudio::NoError)
        fail(AudioFault::DeviceFailed, m_device.description());
}

}  // namespace audio
