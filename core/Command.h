// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every command of the program: what the menus, the context menu and the accelerators send.
enum class Command {
    EditFont,
    UseLeagueTable,
    ClearLeagueTable,
    EditPreloadList,
    ShowSummaryScreen,
    UseMicrophone,
    MicrophoneSettings,
    TurnLength,
    BackgroundColor,  // no menu item carries it
    AudienceScreen,
    ShowControl,
    Osc,
    EventSettings,
    ShowWinners,
    EndWinners,  // Esc while the winners show; no menu item carries it
    ExportResults,
    PrintResults,
    HelpContents,
    About,
    Exit,
    // Corrections of the league table, and taking them back.
    RenameContestant,
    RemoveContestant,
    MeasureAgain,
    TurnDetails,  // the curves of the row a correction would act on
    EditUndo,
    EditRedo,
    // Standard editing and pane commands that only the accelerators send; nothing handles them,
    // so their keys never reach the meter as typing.
    EditCopy,
    EditCut,
    EditPaste,
    NextPane,
    PreviousPane,
    SoundCues,
    // Rounds: the current round's, and the clap-off offered at a tie.
    NewRound,
    RenameRound,
    RemoveRound,
    SwitchRound,  // to a round chosen among the Rounds menu's items; no fixed item carries it
    ClapOff,
    // Hidden scores and their reveal.
    HideScores,
    Reveal,
    EndReveal,  // Esc during a reveal; no menu item carries it
    Duel,       // a turn of the hall's two sides, each heard by its own microphones
    CloseMarking,  // the jury's marking of the latest contestant still open
    Jury,          // the jury's set-up and the judges' links
    ReopenMarking, // the selected row's closed marking opened again
};
