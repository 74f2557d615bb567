// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window under a real Wayland compositor: it shows, enters and leaves full-screen
// mode with the pointer hidden there, and closes cleanly. Run by run_wayland_smoke.sh.
#include "core/AppConfig.h"
#include "core/ProductConfig.h"
#include "show/Show.h"
#include "store/StoreLocation.h"
#include "widgets/MainWindow.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

namespace {

// Time for the compositor to answer a change of the window's state.
constexpr int kSettleMilliseconds = 500;

int failures = 0;

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    check(QGuiApplication::platformName() == QLatin1String("wayland"), "runs on Wayland");
    AppConfig config;
    config.init(kProductName);
    Show show(config, defaultDatabasePath());
    auto* window = new MainWindow(show, config);
    window->restorePlacement();
    check(QTest::qWaitForWindowExposed(window), "the window is shown");

    window->toggleFullScreen();
    QTest::qWait(kSettleMilliseconds);
    check(window->isFullScreen(), "full-screen mode is entered");
    check(window->menuWidget() == nullptr, "the menu bar goes in full-screen mode");
    check(window->view().cursor().shape() == Qt::BlankCursor, "the pointer is hidden");

    window->toggleFullScreen();
    QTest::qWait(kSettleMilliseconds);
    check(!window->isFullScreen(), "full-screen mode is left");
    check(window->view().cursor().shape() == Qt::ArrowCursor, "the pointer is back");

    window->close();  // deletes itself
    QTest::qWait(kSettleMilliseconds);
    check(QApplication::topLevelWidgets().isEmpty(), "the window is gone after closing");
    std::printf("%d passed, %d failed\n", failures == 0 ? 1 : 0, failures == 0 ? 0 : 1);
    return failures == 0 ? 0 : 1;
}
