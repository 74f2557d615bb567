// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartWatch.h"
#include "XvfbServer.h"

#include <gtest/gtest.h>

// Last: its macros clash with Qt headers.
#include <X11/Xlib.h>

#include <signal.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace {

bool processExists(qint64 pid)
{
    return kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

// The X server destroys a client's windows once it reads the end of that
// client's connection, which can come after our next request; so wait a while.
bool windowGone(Display* display, Window window)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    XWindowAttributes attributes;
    while (XGetWindowAttributes(display, window, &attributes)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

class StartWatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.isRunning()) << m_server.error().toStdString();
        ASSERT_TRUE(m_connection.isOpen());
    }

    XvfbServer m_server;
    XConnection m_connection;
};

}  // namespace

TEST_F(StartWatchTest, TimesTheFirstPaintOfTheProgramsWindowAndEndsTheProgram)
{
    const StartResult result = timeFirstWindow(
        m_connection,
        {QStringLiteral(OVATRON_BARE_WINDOW), QStringLiteral("--size"), QStringLiteral("160x120")},
        std::chrono::seconds(30), -1);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_NE(result.summary.window, 0u);
    EXPECT_GT(result.summary.mapMs, 0.0);
    EXPECT_GE(result.summary.paintMs, result.summary.mapMs);
    EXPECT_FALSE(processExists(result.summary.pid));

    EXPECT_TRUE(windowGone(m_connection.display(), result.summary.window))
        << "the program's window outlived it";
}

TEST_F(StartWatchTest, ProgramsThatShowNoWindowGiveAReason)
{
    struct Case {
        QStringList command;
        double timeoutSeconds;
        const char* reason;
    };
    const Case cases[] = {
        {{QStringLiteral("/nonexistent/program")}, 5, "cannot start"},
        {{QStringLiteral("false")}, 5, "ended before it showed a window (exit status 1)"},
        {{QStringLiteral("sleep"), QStringLiteral("30")}, 0.5, "showed no window within 0.5 s"},
    };
    for (const Case& c : cases) {
        const StartResult result = timeFirstWindow(
            m_connection, c.command, std::chrono::duration<double>(c.timeoutSeconds), -1);
        const std::string command = c.command.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(result.ok) << command;
        EXPECT_TRUE(result.error.contains(QLatin1String(c.reason)))
            << command << " -> " << result.error.toStdString();
        if (result.summary.pid > 0) {
            EXPECT_FALSE(processExists(result.summary.pid)) << command << " was left running";
        }
    }
}
