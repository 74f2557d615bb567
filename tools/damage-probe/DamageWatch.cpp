// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DamageWatch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

// Why raw rectangles: the server then reports the pixels of every drawing request, each
// time, however often the same pixels are drawn, so the sum is what the program pushed to
// the screen. With delta rectangles the server sends only what is not yet damaged, so the sum
// would depend on how often this probe gets to clear the damage (its own scheduling);
// with a bounding box or non-empty level it would not be a pixel count at all.
//
// Why one damage object is enough for the window and its children: without a compositor
// every window draws into the screen's pixmap, and the server clips each damage object
// to its window's border clip, which takes in the child windows; so drawing into a child
// is reported on its parent as well (the tests check this), and watching the children
// too would count their pixels twice. Watching the root window thus counts the screen.

DamageWatch::DamageWatch(XConnection& connection, WindowId window)
    : m_connection(connection), m_window(window)
{
    if (!connection.isOpen() || !connection.hasDamage())
        return;
    Display* display = connection.display();
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return;
    m_width = attributes.width;
    m_height = attributes.height;
    // On creation the server reports the whole visible window as damaged, with the serial
    // of the creating request; that is no drawing and is left out.
    m_createSerial = NextRequest(display);
    m_damage = XDamageCreate(display, window, XDamageReportRawRectangles);
    // The damage object exists on the server once this returns, so nothing drawn after the
    // constructor is missed.
    XSync(display, False);
}

DamageWatch::~DamageWatch()
{
    if (m_damage) {
        XDamageDestroy(m_connection.display(), m_damage);
        XSync(m_connection.display(), False);
    }
}

DamageWatch::Result DamageWatch::collect(std::chrono::duration<double> period, int stopFd)
{
    using Clock = std::chrono::steady_clock;
    Result result;
    if (!m_damage)
        return result;
    Display* display = m_connection.display();
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline =
        start + std::chrono::duration_cast<Clock::duration>(period);
    for (;;) {
        const XConnection::Wait wait = m_connection.waitForEvents(deadline, stopFd);
        if (wait == XConnection::Wait::Timeout)
            break;
        if (wait == XConnection::Wait::Stopped) {
            result.stopped = true;
            break;
        }
        while (XPending(display) > 0 && Clock::now() < deadline) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != m_connection.damageNotifyType())
                continue;
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (damage.damage == m_damage && damage.serial != m_createSerial)
                addRectangle(result.tally, damage.area.width, damage.area.height);
        }
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}
