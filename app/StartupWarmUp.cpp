// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartupWarmUp.h"

#include "widgets/ProgramIcon.h"

#include <fontconfig/fontconfig.h>

StartupWarmUp::StartupWarmUp()
    : m_fonts(std::async(std::launch::async, [] { FcInit(); })),
      m_decoding(std::async(std::launch::async, [] {
          return Pictures{decodeDisplayPictures(), programIconPictures()};
      }))
{
}

StartupWarmUp::~StartupWarmUp()
{
    // Whatever is still asked of neither is waited for, so no thread outlives main().
    if (m_fonts.valid())
        m_fonts.wait();
    if (m_decoding.valid())
        m_decoding.wait();
}

void StartupWarmUp::awaitFonts()
{
    if (m_fonts.valid())
        m_fonts.get();
}

StartupWarmUp::Pictures& StartupWarmUp::pictures()
{
    if (!m_pictures)
        m_pictures = m_decoding.get();
    return *m_pictures;
}

const DisplayPictures& StartupWarmUp::displayPictures()
{
    return pictures().display;
}

const std::vector<QImage>& StartupWarmUp::iconPictures()
{
    return pictures().icon;
}
