// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

// The server's sockets and timers need an event loop, and nothing of a screen.
int main(int argc, char** argv)
{
    ovatron::test::prepare(argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
