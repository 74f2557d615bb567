#include "meter/MenuRules.h"

#include "meter/MeterCommands.h"

std::optional<CommandUiState> meterMenuRule(int commandId, const MeterCore& meter)
{
    const bool tableInUse = meter.useLeagueTable() != 0;
    switch (commandId) {
    case ID_EDIT_FONT:
        // The font can be changed in every state; its item carries no check mark.
        return CommandUiState{};
    case ID_USE_LEAGUE_TABLE:
        return CommandUiState{.enabled = true, .checked = tableInUse};
    case ID_CLEAR_LEAGUE_TABLE:
    case ID_EDIT_PRELOAD_LIST:
        return CommandUiState{.enabled = tableInUse, .checked = false};
    case ID_SHOW_SUMMARY_SCREEN:
        // The check mark shows the stored choice even while the item is greyed.
        return CommandUiState{.enabled = tableInUse, .checked = meter.showSummaryScreen() != 0};
    default:
        return std::nullopt;
    }
}
