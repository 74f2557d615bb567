// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Loudness of a mono signal after EBU R 128: K-weighted energy over a sliding window.
namespace audio {

// What silence reads as: libebur128 answers minus infinity, and nothing downstream wants that.
inline constexpr double kSilenceLufs = -120.0;
// The momentary and short-term windows of EBU R 128.
inline constexpr unsigned kMomentaryWindowMs = 400;
inline constexpr unsigned kShortTermWindowMs = 3000;

class LoudnessMeter {
public:
    // windowMs is the window that loudness() covers; the momentary one unless told otherwise.
    // sampleRate is whatever the device gives; a rate libebur128 refuses leaves the meter
    // reading silence (isValid() tells).
    explicit LoudnessMeter(unsigned sampleRate, unsigned windowMs = kMomentaryWindowMs);
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter&) = delete;
    LoudnessMeter& operator=(const LoudnessMeter&) = delete;

    bool isValid() const { return m_state != nullptr; }
    unsigned sampleRate() const { return m_sampleRate; }

    void addFrames(const float* samples, std::size_t count);
    void addFrames(const std::int16_t* samples, std::size_t count);

    // The loudness of the last window in LUFS, never below kSilenceLufs and never NaN.
    // Before a whole window has been fed the missing part counts as silence.
    double loudness() const;

    // Forgets everything fed so far.
    void reset();

private:
    struct State;  // libebur128's state, which cannot be declared ahead
    static std::unique_ptr<State> createState(unsigned sampleRate, unsigned windowMs);

    std::unique_ptr<State> m_state;
    unsigned m_sampleRate;
    unsigned m_windowMs;
};

// The figure libebur128 answers, made safe for arithmetic and display.
double boundedLoudness(double lufs);

}  // namespace audio
