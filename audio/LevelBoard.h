// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/LoudnessMeter.h"

#include <atomic>
#include <cstdint>

// Where the audio thread leaves the latest reading for the UI thread: plain atomics, so a
// 20 ms tick reads them without ever waiting for the audio thread.
namespace audio {

struct LevelReading {
    int level = 0;                   // 0..100 through the calibration
    double loudnessLufs = kSilenceLufs;  // momentary loudness
};

class LevelBoard {
public:
    void publish(LevelReading reading)
    {
        store(reading);
        m_updates.fetch_add(1, std::memory_order_release);
    }

    // Live: sound is arriving and every reading is fresh. Not live: the readings rest at
    // silence and the meter falls back to the keyboard.
    void setLive(bool live)
    {
        if (!live)
            store({});
        m_live.store(live, std::memory_order_release);
    }

    bool isLive() const { return m_live.load(std::memory_order_acquire); }
    int level() const { return m_level.load(std::memory_order_relaxed); }
    double loudnessLufs() const { return m_loudnessLufs.load(std::memory_order_relaxed); }
    // How many readings were published so far; tells a fresh reading from a stale one.
    std::uint64_t updates() const { return m_updates.load(std::memory_order_acquire); }

private:
    void store(LevelReading reading)
    {
        m_loudnessLufs.store(reading.loudnessLufs, std::memory_order_relaxed);
        m_level.store(reading.level, std::memory_order_relaxed);
    }

    std::atomic<int> m_level{0};
    std::atomic<double> m_loudnessLufs{kSilenceLufs};
    std::atomic<bool> m_live{false};
    std::atomic<std::uint64_t> m_updates{0};
};

}  // namespace audio
