// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestEnvironment.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// The sockets need an event loop to deliver what arrives.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ovatron::test::prepare(argc, argv);
    return RUN_ALL_TESTS();
}
