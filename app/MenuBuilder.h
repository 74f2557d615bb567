#pragma once

#include "app/CommandTarget.h"
#include "app/MenuTable.h"

#include <span>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The command id that a menu action sends.
int commandIdOf(const QAction* action);

// Fills a menu with the items of the table; each item sends its id to the target, and the
// target's menu rules set enabled states and check marks every time the menu opens.
void fillMenu(QMenu& menu, std::span<const MenuItem> items, CommandTarget& target);

// Builds a whole menu bar from its popups.
void fillMenuBar(QMenuBar& bar, std::span<const MenuPopup> popups, CommandTarget& target);

// Applies the target's menu rules to every item of the menu.
void applyMenuRules(QMenu& menu, const CommandTarget& target);
