// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartWatch.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <thread>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

namespace {

using Clock = std::chrono::steady_clock;

// How long the started program gets to end on SIGTERM before it is killed.
constexpr std::chrono::seconds kEndGrace{3};
// How often the probe looks whether the started program has ended while waiting for X.
constexpr std::chrono::milliseconds kExitCheckInterval{50};

QString translate(const char* text)
{
    return QCoreApplication::translate("StartWatch", text);
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Forks and runs the command. Returns the child's pid, or -1 with errorNumber set when the
// program could not be started (the child reports a failed exec through a pipe).
pid_t startProgram(const QStringList& command, int& errorNumber)
{
    std::vector<QByteArray> storage;
    for (const QString& argument : command)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        errorNumber = errno;
        return -1;
    }
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        // The program must not outlive a probe that is killed.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        close(report[0]);
        execvp(argv[0], argv.data());
        const int failure = errno;
        [[maybe_unused]] const ssize_t written = write(report[1], &failure, sizeof failure);
        _exit(127);
    }
    close(report[1]);
    if (child < 0) {
        errorNumber = errno;
        close(report[0]);
        return -1;
    }
    int failure = 0;
    ssize_t got = 0;
    do
        got = read(report[0], &failure, sizeof failure);
    while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == sizeof failure) {
        waitpid(child, nullptr, 0);
        errorNumber = failure;
        return -1;
    }
    return child;
}

// Ends the child: SIGTERM, then SIGKILL after a grace period; always reaps it.
void endProgram(pid_t child)
{
    if (waitpid(child, nullptr, WNOHANG) == child)
        return;
    kill(child, SIGTERM);
    const Clock::time_point giveUp = Clock::now() + kEndGrace;
    while (Clock::now() < giveUp) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        std::this_thread::sleep_for(kExitCheckInterval);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

std::optional<long> windowPid(Display* display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL,
                                          &type, &format, &count, &after, &data);
    std::optional<long> pid;
    if (status == Success && data && format == 32 && count == 1)
        pid = *reinterpret_cast<const long*>(data);
    if (data)
        XFree(data);
    return pid;
}

// A top-level window created since the program started, watched until it is known to be
// the program's and seen.
struct Candidate {
    Damage damage = 0;
    std::optional<double> mapMs;
};

// Follows the windows created on the root until one of the program's is mapped and drawn.
class FirstWindowWatch {
public:
    FirstWindowWatch(XConnection& connection, pid_t child, Clock::time_point start)
        : m_connection(connection), m_display(connection.display()), m_child(child),
          m_start(start)
    {
    }

    ~FirstWindowWatch()
    {
        for (const auto& [window, candidate] : m_candidates)
            XDamageDestroy(m_display, candidate.damage);
        XSync(m_display, False);
    }

    FirstWindowWatch(const FirstWindowWatch&) = delete;
    FirstWindowWatch& operator=(const FirstWindowWatch&) = delete;

    // Handles one event; true once the program's window has been drawn into.
    bool handle(const XEvent& event, StartSummary& summary)
    {
        if (event.type == CreateNotify) {
            const XCreateWindowEvent& created = event.xcreatewindow;
            // Menus and tooltips bypass the window manager; the main window does not.
            if (!created.override_redirect && created.parent == DefaultRootWindow(m_display))
                watch(created.window);
        } else if (event.type == MapNotify) {
            auto found = m_candidates.find(event.xmap.window);
            if (found != m_candidates.end() && !found->second.mapMs && isProgramWindow(found->first))
                found->second.mapMs = msSince(m_start);
        } else if (event.type == DestroyNotify) {
            m_candidates.erase(event.xdestroywindow.window);
        } else if (event.type == m_connection.damageNotifyType()) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            auto found = m_candidates.find(damage.drawable);
            if (found == m_candidates.end() || damage.area.width == 0 || damage.area.height == 0)
                return false;
            if (!isProgramWindow(found->first))
                return false;
            summary.paintMs = msSince(m_start);
            // Drawing is only seen on a mapped window, so a missed map event is no later.
            summary.mapMs = found->second.mapMs.value_or(summary.paintMs);
            summary.window = found->first;
            return true;
        }
        return false;
    }

private:
    void watch(Window window)
    {
        if (m_candidates.count(window))
            return;
        XSelectInput(m_display, window, StructureNotifyMask);
        Candidate candidate;
        candidate.damage = XDamageCreate(m_display, window, XDamageReportRawRectangles);
        m_candidates.emplace(window, candidate);
    }

    bool isProgramWindow(Window window) const
    {
        return windowPid(m_display, window) == long(m_child);
    }

    XConnection& m_connection;
    Display* m_display;
    pid_t m_child;
    Clock::time_point m_start;
    std::map<Window, Candidate> m_candidates;
};

}  // namespace

StartResult timeFirstWindow(XConnection& connection, const QStringList& command,
                            std::chrono::duration<double> timeout, int stopFd)
{
    StartResult result;
    Display* display = connection.display();
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    int errorNumber = 0;
    const pid_t child = startProgram(command, errorNumber);
    if (child < 0) {
        result.error = translate("cannot start %1: %2")
                           .arg(command.first(), QString::fromLocal8Bit(std::strerror(errorNumber)));
        return result;
    }
    result.summary.pid = child;

    const Clock::time_point deadline =
        start + std::chrono::duration_cast<Clock::duration>(timeout);
    {
        FirstWindowWatch watch(connection, child, start);
        for (;;) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                result.error = translate("%1 ended before it showed a window (exit status %2)")
                                   .arg(command.first())
                                   .arg(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
                return result;  // reaped already: nothing left to end
            }
            const Clock::time_point next = std::min(deadline, Clock::now() + kExitCheckInterval);
            const XConnection::Wait wait = connection.waitForEvents(next, stopFd);
            if (wait == XConnection::Wait::Stopped) {
                result.error = translate("stopped before %1 showed a window").arg(command.first());
                break;
            }
            if (wait == XConnection::Wait::Timeout && Clock::now() >= deadline) {
                result.error = translate("%1 showed no window within %2 s")
                                   .arg(command.first())
                                   .arg(timeout.count());
                break;
            }
            bool seen = false;
            while (!seen && XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                seen = watch.handle(event, result.summary);
            }
            if (seen) {
                result.ok = true;
                break;
            }
        }
    }
    endProgram(child);
    return result;
}
