// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MenuRules.h"

#include "core/TurnDetails.h"

std::optional<CommandState> commandState(Command command, const CommandContext& context)
{
    const MeterCore& meter = context.meter;
    const bool tableInUse = meter.useLeagueTable();
    switch (command) {
    case Command::EditFont:
        // The font can be changed in every state; its item carries no check mark.
        return CommandState{};
    case Command::UseLeagueTable:
        return CommandState{.enabled = true, .checked = tableInUse};
    case Command::ClearLeagueTable:
    case Command::EditPreloadList:
        return CommandState{.enabled = tableInUse, .checked = false};
    case Command::ShowSummaryScreen:
        // The check mark shows the stored choice even while the item is greyed.
        return CommandState{.enabled = tableInUse, .checked = meter.showSummaryScreen()};
    case Command::UseMicrophone:
        return CommandState{.enabled = true, .checked = context.microphoneInUse};
    case Command::MicrophoneSettings:
    case Command::TurnLength:
    case Command::SoundCues:
        return CommandState{};
    case Command::RenameContestant:
    case Command::RemoveContestant:
    case Command::MeasureAgain:
        return CommandState{.enabled = meter.correctionsAllowed() && meter.correctionRow() >= 0,
                            .checked = false};
    case Command::TurnDetails:
        // Also while the turn runs: its curve grows in the dialog.
        return CommandState{.enabled = rowHasCurves(meter, meter.correctionRow()),
                            .checked = false};
    case Command::EditUndo:
        return CommandState{.enabled = meter.correctionsAllowed() && context.canUndo,
                            .checked = false};
    case Command::EditRedo:
        return CommandState{.enabled = meter.correctionsAllowed() && context.canRedo,
                            .checked = false};
    case Command::AudienceScreen:
        return CommandState{.enabled = true, .checked = context.audienceScreenOpen};
    case Command::ShowWinners:
        return CommandState{.enabled = true, .checked = context.winnersShowing};
    case Command::EndWinners:
        // Esc ends the winners; otherwise it is the meter's key and must reach the view.
        return CommandState{.enabled = context.winnersShowing, .checked = false};
    case Command::NewRound:
    case Command::RenameRound:
    case Command::SwitchRound:
        return CommandState{.enabled = context.roundsMayChange, .checked = false};
    case Command::RemoveRound:
        return CommandState{.enabled = context.roundsMayChange && context.roundRemovable,
                            .checked = false};
    case Command::ClapOff:
        return CommandState{.enabled = context.roundsMayChange && context.clapOffOffered,
                            .checked = false};
    case Command::Duel:
        // The microphones measure a duel, which begins between turns only.
        return CommandState{.enabled = context.microphoneInUse && context.roundsMayChange &&
                                       meter.state() != MeterState::Measuring,
                            .checked = false};
    case Command::Jury:
        return CommandState{.enabled = true, .checked = context.juryOn};
    case Command::ReopenMarking:
        return CommandState{.enabled = context.juryOn && context.selectedMarkingClosed,
                            .checked = false};
    case Command::CloseMarking:
        return CommandState{.enabled = context.markingOpen, .checked = false};
    case Command::HideScores:
        return CommandState{.enabled = true, .checked = context.hideScores};
    case Command::Reveal:
        return CommandState{.enabled = context.canReveal, .checked = false};
    case Command::EndReveal:
        // Esc is the meter's key unless a reveal is under way (the winners' Esc comes after).
        return CommandState{.enabled = context.revealUnderWay && !context.winnersShowing,
                            .checked = false};
    default:
        return std::nullopt;
    }
}
