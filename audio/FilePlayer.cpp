// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/FilePlayer.h"

#include <algorithm>

namespace audio {
namespace {

// Half the meter's 20 ms tick, so every tick finds a fresh reading.
constexpr int kDeliveryIntervalMs = 10;
// After the thread was held up, catch up at most this much rather than flood the meter.
constexpr qint64 kMaximumCatchUpMs = 200;
constexpr qint64 kNanosecondsPerSecond = 1'000'000'000;

}  // namespace

FilePlayer::FilePlayer(const QByteArray& samples, const QAudioFormat& format, QIODevice* sink,
                       QObject* parent)
    : QObject(parent), m_samples(samples), m_format(format), m_sink(sink), m_timer(this)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kDeliveryIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &FilePlayer::deliverDue);
}

void FilePlayer::start()
{
    m_framesSent = 0;
    m_position = 0;
    m_clock.start();
    m_timer.start();
}

void FilePlayer::stop()
{
    m_timer.stop();
}

void FilePlayer::deliverDue()
{
    const qint64 rate = m_format.sampleRate();
    const qint64 framesDue = m_clock.nsecsElapsed() * rate / kNanosecondsPerSecond;
    const qint64 maximum = rate * kMaximumCatchUpMs / 1000;
    if (framesDue - m_framesSent > maximum)
        m_framesSent = framesDue - maximum;
    const qint64 frames = framesDue - m_framesSent;
    if (frames <= 0)
        return;
    m_framesSent = framesDue;
    write(frames * m_format.bytesPerFrame());
}

void FilePlayer::write(qint64 bytes)
{
    while (bytes > 0 && !m_samples.isEmpty()) {
        const qsizetype piece = qsizetype(std::min<qint64>(bytes, m_samples.size() - m_position));
        m_sink->write(m_samples.constData() + m_position, piece);
        m_position = (m_position + piece) % m_samples.size();
        bytes -= piece;
    }
}

}  // namespace audio
