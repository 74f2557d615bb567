// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Makes Qt draw the faces this program names by default with a free face of the same look
// where they are not installed: "Comic Sans MS" as "Comic Neue" (Debian's fonts-comic-neue).
// The fonts keep the family they were asked for, so the stored "FontName" stays as it is.
// Call once, after the QApplication is made.
void installFontSubstitutes();
