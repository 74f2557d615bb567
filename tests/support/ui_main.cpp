// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestEnvironment.h"
#include "support/UiTestFixture.h"
#include "display/FontSubstitutes.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

namespace {

// Also guards the tests that do not derive from UiTest against leftover modal windows.
class ModalDialogGuard : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override { ovatron::test::failOnLeftoverModals(); }
};

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ovatron::test::prepare(argc, argv);
    QApplication app(argc, argv);
    installFontSubstitutes();
    testing::UnitTest::GetInstance()->listeners().Append(new ModalDialogGuard);
    return RUN_ALL_TESTS();
}
