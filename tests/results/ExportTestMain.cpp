// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreTestSupport.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // The command-line export runs without a display; so do these tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ovatron::test::prepareStoreTests(argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
