// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"
#include "core/CommandTable.h"

#include "core/MenuRules.h"

#include <QObject>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The program's commands as named QActions, made from the command table: one action per
// command for the menu bar and the keys, and one for the context menu where its caption
// differs. Enabled states and check marks follow the menu rules each time a menu opens.
class CommandActions : public QObject {
    Q_OBJECT
public:
    // Runs a command; the menus' rules are applied to what context answers now.
    using Run = std::function<void(Command command)>;
    using Context = std::function<CommandContext()>;

    // The actions belong to the window; those with keys work wherever its focus is, with or
    // without the menu bar. Triggering one runs its command through run.
    CommandActions(QWidget& window, Run run, Context context);

    QAction* action(Command command) const;

    // Fills a fresh menu bar, or the context menu, from the layouts.
    void fillMenuBar(QMenuBar& bar) const;
    void fillContextMenu(QMenu& menu) const;

    // Sets every action that has a menu rule as the rule says.
    void applyRules(const CommandContext& context) const;
    // Undo and Redo name what they would take back or make again (empty: nothing).
    void showUndoTexts(const QString& undo, const QString& redo) const;

private:
    void fillMenu(QMenu& menu, MenuItems items, const std::map<Command, QAction*>& actions) const;

    Context m_context;
    std::map<Command, QAction*> m_actions;
    std::map<Command, QAction*> m_contextActions;
};
