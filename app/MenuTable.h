#pragma once

#include <span>

// The program's menus and accelerators as data: every caption, command id and key in one
// place, built into real menus by the main window.
struct MenuItem {
    const char* caption;  // nullptr for a separator
    int id;
};

struct MenuPopup {
    const char* caption;
    std::span<const MenuItem> items;
};

struct Accelerator {
    const char* keys;  // in QKeySequence's portable text form
    int id;
};

// Menu 128, the main window's menu bar.
std::span<const MenuPopup> mainMenu();
// The popup of menu 310, opened by the right button over the meter.
std::span<const MenuItem> contextMenu();
// Accelerator table 128.
std::span<const Accelerator> accelerators();
