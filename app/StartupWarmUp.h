// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <future>
#include <vector>

// What the start needs before its first frame and can make beside Qt's own start, on a second
// core: the font configuration, which the first text drawn reads, and the program icon's
// pictures. Neither touches Qt's GUI state, so both may run before the application exists.
class StartupWarmUp {
public:
    StartupWarmUp();
    ~StartupWarmUp();

    // Waits until the font configuration is read; then Qt's font database finds it loaded
    // rather than reading it a second time alongside.
    void awaitFonts();
    // The icon's pictures, once decoded.
    std::vector<QImage> iconPictures();

private:
    std::future<void> m_fonts;
    std::future<std::vector<QImage>> m_icon;
};
