#pragma once

#include "meter/MeterCore.h"

#include <optional>

// How a menu item of a meter command shows: enabled or greyed, with or without a check mark.
struct CommandUiState {
    bool enabled = true;
    bool checked = false;
};

// The rule for a command's menu item, asked each time a menu holding it opens; none for
// commands without a rule.
std::optional<CommandUiState> meterMenuRule(int commandId, const MeterCore& meter);
