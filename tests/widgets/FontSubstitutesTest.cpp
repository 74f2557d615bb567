// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ViewTestSupport.h"
#include "widgets/MeterView.h"
#include "core/settings/DisplaySettings.h"
#include "support/TestEnvironment.h"
#include "support/UiTestFixture.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>

using namespace ovatron::test;

namespace {

using ovatron::test::TestMeterView;

class FontSubstitutes : public UiTest {};

}  // namespace

// Also run where fontconfig knows no aliases (see tests/CMakeLists.txt), so that only the
// program's own substitute can give the default face its look.
TEST_F(FontSubstitutes, DefaultDisplayFaceIsDrawnInComicNeueWhereComicSansIsMissing)
{
    if (QFontDatabase::families().contains(QStringLiteral("Comic Sans MS"), Qt::CaseInsensitive))
        GTEST_SKIP() << "Comic Sans MS is installed here";
    ASSERT_TRUE(QFontDatabase::families().contains(QStringLiteral("Comic Neue")))
        << "fonts-comic-neue is missing (scripts/install-deps.sh installs it)";

    TestMeterView view(testSettings());
    const QFontInfo drawn(view.displayFont().font());
    EXPECT_EQ(drawn.family(), QStringLiteral("Comic Neue"));
    EXPECT_TRUE(drawn.bold());
    EXPECT_EQ(view.displayFont().font().family(), QString::fromUtf8(kDefaultFontName));
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}
