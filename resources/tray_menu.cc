// Menu resource 173: the tray icon's context menu.
#include "resources/menu_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

constexpr MenuItemTemplate kTrayItems[] = {
    {kIdmTrayOpen, "Open Utility Window"},
    {kIdmTrayClient, "Use Microsoft Wireless Zero Configuration"},
    {kIdmTrayExit, "Exit DEZadere"},
};

constexpr MenuTemplate kTrayMenu = {kMenuTray, "Tray", kTrayItems};

}  // namespace

const MenuTemplate* FindMenuTemplate(int resource_id) {
    return resource_id == kMenuTray ? &kTrayMenu : nullptr;
}

}  // namespace airvane
