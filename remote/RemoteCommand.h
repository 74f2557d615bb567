// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ShowCommand.h"

// What a remote asks of the meter: one of the commands from outside the window, which the
// show's session carries out as the keys would (show/ShowControlLink hands it over).
using RemoteCommand = ShowCommand;
