// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/CueSample.h"

#include "audio/SampleDecoder.h"
#include "audio/WavFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <vector>

namespace audio {

namespace {

const char kContext[] = "CuePlayer";
// A minute of 8-channel 96 kHz float, the largest a cue could sensibly be; read no further.
constexpr qint64 kMaximumCueFileBytes = qint64{kMaximumCueSeconds} * 96000 * 8 * 4;

QString problemText(const char* text, const QString& path)
{
    return QCoreApplication::translate(kContext, text).arg(QFileInfo(path).fileName());
}

const char* wavErrorText(WavError error)
{
    switch (error) {
    case WavError::None: return nullptr;
    case WavError::Unreadable: return QT_TRANSLATE_NOOP("CuePlayer", "%1 cannot be read.");
    case WavError::NotWav: return QT_TRANSLATE_NOOP("CuePlayer", "%1 is not a WAV file.");
    case WavError::UnsupportedEncoding:
        return QT_TRANSLATE_NOOP("CuePlayer",
                                 "%1 is compressed or 24-bit; save it as 16-bit PCM.");
    case WavError::NoAudio: return QT_TRANSLATE_NOOP("CuePlayer", "%1 holds no sound.");
    }
    return nullptr;
}

LoadedCue sampleOf(const WavAudio& wav, const QString& path)
{
    LoadedCue loaded;
    if (const char* text = wavErrorText(wav.error)) {
        loaded.problem = problemText(text, path);
        return loaded;
    }
    if (!SampleDecoder::canDecode(wav.format)) {
        loaded.problem = problemText(wavErrorText(WavError::UnsupportedEncoding), path);
        return loaded;
    }
    const qint64 frames = wav.samples.size() / wav.format.bytesPerFrame();
    if (frames > qint64{kMaximumCueSeconds} * wav.format.sampleRate()) {
        loaded.problem = problemText(
            QT_TRANSLATE_NOOP("CuePlayer", "%1 is longer than a minute; a cue lasts seconds."),
            path);
        return loaded;
    }
    std::vector<float> mono;
    mono.reserve(static_cast<std::size_t>(frames));
    SampleDecoder(wav.format).decode(wav.samples, mono);
    loaded.sample.format.setSampleFormat(QAudioFormat::Float);
    loaded.sample.format.setChannelCount(1);
    loaded.sample.format.setSampleRate(wav.format.sampleRate());
    loaded.sample.samples = QByteArray(reinterpret_cast<const char*>(mono.data()),
                                       static_cast<qsizetype>(mono.size() * sizeof(float)));
    return loaded;
}

}  // namespace

LoadedCue loadCueFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaximumCueFileBytes) {
        LoadedCue tooLong;
        tooLong.problem = problemText(
            QT_TRANSLATE_NOOP("CuePlayer", "%1 is longer than a minute; a cue lasts seconds."),
            path);
        return tooLong;
    }
    return sampleOf(readWav(path), path);
}

QString ownCuePath(CueSound cue)
{
    switch (cue) {
    case CueSound::DrumRoll: return QStringLiteral(":/cues/drumroll.wav");
    case CueSound::Fanfare: return QStringLiteral(":/cues/fanfare.wav");
    case CueSound::Buzzer: return QStringLiteral(":/cues/buzzer.wav");
    case CueSound::Sting: return QStringLiteral(":/cues/sting.wav");
    }
    return {};
}

CueSample ownCue(CueSound cue)
{
    return sampleOf(readWav(ownCuePath(cue)), ownCuePath(cue)).sample;
}

}  // namespace audio
