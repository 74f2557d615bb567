#pragma once

#include "meter/MenuRules.h"

#include <optional>

// Where menu items and accelerators send their command ids, and where a menu asks how
// each item shows when it opens.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual bool OnCmdMsg(int id) = 0;
    virtual std::optional<CommandUiState> updateCommandUi(int id) const = 0;
};
