// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "XConnection.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

namespace {

int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

XConnection::XConnection() : m_display(XOpenDisplay(nullptr))
{
    if (!m_display)
        return;
    XSetErrorHandler(ignoreXError);
    int errorBase = 0;
    int eventBase = 0;
    if (XDamageQueryExtension(m_display, &eventBase, &errorBase)) {
        int major = 1;
        int minor = 1;
        XDamageQueryVersion(m_display, &major, &minor);
        m_damageEventBase = eventBase;
    }
}

XConnection::~XConnection()
{
    if (m_display)
        XCloseDisplay(m_display);
}

int XConnection::damageNotifyType() const
{
    return m_damageEventBase + XDamageNotify;
}

XConnection::Wait XConnection::waitForEvents(std::chrono::steady_clock::time_point deadline,
                                             int stopFd)
{
    using namespace std::chrono;
    for (;;) {
        // The deadline first: events that keep coming must not hold the measurement open.
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left.count() <= 0)
            return Wait::Timeout;
        if (XPending(m_display) > 0)
            return Wait::Events;
        pollfd fds[2] = {{ConnectionNumber(m_display), POLLIN, 0}, {stopFd, POLLIN, 0}};
        const nfds_t count = stopFd >= 0 ? 2 : 1;
        // Ceil so that the deadline itself is reached rather than spun towards.
        const int timeoutMs = int(std::min<milliseconds::rep>(left.count() + 1, 1000));
        const int ready = poll(fds, count, timeoutMs);
        if (ready < 0 && errno != EINTR)
            return Wait::Stopped;
        if (count == 2 && (fds[1].revents & POLLIN))
            return Wait::Stopped;
    }
}
