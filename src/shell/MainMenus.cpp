#include "MainMenus.h"

namespace {
std::vector<MainMenuBuilder> &menus()
{
    static std::vector<MainMenuBuilder> list;
    return list;
}
} // namespace

void RegisterMainMenu(MainMenuBuilder builder) { menus().push_back(std::move(builder)); }
const std::vector<MainMenuBuilder> &MainMenus() { return menus(); }
void ClearMainMenusForTesting() { menus().clear(); }
