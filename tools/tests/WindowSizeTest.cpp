// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowSize.h"

#include <gtest/gtest.h>

TEST(WindowSizeTest, ReadsWidthByHeight)
{
    struct Case {
        const char* text;
        std::optional<QSize> size;
    };
    const Case cases[] = {
        {"800x600", QSize(800, 600)},
        {" 3840X2160 ", QSize(3840, 2160)},
        {"1x1", QSize(1, 1)},
        {"16384x16384", QSize(16384, 16384)},
        {"16385x100", std::nullopt},
        {"0x600", std::nullopt},
        {"800x", std::nullopt},
        {"800*600", std::nullopt},
        {"-800x600", std::nullopt},
        {"800x600x24", std::nullopt},
        {"", std::nullopt},
        {"9999999x1", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseWindowSize(QString::fromLatin1(c.text)), c.size) << c.text;
}
