#pragma once

#include <functional>
#include <vector>

class QMenuBar;
class QWidget;

// Menus that layers above the shell add to the main window's menu bar, after
// its own menus. The application registers them before the main window is
// built; the shell calls each with the menu bar and the main window.
using MainMenuBuilder = std::function<void(QMenuBar *bar, QWidget *mainWindow)>;

void RegisterMainMenu(MainMenuBuilder builder);
const std::vector<MainMenuBuilder> &MainMenus();
// Empties the list (tests that build main windows of their own).
void ClearMainMenusForTesting();
