// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "brio/BRStringArray.h"

// The preload list as the operator edits it: one name a line, lines separated by
// carriage return and line feed, no break after the last.
brio::BRString preloadTextFromList(const brio::BRStringArray& list);

// Replaces the list with the names of the text, in order, each without its surrounding
// blanks (withoutSurroundingBlanks); blank lines are dropped; every other character is kept
// as typed.
void rebuildListFromText(brio::BRStringArray& list, brio::BRString text);
