// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CommandTable.h"

#include <QtGlobal>

namespace {

constexpr CommandEntry kCommands[] = {
    {Command::EditFont, "editFont", QT_TRANSLATE_NOOP("CommandTable", "&Font"),
     QT_TRANSLATE_NOOP("CommandTable", "Edit &Font"), {}},
    {Command::UseLeagueTable, "useLeagueTable",
     QT_TRANSLATE_NOOP("CommandTable", "&Use League Table"), nullptr, {}},
    {Command::ClearLeagueTable, "clearLeagueTable",
     QT_TRANSLATE_NOOP("CommandTable", "&Clear League Table"), nullptr, {}},
    {Command::EditPreloadList, "editPreloadList",
     QT_TRANSLATE_NOOP("CommandTable", "&Edit Preload List"), nullptr, {}},
    {Command::ShowSummaryScreen, "showSummaryScreen",
     QT_TRANSLATE_NOOP("CommandTable", "&Show Summary Screen"), nullptr, {}},
    {Command::UseMicrophone, "useMicrophone",
     QT_TRANSLATE_NOOP("CommandTable", "Measure &With Microphone"), nullptr, {}},
    {Command::MicrophoneSettings, "microphoneSettings",
     QT_TRANSLATE_NOOP("CommandTable", "&Microphone..."), nullptr, {}},
    {Command::TurnLength, "turnLength", QT_TRANSLATE_NOOP("CommandTable", "&Turn Length"),
     nullptr, {}},
    {Command::BackgroundColor, "backgroundColor", nullptr, nullptr, {}},
    {Command::AudienceScreen, "audienceScreen",
     QT_TRANSLATE_NOOP("CommandTable", "&Audience Screen"), nullptr, {"F5", nullptr}},
    {Command::ShowControl, "showControl", QT_TRANSLATE_NOOP("CommandTable", "Show &Control..."),
     nullptr, {}},
    {Command::Osc, "osc", QT_TRANSLATE_NOOP("CommandTable", "&OSC..."), nullptr, {}},
    {Command::EventSettings, "eventSettings", QT_TRANSLATE_NOOP("CommandTable", "E&vent..."),
     nullptr, {}},
    {Command::ShowWinners, "showWinners", QT_TRANSLATE_NOOP("CommandTable", "Show &Winners"),
     nullptr, {}},
    {Command::EndWinners, "endWinners", nullptr, nullptr, {"Esc", nullptr}},
    {Command::HelpContents, "helpContents", QT_TRANSLATE_NOOP("CommandTable", "&Contents..."),
     QT_TRANSLATE_NOOP("CommandTable", "&Help..."), {}},
    {Command::About, "about", QT_TRANSLATE_NOOP("CommandTable", "&About Ovatron..."), nullptr, {}},
    {Command::ExportResults, "exportResults",
     QT_TRANSLATE_NOOP("CommandTable", "&Export Results..."), nullptr, {}},
    {Command::PrintResults, "printResults", QT_TRANSLATE_NOOP("CommandTable", "&Print..."),
     nullptr, {"Ctrl+P", nullptr}},
    {Command::Exit, "exit", QT_TRANSLATE_NOOP("CommandTable", "E&xit"), nullptr, {}},
    {Command::RenameContestant, "renameContestant",
     QT_TRANSLATE_NOOP("CommandTable", "Re&name Contestant..."), nullptr, {"F2", nullptr}},
    {Command::RemoveContestant, "removeContestant",
     QT_TRANSLATE_NOOP("CommandTable", "Rem&ove Contestant..."), nullptr, {"Del", nullptr}},
    {Command::MeasureAgain, "measureAgain", QT_TRANSLATE_NOOP("CommandTable", "Measure A&gain"),
     nullptr, {"F8", nullptr}},
    {Command::TurnDetails, "turnDetails", QT_TRANSLATE_NOOP("CommandTable", "Turn Deta&ils..."),
     nullptr, {"Ctrl+D", nullptr}},
    // The captions name what they take back (CommandActions::showUndoTexts).
    {Command::EditUndo, "editUndo", QT_TRANSLATE_NOOP("CommandTable", "Un&do"), nullptr,
     {"Ctrl+Z", "Alt+Backspace"}},
    {Command::EditRedo, "editRedo", QT_TRANSLATE_NOOP("CommandTable", "&Redo"), nullptr,
     {"Ctrl+Shift+Z", nullptr}},
    {Command::EditCopy, "editCopy", nullptr, nullptr, {"Ctrl+C", "Ctrl+Ins"}},
    {Command::EditPaste, "editPaste", nullptr, nullptr, {"Ctrl+V", "Shift+Ins"}},
    {Command::EditCut, "editCut", nullptr, nullptr, {"Ctrl+X", "Shift+Del"}},
    {Command::NextPane, "nextPane", nullptr, nullptr, {"F6", nullptr}},
    {Command::PreviousPane, "previousPane", nullptr, nullptr, {"Shift+F6", nullptr}},
    {Command::SoundCues, "soundCues", QT_TRANSLATE_NOOP("CommandTable", "&Sound Cues..."),
     nullptr, {}},
    {Command::NewRound, "newRound", QT_TRANSLATE_NOOP("CommandTable", "&New Round..."), nullptr,
     {nullptr, nullptr}},
    {Command::RenameRound, "renameRound", QT_TRANSLATE_NOOP("CommandTable", "&Rename Round..."),
     nullptr, {nullptr, nullptr}},
    {Command::RemoveRound, "removeRound", QT_TRANSLATE_NOOP("CommandTable", "Remo&ve Round"),
     nullptr, {nullptr, nullptr}},
    {Command::ClapOff, "clapOff", QT_TRANSLATE_NOOP("CommandTable", "&Clap-off..."), nullptr,
     {nullptr, nullptr}},
    {Command::HideScores, "hideScores", QT_TRANSLATE_NOOP("CommandTable", "&Hide Scores"),
     nullptr, {}},
    {Command::Reveal, "reveal", QT_TRANSLATE_NOOP("CommandTable", "&Reveal"), nullptr,
     {"F9", nullptr}},
    {Command::SwitchRound, "switchRound", nullptr, nullptr, {}},
    {Command::EndReveal, "endReveal", nullptr, nullptr, {"Esc", nullptr}},
    {Command::Duel, "duel", QT_TRANSLATE_NOOP("CommandTable", "Due&l..."), nullptr, {}},
    {Command::CloseMarking, "closeMarking", QT_TRANSLATE_NOOP("CommandTable", "Close &Marking"),
     nullptr, {"F10", nullptr}},
    {Command::Jury, "jury", QT_TRANSLATE_NOOP("CommandTable", "&Jury..."), nullptr, {}},
    {Command::ReopenMarking, "reopenMarking", QT_TRANSLATE_NOOP("CommandTable", "Reo&pen Marking"),
     nullptr, {}},
};

constexpr std::optional<Command> kSeparator;

constexpr std::optional<Command> kFileItems[] = {Command::ExportResults, Command::PrintResults,
                                                 kSeparator, Command::Exit};

constexpr std::optional<Command> kEditItems[] = {
    Command::EditUndo,        Command::EditRedo,          kSeparator,
    Command::RenameContestant, Command::RemoveContestant, Command::MeasureAgain,
    Command::TurnDetails,
    kSeparator,
    Command::EditFont,        Command::UseLeagueTable,    Command::ClearLeagueTable,
    Command::EditPreloadList, Command::ShowSummaryScreen, kSeparator,
    Command::UseMicrophone,   Command::MicrophoneSettings,
    Command::Duel,            Command::TurnLength,        kSeparator,
    Command::Jury,            Command::CloseMarking,      Command::ReopenMarking,
};

constexpr std::optional<Command> kViewItems[] = {Command::AudienceScreen, Command::EventSettings,
                                                 Command::ShowWinners, Command::ShowControl,
                                                 Command::Osc, Command::SoundCues, kSeparator,
                                                 Command::HideScores, Command::Reveal};

// The rounds to switch between follow these, made as the menu opens.
constexpr std::optional<Command> kRoundItems[] = {Command::NewRound, Command::RenameRound,
                                                  Command::RemoveRound, Command::ClapOff};

constexpr std::optional<Command> kHelpItems[] = {Command::HelpContents, kSeparator,
                                                 Command::About};

constexpr MenuPopup kMainMenu[] = {
    {QT_TRANSLATE_NOOP("CommandTable", "&File"), kFileItems},
    {QT_TRANSLATE_NOOP("CommandTable", "&Edit"), kEditItems},
    {QT_TRANSLATE_NOOP("CommandTable", "&View"), kViewItems},
    {QT_TRANSLATE_NOOP("CommandTable", "&Rounds"), kRoundItems},
    {QT_TRANSLATE_NOOP("CommandTable", "&Help"), kHelpItems},
};

constexpr std::optional<Command> kContextItems[] = {
    Command::EditFont,     Command::UseLeagueTable, Command::ClearLeagueTable,
    Command::EditPreloadList, Command::ShowSummaryScreen, Command::UseMicrophone,
    Command::TurnLength,
    Command::AudienceScreen, Command::ShowWinners, Command::HideScores, Command::Reveal,
    kSeparator,
    Command::RenameContestant, Command::RemoveContestant, Command::MeasureAgain,
    Command::TurnDetails, kSeparator,
    Command::HelpContents, Command::About,           Command::Exit,
    kSeparator, Command::NewRound, Command::RenameRound, Command::RemoveRound, Command::ClapOff,
};

}  // namespace

std::span<const CommandEntry> commandTable()
{
    return kCommands;
}

std::span<const MenuPopup> mainMenuLayout()
{
    return kMainMenu;
}

MenuItems contextMenuLayout()
{
    return kContextItems;
}
