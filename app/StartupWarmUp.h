// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display/ScaledPicture.h"

#include <QImage>

#include <future>
#include <optional>
#include <vector>

// What the start needs and can make beside Qt's own start, on a second core: the font
// configuration, which the first text drawn reads, the display's pictures and the program
// icon's. None of it touches Qt's GUI state, so all may run before the application exists.
class StartupWarmUp {
public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Waits until the font configuration is read; then Qt's font database finds it loaded
    // rather than reading it a second time alongside.
    void awaitFonts();
    // The pictures, once decoded.
    const DisplayPictures& displayPictures();
    const std::vector<QImage>& iconPictures();

private:
    struct Pictures {
        DisplayPictures display;
        std::vector<QImage> icon;
    };
    Pictures& pictures();

    std::future<void> m_fonts;
    std::future<Pictures> m_decoding;
    std::optional<Pictures> m_pictures;
};
