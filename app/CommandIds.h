#pragma once

#include "meter/MeterCommands.h"

// Command ids of the main window and the application, numbered as the framework's
// standard commands have always been.
enum AppCommand : int {
    ID_HELP_CONTENTS = 32775,   // "&Contents..." and the context menu's "&Help..."
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_INDEX = 57667,
    ID_HELP_USING = 57669,
    ID_CONTEXT_HELP = 57670,
    ID_HELP = 57671,
    // Standard editing and pane commands that only the accelerators send; nothing handles them.
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
};

// Resource numbers of the two menus.
inline constexpr int kMainMenuId = 128;
inline constexpr int kContextMenuId = 310;
