// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DamageWatch.h"
#include "XvfbServer.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <memory>

// Last: its macros clash with Qt headers.
#include <X11/Xlib.h>

namespace {

// Long enough for the server's events to come back; what is counted was drawn before.
constexpr std::chrono::milliseconds kCollectPeriod{300};

// Another client that draws, as the program under watch would: a 200x100 window at
// (10, 10) with a 50x40 child at (20, 30), and a separate window beside them.
class DamageWatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.isRunning()) << m_server.error().toStdString();
        m_drawing = XOpenDisplay(nullptr);
        ASSERT_NE(m_drawing, nullptr);
        const Window root = DefaultRootWindow(m_drawing);
        const unsigned long white = WhitePixel(m_drawing, DefaultScreen(m_drawing));
        m_window = XCreateSimpleWindow(m_drawing, root, 10, 10, 200, 100, 0, white, white);
        m_child = XCreateSimpleWindow(m_drawing, m_window, 20, 30, 50, 40, 0, white, white);
        m_other = XCreateSimpleWindow(m_drawing, root, 300, 300, 100, 100, 0, white, white);
        XMapWindow(m_drawing, m_child);
        XMapWindow(m_drawing, m_window);
        XMapWindow(m_drawing, m_other);
        m_gc = XCreateGC(m_drawing, m_window, 0, nullptr);
        XSync(m_drawing, False);
        m_probe = std::make_unique<XConnection>();
        ASSERT_TRUE(m_probe->isOpen());
        ASSERT_TRUE(m_probe->hasDamage());
    }

    void TearDown() override
    {
        m_probe.reset();
        if (m_drawing) {
            XFreeGC(m_drawing, m_gc);
            XCloseDisplay(m_drawing);
        }
    }

    void fill(Window window, int x, int y, int width, int height)
    {
        XFillRectangle(m_drawing, window, m_gc, x, y, unsigned(width), unsigned(height));
        // Sent at once, so that Xlib does not merge it with the next fill into one request.
        XFlush(m_drawing);
    }

    XvfbServer m_server;
    Display* m_drawing = nullptr;
    Window m_window = 0;
    Window m_child = 0;
    Window m_other = 0;
    GC m_gc = nullptr;
    std::unique_ptr<XConnection> m_probe;
};

}  // namespace

TEST_F(DamageWatchTest, CountsEveryDrawingInTheWindowAndItsChildrenOnce)
{
    DamageWatch watch(*m_probe, m_window);
    ASSERT_TRUE(watch.isWatching());
    EXPECT_EQ(watch.width(), 200);
    EXPECT_EQ(watch.height(), 100);

    fill(m_window, 100, 50, 30, 20);  // 600 pixels
    fill(m_window, 100, 50, 30, 20);  // the same pixels again count again
    fill(m_child, 0, 0, 10, 10);      // 100 pixels in the child, counted on the parent
    fill(m_window, 190, 90, 20, 20);  // only the 10x10 inside the window counts
    fill(m_other, 0, 0, 50, 50);      // another window: not counted
    XSync(m_drawing, False);

    const DamageWatch::Result result = watch.collect(kCollectPeriod, -1);
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(result.tally.pixels, 600u + 600u + 100u + 100u);
    EXPECT_EQ(result.tally.rectangles, 4u);
    EXPECT_GE(result.seconds, 0.25);
}

TEST_F(DamageWatchTest, TheRootWindowCountsTheWholeScreen)
{
    DamageWatch watch(*m_probe, DefaultRootWindow(m_probe->display()));
    ASSERT_TRUE(watch.isWatching());
    EXPECT_EQ(watch.width(), 640);
    EXPECT_EQ(watch.height(), 480);

    fill(m_window, 0, 0, 30, 20);
    fill(m_child, 0, 0, 10, 10);
    fill(m_other, 0, 0, 50, 50);
    XSync(m_drawing, False);

    EXPECT_EQ(watch.collect(kCollectPeriod, -1).tally.pixels, 600u + 100u + 2500u);
}

TEST_F(DamageWatchTest, NothingDrawnCountsNothing)
{
    DamageWatch watch(*m_probe, m_window);
    fill(m_other, 0, 0, 50, 50);
    XSync(m_drawing, False);
    const DamageWatch::Result result = watch.collect(kCollectPeriod, -1);
    EXPECT_EQ(result.tally.pixels, 0u);
    EXPECT_EQ(result.tally.rectangles, 0u);
}

TEST_F(DamageWatchTest, DrawingThatGoesOnDoesNotHoldThePeriodOpen)
{
    DamageWatch watch(*m_probe, m_window);
    fill(m_window, 0, 0, 30, 20);
    XSync(m_drawing, False);
    // Its event is queued when the period is already over, as when a window draws all along.
    const DamageWatch::Result result = watch.collect(std::chrono::milliseconds(0), -1);
    EXPECT_FALSE(result.stopped);
    EXPECT_LT(result.seconds, 5.0);
}

TEST_F(DamageWatchTest, AMissingWindowIsNotWatched)
{
    const Window gone = m_other;
    XDestroyWindow(m_drawing, gone);
    XSync(m_drawing, False);
    DamageWatch watch(*m_probe, gone);
    EXPECT_FALSE(watch.isWatching());
    EXPECT_EQ(watch.collect(kCollectPeriod, -1).tally.pixels, 0u);
}

TEST_F(DamageWatchTest, AStopSignalEndsThePeriodEarly)
{
    DamageWatch watch(*m_probe, m_window);
    int stop[2];
    ASSERT_EQ(pipe(stop), 0);
    ASSERT_EQ(write(stop[1], "x", 1), 1);
    const DamageWatch::Result result = watch.collect(std::chrono::seconds(30), stop[0]);
    close(stop[0]);
    close(stop[1]);
    EXPECT_TRUE(result.stopped);
    EXPECT_LT(result.seconds, 5.0);
}
