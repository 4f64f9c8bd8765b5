#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QMenuBar;
class QWidget;

// Menus that layers above the shell add to the main window's menu bar, after
// its own menus. The application registers them before the main window is
// built; the shell calls each with the menu bar and the main window.
using MainMenuBuilder = std::function<void(QMenuBar *bar, QWidget *mainWindow)>;

// Adds a menu; one registered under the same name replaces the earlier one.
void RegisterMainMenu(const QString &name, MainMenuBuilder builder);
// The builders in the order they were first registered.
std::vector<MainMenuBuilder> MainMenus();
// Empties the list (tests that build main windows of their own).
void ClearMainMenusForTesting();
