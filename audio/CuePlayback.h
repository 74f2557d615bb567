// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/CuePlayer.h"
#include "audio/CueSample.h"

#include <QAudioSink>
#include <QIODevice>
#include <QObject>

#include <array>
#include <deque>
#include <memory>

// The sound cues through Qt Multimedia: the drum roll on a voice of its own, looping, and the
// other cues one after the other on a second voice. A voice is an audio sink that exists only
// while it sounds, so nothing runs at rest.
namespace audio {

// A cue's samples read out once, with a short silence after them so that the last sound
// reaches the speakers before the sink stops, or over and over.
class CueReader : public QIODevice {
    Q_OBJECT
public:
    CueReader(QByteArray samples, qint64 tailBytes, bool loop, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_samples;
    qint64 m_tailBytes;
    bool m_loop;
    qint64 m_position = 0;
};

class CuePlayback : public QObject {
    Q_OBJECT
public:
    explicit CuePlayback(QObject* parent = nullptr);
    ~CuePlayback() override;

    static QList<OutputDevice> devices();
    void setOutput(const QString& deviceId, int volumePercent);
    QString setSound(CueSound cue, const QString& path);

    void startRoll();
    void stopRoll();
    void play(CueSound cue);
    void stopAll();
    bool isSounding() const { return m_roll || m_shot || !m_waiting.empty(); }

signals:
    void failed(const QString& message);

private:
    struct Voice {
        std::unique_ptr<CueReader> reader;
        std::unique_ptr<QAudioSink> sink;
    };

    const CueSample& sampleOf(CueSound cue);
    // A sounding voice for the sample on the chosen output; none (and a report) when the
    // output cannot take it.
    std::unique_ptr<Voice> startVoice(const CueSample& sample, bool loop);
    void playNext();
    // The shot voice ran out of samples: the next waiting cue follows.
    void shotEnded(QAudio::State state);
    void report(const QString& message);

    QString m_deviceId;
    float m_volume = 0.8f;
    std::array<CueSample, 4> m_sounds;  // by CueSound; empty until first wanted
    std::unique_ptr<Voice> m_roll;
    std::unique_ptr<Voice> m_shot;
    std::deque<CueSound> m_waiting;
    quint64 m_shotsStarted = 0;
    bool m_failing = false;  // reported until a cue plays again
};

}  // namespace audio
