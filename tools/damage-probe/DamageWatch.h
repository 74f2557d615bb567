// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DamageTally.h"
#include "XConnection.h"

#include <chrono>

// Counts what is drawn into one window over a period, through the DAMAGE extension.
class DamageWatch {
public:
    // Starts watching at once: whatever is drawn after the constructor returns is counted.
    DamageWatch(XConnection& connection, WindowId window);
    ~DamageWatch();
    DamageWatch(const DamageWatch&) = delete;
    DamageWatch& operator=(const DamageWatch&) = delete;

    // False when the window does not exist (or the server lacks DAMAGE).
    bool isWatching() const { return m_damage != 0; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    struct Result {
        DamageTally tally;
        double seconds = 0;    // how long was watched in fact
        bool stopped = false;  // stopFd cut the period short
    };
    // Counts until the period ends or stopFd (when not -1) turns readable.
    Result collect(std::chrono::duration<double> period, int stopFd);

private:
    XConnection& m_connection;
    WindowId m_window;
    unsigned long m_damage = 0;  // the DAMAGE object, 0 when not watching
    unsigned long m_createSerial = 0;
    int m_width = 0;
    int m_height = 0;
};
