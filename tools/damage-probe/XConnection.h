// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

// Xlib's own names, declared without its header: its macros (None, Bool, Status) break Qt's
// headers included after it, so only the .cpp files that talk to X include it, last.
typedef struct _XDisplay Display;
using WindowId = unsigned long;

// A connection to the X server named by $DISPLAY, with the DAMAGE extension looked up.
// Errors about windows that vanished while being watched are expected and ignored: the
// program under watch creates and destroys windows as it likes.
class XConnection {
public:
    XConnection();
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool isOpen() const { return m_display != nullptr; }
    bool hasDamage() const { return m_damageEventBase >= 0; }
    Display* display() const { return m_display; }
    int damageNotifyType() const;

    enum class Wait { Events, Timeout, Stopped };
    // Waits until an event is queued, the deadline passes or stopFd (when not -1) turns
    // readable. Reports Events at once when some are queued already, Timeout once the
    // deadline has passed, whatever is queued.
    Wait waitForEvents(std::chrono::steady_clock::time_point deadline, int stopFd);

private:
    Display* m_display = nullptr;
    int m_damageEventBase = -1;
};
