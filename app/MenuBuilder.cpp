#include "app/MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
const char kCommandIdProperty[] = "commandId";
}  // namespace

int commandIdOf(const QAction* action)
{
    return action->property(kCommandIdProperty).toInt();
}

void applyMenuRules(QMenu& menu, const CommandTarget& target)
{
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const std::optional<CommandUiState> rule = target.updateCommandUi(commandIdOf(action));
        if (!rule)
            continue;
        action->setEnabled(rule->enabled);
        action->setCheckable(rule->checked);
        action->setChecked(rule->checked);
    }
}

void fillMenu(QMenu& menu, std::span<const MenuItem> items, CommandTarget& target)
{
    for (const MenuItem& item : items) {
        if (!item.caption) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(item.caption));
        action->setProperty(kCommandIdProperty, item.id);
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, &menu,
                         [&target, id]() { target.OnCmdMsg(id); });
    }
    QObject::connect(&menu, &QMenu::aboutToShow, &menu,
                     [&menu, &target]() { applyMenuRules(menu, target); });
}

void fillMenuBar(QMenuBar& bar, std::span<const MenuPopup> popups, CommandTarget& target)
{
    for (const MenuPopup& popup : popups) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(popup.caption));
        fillMenu(*menu, popup.items, target);
    }
}
