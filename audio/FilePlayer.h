// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>
#include <QObject>
#include <QTimer>

// Plays a WAV file's samples into a device in real time, over and over, as a microphone
// would deliver them: for rehearsals without a room, and for tests.
namespace audio {

class FilePlayer : public QObject {
    Q_OBJECT
public:
    // samples holds whole frames of format; sink must outlive the player's playing.
    FilePlayer(const QByteArray& samples, const QAudioFormat& format, QIODevice* sink,
               QObject* parent = nullptr);

    void start();
    void stop();

private:
    void deliverDue();
    void write(qint64 bytes);

    QByteArray m_samples;
    QAudioFormat m_format;
    QIODevice* m_sink;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_framesSent = 0;
    qsizetype m_position = 0;
};

}  // namespace audio
