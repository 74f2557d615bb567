#pragma once

// Command ids of the meter view, as its menus send them.
enum MeterCommand : int {
    ID_EDIT_FONT = 32771,
    ID_CLEAR_LEAGUE_TABLE = 32772,
    ID_USE_LEAGUE_TABLE = 32776,
    ID_BACKGROUND_COLOR = 32777,  // no menu item carries it
    ID_EDIT_PRELOAD_LIST = 32778,
    ID_SHOW_SUMMARY_SCREEN = 32779,
};
