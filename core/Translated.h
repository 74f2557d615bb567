// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// A text marked where it is written with QT_TRANSLATE_NOOP(context, text), in the user's
// language; an empty string for no text.
inline QString translated(const char* context, const char* text)
{
    return text != nullptr ? QCoreApplication::translate(context, text) : QString();
}
