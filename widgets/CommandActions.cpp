// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/CommandActions.h"

#include "core/Translated.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

// The captions are marked in the command table's context.
constexpr char kCaptions[] = "CommandTable";

QList<QKeySequence> shortcutsOf(const CommandEntry& entry)
{
    QList<QKeySequence> keys;
    for (const char* key : entry.shortcuts) {
        if (key)
            keys.append(QKeySequence(QString::fromLatin1(key), QKeySequence::PortableText));
    }
    return keys;
}

const char* tableCaption(Command command)
{
    for (const CommandEntry& entry : commandTable()) {
        if (entry.command == command)
            return entry.caption;
    }
    return nullptr;
}

}  // namespace

CommandActions::CommandActions(QWidget& window, Run run, Context context)
    : QObject(&window), m_context(std::move(context))
{
    for (const CommandEntry& entry : commandTable()) {
        auto makeAction = [&](const char* caption) {
            auto* action = new QAction(translated(kCaptions, caption), &window);
            action->setObjectName(QString::fromLatin1(entry.name));
            const Command command = entry.command;
            connect(action, &QAction::triggered, &window, [run, command]() { run(command); });
            return action;
        };
        QAction* action = makeAction(entry.caption);
        const QList<QKeySequence> keys = shortcutsOf(entry);
        if (!keys.isEmpty()) {
            // Taken by the window even while the menu bar is away in full-screen mode.
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WindowShortcut);
            window.addAction(action);
        }
        m_actions.emplace(entry.command, action);
        m_contextActions.emplace(entry.command,
                                 entry.contextCaption ? makeAction(entry.contextCaption) : action);
    }
}

QAction* CommandActions::action(Command command) const
{
    return m_actions.at(command);
}

void CommandActions::fillMenuBar(QMenuBar& bar) const
{
    for (const MenuPopup& popup : mainMenuLayout()) {
        QMenu* menu = bar.addMenu(translated(kCaptions, popup.caption));
        fillMenu(*menu, popup.items, m_actions);
    }
}

void CommandActions::fillContextMenu(QMenu& menu) const
{
    fillMenu(menu, contextMenuLayout(), m_contextActions);
}

void CommandActions::fillMenu(QMenu& menu, MenuItems items,
                              const std::map<Command, QAction*>& actions) const
{
    for (const std::optional<Command>& item : items) {
        if (item)
            menu.addAction(actions.at(*item));
        else
            menu.addSeparator();
    }
    connect(&menu, &QMenu::aboutToShow, &menu,
            [this]() { applyRules(m_context()); });
}

void CommandActions::showUndoTexts(const QString& undo, const QString& redo) const
{
    const auto show = [this](Command command, const char* named, const QString& what) {
        action(command)->setText(what.isEmpty() ? translated(kCaptions, tableCaption(command))
                                                : translated(kCaptions, named).arg(what));
    };
    show(Command::EditUndo, QT_TRANSLATE_NOOP("CommandTable", "Un&do %1"), undo);
    show(Command::EditRedo, QT_TRANSLATE_NOOP("CommandTable", "&Redo %1"), redo);
}

void CommandActions::applyRules(const CommandContext& context) const
{
    for (const auto* actions : {&m_actions, &m_contextActions}) {
        for (const auto& [command, action] : *actions) {
            const std::optional<CommandState> state = commandState(command, context);
            if (!state)
                continue;
            action->setEnabled(state->enabled);
            // As the menus always looked: a check mark where checked, no box where not.
            action->setCheckable(state->checked);
            action->setChecked(state->checked);
        }
    }
}
