#pragma once
#include <span>

namespace airvane {

struct MenuItemTemplate {
    int command;
    const char* text;
};

// A menu resource: one pop-up with its items.
struct MenuTemplate {
    int resource_id;
    const char* popup_text;
    std::span<const MenuItemTemplate> items;
};

// The menu with this resource id, or nullptr.
const MenuTemplate* FindMenuTemplate(int resource_id);

}  // namespace airvane
