#include "MainMenus.h"

namespace {
std::vector<std::pair<QString, MainMenuBuilder>> &menus() {
    static std::vector<std::pair<QString, MainMenuBuilder>> list;
    return list;
}
} // namespace

void RegisterMainMenu(const QString &name, MainMenuBuilder builder) {
    for (auto &[registered, existing] : menus())
        if (registered == name) {
            existing = std::move(builder);
            return;
        }
    menus().emplace_back(name, std::move(builder));
}

std::vector<MainMenuBuilder> MainMenus() {
    std::vector<MainMenuBuilder> builders;
    for (const auto &entry : menus())
        builders.push_back(entry.second);
    return builders;
}

void ClearMainMenusForTesting() {
    menus().clear();
}
