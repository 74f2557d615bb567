// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/CommandTable.h"

#include "widgets/MainWindow.h"

#include <QtGlobal>

namespace {

constexpr CommandEntry kCommands[] = {
    {Command::EditFont, "editFont", QT_TRANSLATE_NOOP("CommandTable", "&Font"),
     QT_TRANSLATE_NOOP("CommandTable", "Edit &Font"), {},
     [](MainWindow& window) { window.view().editFont(); }},
    {Command::UseLeagueTable, "useLeagueTable",
     QT_TRANSLATE_NOOP("CommandTable", "&Use League Table"), nullptr, {},
     [](MainWindow& window) { window.view().toggleLeagueTable(); }},
    {Command::ClearLeagueTable, "clearLeagueTable",
     QT_TRANSLATE_NOOP("CommandTable", "&Clear League Table"), nullptr, {},
     [](MainWindow& window) { window.view().clearLeagueTable(); }},
    {Command::EditPreloadList, "editPreloadList",
     QT_TRANSLATE_NOOP("CommandTable", "&Edit Preload List"), nullptr, {},
     [](MainWindow& window) { window.view().editPreloadList(); }},
    {Command::ShowSummaryScreen, "showSummaryScreen",
     QT_TRANSLATE_NOOP("CommandTable", "&Show Summary Screen"), nullptr, {},
     [](MainWindow& window) { window.view().toggleSummaryScreen(); }},
    {Command::UseMicrophone, "useMicrophone",
     QT_TRANSLATE_NOOP("CommandTable", "Measure &With Microphone"), nullptr, {},
     [](MainWindow& window) { window.toggleMicrophone(); }},
    {Command::MicrophoneSettings, "microphoneSettings",
     QT_TRANSLATE_NOOP("CommandTable", "&Microphone..."), nullptr, {},
     [](MainWindow& window) { window.editMicrophone(); }},
    {Command::BackgroundColor, "backgroundColor", nullptr, nullptr, {},
     [](MainWindow& window) { window.view().chooseBackgroundColor(); }},
    {Command::AudienceScreen, "audienceScreen",
     QT_TRANSLATE_NOOP("CommandTable", "&Audience Screen"), nullptr, {"F5", nullptr},
     [](MainWindow& window) { window.toggleAudienceScreen(); }},
    {Command::EventSettings, "eventSettings", QT_TRANSLATE_NOOP("CommandTable", "E&vent..."),
     nullptr, {}, [](MainWindow& window) { window.editEvent(); }},
    {Command::ShowWinners, "showWinners", QT_TRANSLATE_NOOP("CommandTable", "Show &Winners"),
     nullptr, {}, [](MainWindow& window) { window.toggleWinners(); }},
    {Command::EndWinners, "endWinners", nullptr, nullptr, {"Esc", nullptr},
     [](MainWindow& window) { window.toggleWinners(); }},
    {Command::HelpContents, "helpContents", QT_TRANSLATE_NOOP("CommandTable", "&Contents..."),
     QT_TRANSLATE_NOOP("CommandTable", "&Help..."), {},
     [](MainWindow& window) { window.showHelpContents(); }},
    {Command::About, "about", QT_TRANSLATE_NOOP("CommandTable", "&About Ovatron..."), nullptr, {},
     [](MainWindow& window) { window.showAbout(); }},
    {Command::ExportResults, "exportResults",
     QT_TRANSLATE_NOOP("CommandTable", "&Export Results..."), nullptr, {},
     [](MainWindow& window) { window.exportResults(); }},
    {Command::PrintResults, "printResults", QT_TRANSLATE_NOOP("CommandTable", "&Print..."),
     nullptr, {"Ctrl+P", nullptr}, [](MainWindow& window) { window.printResults(); }},
    // Exactly as the close box: the window saves its placement on the way.
    {Command::Exit, "exit", QT_TRANSLATE_NOOP("CommandTable", "E&xit"), nullptr, {},
     [](MainWindow& window) { window.close(); }},
    {Command::EditCopy, "editCopy", nullptr, nullptr, {"Ctrl+C", "Ctrl+Ins"}, nullptr},
    {Command::EditPaste, "editPaste", nullptr, nullptr, {"Ctrl+V", "Shift+Ins"}, nullptr},
    {Command::EditCut, "editCut", nullptr, nullptr, {"Ctrl+X", "Shift+Del"}, nullptr},
    {Command::EditUndo, "editUndo", nullptr, nullptr, {"Ctrl+Z", "Alt+Backspace"}, nullptr},
    {Command::NextPane, "nextPane", nullptr, nullptr, {"F6", nullptr}, nullptr},
    {Command::PreviousPane, "previousPane", nullptr, nullptr, {"Shift+F6", nullptr}, nullptr},
};

constexpr std::optional<Command> kSeparator;

constexpr std::optional<Command> kFileItems[] = {Command::ExportResults, Command::PrintResults,
                                                 kSeparator, Command::Exit};

constexpr std::optional<Command> kEditItems[] = {
    Command::EditFont,        Command::UseLeagueTable,    Command::ClearLeagueTable,
    Command::EditPreloadList, Command::ShowSummaryScreen, kSeparator,
    Command::UseMicrophone,   Command::MicrophoneSettings,
};

constexpr std::optional<Command> kViewItems[] = {Command::AudienceScreen, Command::EventSettings,
                                                 Command::ShowWinners};

constexpr std::optional<Command> kHelpItems[] = {Command::HelpContents, kSeparator,
                                                 Command::About};

constexpr MenuPopup kMainMenu[] = {
    {QT_TRANSLATE_NOOP("CommandTable", "&File"), kFileItems},
    {QT_TRANSLATE_NOOP("CommandTable", "&Edit"), kEditItems},
    {QT_TRANSLATE_NOOP("CommandTable", "&View"), kViewItems},
    {QT_TRANSLATE_NOOP("CommandTable", "&Help"), kHelpItems},
};

constexpr std::optional<Command> kContextItems[] = {
    Command::EditFont,     Command::UseLeagueTable, Command::ClearLeagueTable,
    Command::EditPreloadList, Command::ShowSummaryScreen, Command::UseMicrophone,
    Command::AudienceScreen, Command::ShowWinners, kSeparator,
    Command::HelpContents, Command::About,           Command::Exit,
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
