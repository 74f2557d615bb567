// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/CuePlayback.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>

namespace audio {

namespace {

// What the sink holds ahead of the speakers: short, so that a cut is heard as a cut.
constexpr int kBufferMilliseconds = 100;
// Silence after a cue, more than the sink holds, so that stopping it loses no sound.
constexpr int kTailMilliseconds = 300;

std::size_t slot(CueSound cue) { return static_cast<std::size_t>(cue); }

qint64 bytesFor(const QAudioFormat& format, int milliseconds)
{
    return format.bytesForDuration(qint64{milliseconds} * 1000);
}

}  // namespace

CueReader::CueReader(QByteArray samples, qint64 tailBytes, bool loop, QObject* parent)
    : QIODevice(parent), m_samples(std::move(samples)), m_tailBytes(loop ? 0 : tailBytes),
      m_loop(loop)
{
}

qint64 CueReader::bytesAvailable() const
{
    if (m_loop)
        return m_samples.size() + QIODevice::bytesAvailable();
    return m_samples.size() + m_tailBytes - m_position + QIODevice::bytesAvailable();
}

qint64 CueReader::readData(char* data, qint64 maxSize)
{
    const qint64 size = m_samples.size();
    qint64 written = 0;
    while (written < maxSize) {
        if (m_loop && m_position >= size)
            m_position = 0;
        if (m_position < size) {
            const qint64 part = std::min(maxSize - written, size - m_position);
            std::memcpy(data + written, m_samples.constData() + m_position,
                        static_cast<std::size_t>(part));
            written += part;
            m_position += part;
        } else {
            const qint64 part = std::min(maxSize - written, size + m_tailBytes - m_position);
            if (part <= 0)
                break;
            std::memset(data + written, 0, static_cast<std::size_t>(part));
            written += part;
            m_position += part;
        }
        if (size == 0)
            break;
    }
    return written;
}

CuePlayback::CuePlayback(QObject* parent) : QObject(parent) {}

CuePlayback::~CuePlayback()
{
    stopAll();
}

QList<OutputDevice> CuePlayback::devices()
{
    QList<OutputDevice> outputs;
    const QAudioDevice preferred = QMediaDevices::defaultAudioOutput();
    for (const QAudioDevice& device : QMediaDevices::audioOutputs())
        outputs.append(OutputDevice{QString::fromUtf8(device.id()), device.description(),
                                    device.id() == preferred.id()});
    return outputs;
}

void CuePlayback::setOutput(const QString& deviceId, int volumePercent)
{
    m_deviceId = deviceId;
    // The operator's percent is how loud it sounds; the sink takes a factor of the samples.
    m_volume = static_cast<float>(QAudio::convertVolume(std::clamp(volumePercent, 0, 100) / 100.0,
                                                        QAudio::LogarithmicVolumeScale,
                                                        QAudio::LinearVolumeScale));
    if (m_roll)
        m_roll->sink->setVolume(m_volume);
    if (m_shot)
        m_shot->sink->setVolume(m_volume);
}

QString CuePlayback::setSound(CueSound cue, const QString& path)
{
    if (path.isEmpty()) {
        m_sounds[slot(cue)] = CueSample{};  // the project's own, read when first wanted
        return {};
    }
    LoadedCue loaded = loadCueFile(path);
    m_sounds[slot(cue)] = loaded.problem.isEmpty() ? std::move(loaded.sample) : CueSample{};
    return loaded.problem;
}

const CueSample& CuePlayback::sampleOf(CueSound cue)
{
    CueSample& sound = m_sounds[slot(cue)];
    if (sound.isEmpty())
        sound = ownCue(cue);
    return sound;
}

std::unique_ptr<CuePlayback::Voice> CuePlayback::startVoice(const CueSample& sample, bool loop)
{
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    for (const QAudioDevice& output : QMediaDevices::audioOutputs()) {
        if (!m_deviceId.isEmpty() && QString::fromUtf8(output.id()) == m_deviceId)
            device = output;
    }
    if (device.isNull()) {
        report(QCoreApplication::translate("CuePlayer",
                                           "The sound cues are silent: no loudspeaker output."));
        return nullptr;
    }
    auto voice = std::make_unique<Voice>();
    voice->reader = std::make_unique<CueReader>(
        sample.samples, bytesFor(sample.format, kTailMilliseconds), loop);
    voice->reader->open(QIODevice::ReadOnly);
    voice->sink = std::make_unique<QAudioSink>(device, sample.format);
    voice->sink->setBufferSize(bytesFor(sample.format, kBufferMilliseconds));
    voice->sink->setVolume(m_volume);
    voice->sink->start(voice->reader.get());
    if (voice->sink->error() != QAudio::NoError) {
        report(QCoreApplication::translate("CuePlayer", "The sound cues cannot play on %1.")
                   .arg(device.description()));
        return nullptr;
    }
    m_failing = false;
    return voice;
}

void CuePlayback::startRoll()
{
    if (m_roll)
        return;
    m_roll = startVoice(sampleOf(CueSound::DrumRoll), true);
}

void CuePlayback::stopRoll()
{
    if (m_roll)
        m_roll->sink->stop();
    m_roll.reset();
}

void CuePlayback::play(CueSound cue)
{
    if (std::find(m_waiting.begin(), m_waiting.end(), cue) == m_waiting.end())
        m_waiting.push_back(cue);
    if (!m_shot)
        playNext();
}

void CuePlayback::playNext()
{
    while (!m_shot && !m_waiting.empty()) {
        const CueSound cue = m_waiting.front();
        m_waiting.pop_front();
        m_shot = startVoice(sampleOf(cue), false);
        if (m_shot) {
            // Queued, so that the sink is not stopped inside its own report; a report of a
            // voice that went meanwhile is dropped.
            const quint64 shot = ++m_shotsStarted;
            connect(m_shot->sink.get(), &QAudioSink::stateChanged, this,
                    [this, shot](QAudio::State state) {
                        if (shot == m_shotsStarted)
                            shotEnded(state);
                    },
                    Qt::QueuedConnection);
        }
    }
}

void CuePlayback::shotEnded(QAudio::State state)
{
    if (!m_shot || (state != QAudio::IdleState && state != QAudio::StoppedState))
        return;
    if (m_shot->sink->error() != QAudio::NoError && m_shot->sink->error() != QAudio::UnderrunError)
        report(QCoreApplication::translate("CuePlayer", "A sound cue stopped: the output failed."));
    m_shot->sink->stop();
    m_shot.reset();
    playNext();
}

void CuePlayback::stopAll()
{
    m_waiting.clear();
    stopRoll();
    if (m_shot)
        m_shot->sink->stop();
    m_shot.reset();
}

void CuePlayback::report(const QString& message)
{
    if (m_failing)
        return;
    m_failing = true;
    emit failed(message);
}

}  // namespace audio
