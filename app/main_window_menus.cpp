// The main window's menus and tool bar, made from its command table: each
// item and button is connected to its command's handler as it is made.

#include "handler_guard.h"
#include "main_window.h"
#include "tool_icons.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

void placeMenuItem(QWidget *menu, const MainCommand &command, QAction *item)
{
    if (command.separated && !menu->actions().isEmpty()) {
        auto *separator = new QAction(menu);
        separator->setSeparator(true);
        menu->addAction(separator);
    }
    menu->addAction(item);
}

}  // namespace

// The menus, made from the command table in the order of its rows. A key
// that the window handles is shown after the tab of the item only: the
// window runs it, so that it runs exactly what the key runs.
void TForm1::createMenus()
{
    MainMenu1 = new QMenuBar(this);
    PopupMenu1 = new QMenu(this);
    std::vector<std::pair<const MainCommand *, QAction *>> items;
    for (const MainCommand &command : commandTable())
        if (command.menu != CommandMenu::NoMenu || command.onSliceImage)
            items.emplace_back(&command, makeMenuItem(command));
    const std::pair<CommandMenu, QString> menus[] = {
        {CommandMenu::File, QStringLiteral("&File")},   {CommandMenu::View, QStringLiteral("&View")},
        {CommandMenu::Setup, QStringLiteral("&Setup")}, {CommandMenu::Readings, QStringLiteral("&Readings")},
        {CommandMenu::MenuBar, QString()},              {CommandMenu::Help, QStringLiteral("&Help")},
    };
    for (const auto &[place, title] : menus) {
        QWidget *menu = place == CommandMenu::MenuBar ? static_cast<QWidget *>(MainMenu1) : MainMenu1->addMenu(title);
        std::map<QString, QMenu *> submenus;
        for (const auto &[command, item] : items) {
            if (command->menu != place)
                continue;
            if (!command->submenu) {
                placeMenuItem(menu, *command, item);
                continue;
            }
            QMenu *&submenu = submenus[QString::fromUtf8(command->submenu)];
            if (!submenu) {
                submenu = new QMenu(QString::fromUtf8(command->submenu), menu);
                placeMenuItem(menu, *command, submenu->menuAction());
            }
            submenu->addAction(item);
        }
    }
    for (const auto &[command, item] : items)
        if (command->onSliceImage)
            placeMenuItem(PopupMenu1, *command, item);
}

QAction *TForm1::makeMenuItem(const MainCommand &command)
{
    if (command.fillSubmenu) {
        auto *submenu = new QMenu(menuTextOf(command), this);
        submenu->setObjectName(QString::fromUtf8(command.id));
        const MainCommand::SubmenuFiller fill = command.fillSubmenu;
        connect(submenu, &QMenu::aboutToShow, this, [this, submenu, fill] {
            submenu->clear();
            runGuarded([&] { fill(*this, *submenu); });
        });
        return submenu->menuAction();
    }
    auto *item = new QAction(menuTextOf(command), this);
    item->setObjectName(QString::fromUtf8(command.id));
    item->setCheckable(command.checkable);
    if (command.keyHandling == KeyHandling::MenuShortcut) {
        item->setShortcut(command.key);
        addAction(item);
    }
    const MainCommand::Handler run = command.menuRun ? command.menuRun : command.run;
    connect(item, &QAction::triggered, this, [this, run] { runGuarded([&] { run(*this); }); });
    if (command.menuItem)
        this->*command.menuItem = item;
    return item;
}

void TForm1::createToolBar()
{
    CoolBar1 = new QToolBar(ClientArea);
    CoolBar1->setMovable(false);
    CoolBar1->setAutoFillBackground(true);
    for (QAction *TForm1::*button : {&TForm1::ToolButton1, &TForm1::ToolButton9, &TForm1::ToolButton2,
                                     &TForm1::ToolButton3, &TForm1::ToolButton4})
        addToolButton(button);
    CoolBar1->addSeparator();
    RxLabel6 = new QLabel(CoolBar1);
    CoolBar1->addWidget(RxLabel6);
    CoolBar1->addSeparator();
    for (QAction *TForm1::*button : {&TForm1::ToolButton6, &TForm1::ToolButton8})
        addToolButton(button);
}

// The button of the command whose row names it.
void TForm1::addToolButton(QAction *TForm1::*button)
{
    const auto &commands = commandTable();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const MainCommand &row) { return row.toolButton == button; });
    QAction *action = CoolBar1->addAction(toolIcon(command->icon), QString::fromUtf8(command->buttonText));
    action->setToolTip(toolTipOf(*command));
    const MainCommand::Handler run = command->run;
    connect(action, &QAction::triggered, this, [this, run] { runGuarded([&] { run(*this); }); });
    this->*button = action;
}
