// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartupWarmUp.h"

#include "widgets/ProgramIcon.h"

#include <fontconfig/fontconfig.h>

StartupWarmUp::StartupWarmUp()
    : m_fonts(std::async(std::launch::async, [] { FcInit(); })),
      m_icon(std::async(std::launch::async, [] { return programIconPictures(); }))
{
}

StartupWarmUp::~StartupWarmUp()
{
    // Whatever is still asked of neither is waited for, so no thread outlives main().
    if (m_fonts.valid())
        m_fonts.wait();
    if (m_icon.valid())
        m_icon.wait();
}

void StartupWarmUp::awaitFonts()
{
    if (m_fonts.valid())
        m_fonts.get();
}

std::vector<QImage> StartupWarmUp::iconPictures()
{
    return m_icon.valid() ? m_icon.get() : std::vector<QImage>{};
}
