#include "app/MenuTable.h"

#include "app/CommandIds.h"

namespace {

constexpr MenuItem kFileItems[] = {
    {"E&xit", ID_APP_EXIT},
};

constexpr MenuItem kEditItems[] = {
    {"&Font", ID_EDIT_FONT},
    {"&Use League Table", ID_USE_LEAGUE_TABLE},
    {"&Clear League Table", ID_CLEAR_LEAGUE_TABLE},
    {"&Edit Preload List", ID_EDIT_PRELOAD_LIST},
    {"&Show Summary Screen", ID_SHOW_SUMMARY_SCREEN},
};

constexpr MenuItem kHelpItems[] = {
    {"&Contents...", ID_HELP_CONTENTS},
    {nullptr, 0},
    {"&About Ovatron...", ID_APP_ABOUT},
};

constexpr MenuPopup kMainMenu[] = {
    {"&File", kFileItems},
    {"&Edit", kEditItems},
    {"&Help", kHelpItems},
};

constexpr MenuItem kContextItems[] = {
    {"Edit &Font", ID_EDIT_FONT},
    {"&Use League Table", ID_USE_LEAGUE_TABLE},
    {"&Clear League Table", ID_CLEAR_LEAGUE_TABLE},
    {"&Edit Preload List", ID_EDIT_PRELOAD_LIST},
    {"&Show Summary Screen", ID_SHOW_SUMMARY_SCREEN},
    {nullptr, 0},
    {"&Help...", ID_HELP_CONTENTS},
    {"&About Ovatron...", ID_APP_ABOUT},
    {"E&xit", ID_APP_EXIT},
};

constexpr Accelerator kAccelerators[] = {
    {"Ctrl+C", ID_EDIT_COPY},
    {"Ctrl+Ins", ID_EDIT_COPY},
    {"Ctrl+V", ID_EDIT_PASTE},
    {"Shift+Ins", ID_EDIT_PASTE},
    {"Ctrl+X", ID_EDIT_CUT},
    {"Shift+Del", ID_EDIT_CUT},
    {"Ctrl+Z", ID_EDIT_UNDO},
    {"Alt+Backspace", ID_EDIT_UNDO},
    {"F6", ID_NEXT_PANE},
    {"Shift+F6", ID_PREV_PANE},
};

}  // namespace

std::span<const MenuPopup> mainMenu()
{
    return kMainMenu;
}

std::span<const MenuItem> contextMenu()
{
    return kContextItems;
}

std::span<const Accelerator> accelerators()
{
    return kAccelerators;
}
