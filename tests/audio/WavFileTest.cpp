// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestSignals.h"

#include "audio/SampleDecoder.h"
#include "audio/WavFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <vector>

namespace audio {
namespace {

using namespace audio::test;

std::vector<float> decodeAll(const QByteArray& bytes, const QAudioFormat& format)
{
    SampleDecoder decoder(format);
    std::vector<float> mono;
    decoder.decode(bytes, mono);
    return mono;
}

class WavFileTest : public testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

TEST_F(WavFileTest, ReadsSixteenBitAndFloatFilesInAnyRateAndChannelCount)
{
    const QAudioFormat formats[] = {
        makeFormat(QAudioFormat::Int16, 1, 48000),
        makeFormat(QAudioFormat::Int16, 2, 44100),
        makeFormat(QAudioFormat::Float, 1, 16000),
        makeFormat(QAudioFormat::Float, 2, 48000),
    };
    for (const QAudioFormat& format : formats) {
        SCOPED_TRACE(testing::Message() << format.sampleFormat() << " x" << format.channelCount());
        const std::vector<float> tone = sine(300, 440.0, 0.5, format.sampleRate());
        const QString file = path(QStringLiteral("tone.wav"));
        ASSERT_TRUE(writeFile(file, wavFile(tone, format)));

        const WavAudio wav = readWav(file);
        ASSERT_EQ(wav.error, WavError::None);
        EXPECT_EQ(wav.format, format);
        const std::vector<float> mono = decodeAll(wav.samples, wav.format);
        ASSERT_EQ(mono.size(), tone.size());
        for (std::size_t i = 0; i < tone.size(); ++i)
            ASSERT_NEAR(mono[i], tone[i], 1.0 / 16384) << "sample " << i;
    }
}

TEST_F(WavFileTest, MixesStereoDownToTheMeanOfTheChannels)
{
    QByteArray frames;
    const float left = 0.5f;
    const float right = -0.25f;
    frames.append(reinterpret_cast<const char*>(&left), sizeof left);
    frames.append(reinterpret_cast<const char*>(&right), sizeof right);
    const std::vector<float> mono = decodeAll(frames, makeFormat(QAudioFormat::Float, 2));
    ASSERT_EQ(mono.size(), 1u);
    EXPECT_FLOAT_EQ(mono[0], 0.125f);
}

TEST_F(WavFileTest, DecoderCompletesFramesCutAcrossBuffers)
{
    const QAudioFormat format = makeFormat(QAudioFormat::Int16, 2);
    const std::vector<float> tone = sine(50, 1000.0, 0.8);
    const QByteArray bytes = encode(tone, format);
    SampleDecoder decoder(format);
    std::vector<float> mono;
    constexpr qsizetype kPiece = 3;  // never a whole frame of four bytes
    for (qsizetype at = 0; at < bytes.size(); at += kPiece)
        decoder.decode(QByteArrayView(bytes).sliced(at, std::min(kPiece, bytes.size() - at)), mono);
    EXPECT_EQ(mono, decodeAll(bytes, format));
    EXPECT_EQ(mono.size(), tone.size());
}

TEST_F(WavFileTest, ExplainsWhyAFileCannotBePlayed)
{
    const std::vector<float> tone = sine(100, 440.0, 0.5);
    QByteArray twentyFourBit = wavFile(tone, makeFormat(QAudioFormat::Int16, 1));
    twentyFourBit[34] = 24;  // bits per sample in the format chunk
    QByteArray compressed = wavFile(tone, makeFormat(QAudioFormat::Int16, 1));
    compressed[20] = 2;  // ADPCM
    QByteArray noData = wavFile({}, makeFormat(QAudioFormat::Float, 1));
    QByteArray truncated = wavFile(tone, makeFormat(QAudioFormat::Float, 1)).left(30);

    struct Case {
        const char* name;
        QByteArray bytes;
        WavError error;
    };
    const Case cases[] = {
        {"text.wav", QByteArray("just some text, long enough to be a header"), WavError::NotWav},
        {"empty.wav", QByteArray(), WavError::NotWav},
        {"cut.wav", truncated, WavError::NotWav},
        {"24bit.wav", twentyFourBit, WavError::UnsupportedEncoding},
        {"adpcm.wav", compressed, WavError::UnsupportedEncoding},
        {"silent.wav", noData, WavError::NoAudio},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeFile(path(QString::fromLatin1(c.name)), c.bytes));
        EXPECT_EQ(readWav(path(QString::fromLatin1(c.name))).error, c.error);
    }
    EXPECT_EQ(readWav(path(QStringLiteral("missing.wav"))).error, WavError::Unreadable);
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("folder.wav")));
    EXPECT_EQ(readWav(path(QStringLiteral("folder.wav"))).error, WavError::Unreadable);
}

TEST_F(WavFileTest, ReadsExtensibleFilesAndDataLongerThanDeclared)
{
    // WAVE_FORMAT_EXTENSIBLE: the encoding moves into the sub-format GUID.
    const std::vector<float> tone = sine(100, 440.0, 0.5);
    QByteArray plain = wavFile(tone, makeFormat(QAudioFormat::Float, 1));
    const QByteArray fmtStart = plain.left(36);  // up to the end of the 16-byte format chunk
    QByteArray extensible = fmtStart;
    extensible[16] = 40;        // chunk size
    extensible[20] = char(0xFE);
    extensible[21] = char(0xFF);
    QByteArray extension(24, '\0');
    extension[0] = 22;          // extension size
    extension[8] = 3;           // sub-format: IEEE float
    extensible += extension + plain.mid(36);

    ASSERT_TRUE(writeFile(path(QStringLiteral("ext.wav")), extensible));
    const WavAudio wav = readWav(path(QStringLiteral("ext.wav")));
    ASSERT_EQ(wav.error, WavError::None);
    EXPECT_EQ(wav.format.sampleFormat(), QAudioFormat::Float);
    EXPECT_EQ(decodeAll(wav.samples, wav.format), tone);

    // A recorder that died before fixing the sizes leaves a data chunk claiming too much.
    QByteArray unfinished = plain;
    const qsizetype dataSize = unfinished.indexOf("data") + 4;
    unfinished.replace(dataSize, 4, QByteArray(4, char(0xFF)));
    const WavAudio cut = parseWav(unfinished);
    ASSERT_EQ(cut.error, WavError::None);
    EXPECT_EQ(cut.samples.size(), qsizetype(tone.size() * sizeof(float)));
}

}  // namespace
}  // namespace audio
