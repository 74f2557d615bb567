// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ShowCommand.h"

#include <lo/lo_osc_types.h>

#include <optional>

// The show's OSC address space: what one message asks, or nothing for a message of an
// unknown address or of the wrong types.
//   /ovatron/contestant ,s NAME    /ovatron/next    /ovatron/enter    /ovatron/escape
//   /ovatron/applause ,i 1|0       /ovatron/winners
//   /ovatron/jury/close ,s NAME   (the jury's marking of NAME)
std::optional<ShowCommand> oscCommandOf(const char* path, const char* types, lo_arg** argv,
                                        int argc);
