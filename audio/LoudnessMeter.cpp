// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/LoudnessMeter.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>

namespace audio {

struct LoudnessMeter::State {
    explicit State(ebur128_state* handle) : handle(handle) {}
    ~State() { ebur128_destroy(&handle); }
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    ebur128_state* handle;
};

namespace {

ebur128_state* createHandle(unsigned sampleRate, unsigned windowMs)
{
    if (sampleRate == 0)
        return nullptr;
    const bool shortTerm = windowMs >= kShortTermWindowMs;
    ebur128_state* state = ebur128_init(1, sampleRate, shortTerm ? EBUR128_MODE_S : EBUR128_MODE_M);
    if (!state)
        return nullptr;
    // One channel counts as the centre speaker: no surround weighting.
    ebur128_set_channel(state, 0, EBUR128_CENTER);
    const unsigned modeWindowMs = shortTerm ? kShortTermWindowMs : kMomentaryWindowMs;
    if (windowMs > modeWindowMs && ebur128_set_max_window(state, windowMs) != EBUR128_SUCCESS) {
        ebur128_destroy(&state);
        return nullptr;
    }
    return state;
}

}  // namespace

std::unique_ptr<LoudnessMeter::State> LoudnessMeter::createState(unsigned sampleRate, unsigned windowMs)
{
    ebur128_state* handle = createHandle(sampleRate, windowMs);
    return handle ? std::make_unique<State>(handle) : nullptr;
}

LoudnessMeter::LoudnessMeter(unsigned sampleRate, unsigned windowMs)
    : m_state(createState(sampleRate, windowMs)), m_sampleRate(sampleRate), m_windowMs(windowMs)
{
}

LoudnessMeter::~LoudnessMeter() = default;

void LoudnessMeter::addFrames(const float* samples, std::size_t count)
{
    if (m_state && count > 0)
        ebur128_add_frames_float(m_state->handle, samples, count);
}

void LoudnessMeter::addFrames(const std::int16_t* samples, std::size_t count)
{
    if (m_state && count > 0)
        ebur128_add_frames_short(m_state->handle, samples, count);
}

double LoudnessMeter::loudness() const
{
    if (!m_state)
        return kSilenceLufs;
    double lufs = kSilenceLufs;
    int result = EBUR128_SUCCESS;
    if (m_windowMs == kMomentaryWindowMs)
        result = ebur128_loudness_momentary(m_state->handle, &lufs);
    else if (m_windowMs == kShortTermWindowMs)
        result = ebur128_loudness_shortterm(m_state->handle, &lufs);
    else
        result = ebur128_loudness_window(m_state->handle, m_windowMs, &lufs);
    return result == EBUR128_SUCCESS ? boundedLoudness(lufs) : kSilenceLufs;
}

void LoudnessMeter::reset()
{
    m_state = createState(m_sampleRate, m_windowMs);
}

double boundedLoudness(double lufs)
{
    if (std::isnan(lufs))
        return kSilenceLufs;
    return std::max(lufs, kSilenceLufs);
}

}  // namespace audio
