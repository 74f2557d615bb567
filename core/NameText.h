// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"

// The text rules of a contestant's name, as pure functions on UTF-16.

// The characters of text that may go into a name: everything printable, in any script,
// with combining marks and characters outside the Basic Multilingual Plane kept whole.
// Control characters (Tab and line breaks among them), line and paragraph separators and
// unpaired surrogates are dropped.
brio::BRString nameCharacters(const brio::BRString& text);

// Where the last character as the reader sees it begins: a letter with its combining marks,
// an emoji with its modifiers and joined parts, a surrogate pair. 0 for an empty text.
int lastCharacterStart(const brio::BRString& text);

// The text without its leading and trailing white space (spaces, tabs, no-break and
// ideographic spaces); the preload list and the name line trim by this one rule.
brio::BRString withoutSurroundingBlanks(const brio::BRString& text);

// The name a contestant starts with: trimmed as above and in Unicode normalisation form C,
// so that a name typed with a combining accent and with a precomposed letter is one name.
// Empty for a blank text.
brio::BRString contestantName(const brio::BRString& text);
