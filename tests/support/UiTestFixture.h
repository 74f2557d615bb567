// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/AppConfig.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>

namespace ovatron::test {

// Base of the widget tests: the offscreen platform, an empty settings store, and a check,
// after every test, that no modal dialog was left open (see UiTestFixture.cpp).
class UiTest : public testing::Test {
protected:
    void TearDown() override;
    // Lets queued events and timers run for a while.
    static void processEvents(int milliseconds = 0);
};

// The settings store handed to the views and windows under test: the real one, in the
// temporary settings folder that every test starts empty.
AppConfig& testSettings();

// Runs `answer` on the next modal dialog once it is open (for tests of commands that open
// one). Fails the test when no modal dialog opens within the timeout.
void answerNextModal(std::function<void(QWidget* dialog)> answer, int timeoutMs = 5000);

// Reports every modal dialog or message box that is still open as a failure of the
// current test, and closes it so that the next test starts clean.
void failOnLeftoverModals();

}  // namespace ovatron::test
