#include "app/tray_icon.h"

#include <vector>

#include "platform/services.h"
#include "platform/utf8.h"
#include "resources/menu_template.h"
#include "ui/dialog.h"
#include "ui/dialog_chain.h"

namespace airvane {
namespace {

// The main window, which receives the tray's commands; nullptr while it is not open.
DialogHost* MainWindow() {
    Dialog* main_page = FindOpenDialog(kDialogMainPage);
    return main_page != nullptr && main_page->HasHost() ? &main_page->Host() : nullptr;
}

// The tray menu's pop-up, or nullptr when the menu resource is missing or empty.
const MenuTemplate* TrayMenu(int icon_id) {
    const MenuTemplate* menu = FindMenuTemplate(icon_id);
    return menu != nullptr && !menu->items.empty() ? menu : nullptr;
}

}  // namespace

CTrayIcon::CTrayIcon(NotificationArea& area) : area_(area) {}

CTrayIcon::~CTrayIcon() {
    area_.SetListener(nullptr);
    if (enabled_) {
        area_.RemoveIcon(icon_id_);
        enabled_ = false;
    }
}

bool CTrayIcon::Create(const std::string& tip, int image, int icon_id, int default_command,
                       bool default_by_position) {
    OsInfo* os = Services().os_info;
    icon_id_ = icon_id;
    if (os != nullptr && os->Version().major < 4) {
        enabled_ = false;
        image_ = 0;
        tip_.clear();
    } else {
        image_ = image;
        tip_ = utf8::CutToChars(tip, kMaxTipChars);
        area_.SetListener(this);
        area_.AddIcon(icon_id_, image_, tip_);
        enabled_ = true;
    }
    return SetDefaultMenuItem(default_command, default_by_position);
}

bool CTrayIcon::SetDefaultMenuItem(int item, bool by_position) {
    if (item == default_item_ && by_position == default_by_position_) {
        return true;
    }
    default_item_ = item;
    default_by_position_ = by_position;
    return TrayMenu(icon_id_) != nullptr;
}

int CTrayIcon::ShowIcon(int image) {
    if (!enabled_) {
        return 0;
    }
    image_ = image;
    return area_.AddIcon(icon_id_, image_, tip_);
}

int CTrayIcon::SetIcon(int image) {
    if (!enabled_) {
        return 0;
    }
    image_ = image;
    return area_.SetIconImage(icon_id_, image_);
}

int CTrayIcon::SetTooltip(const std::string& text) {
    if (!enabled_) {
        return 0;
    }
    tip_ = utf8::CutToChars(text, kMaxTipChars);
    return area_.SetIconTip(icon_id_, tip_);
}

void CTrayIcon::HideIcon() {
    if (enabled_) {
        area_.RemoveIcon(icon_id_);
    }
}

int CTrayIcon::HandleMouse(int icon_id, TrayMouseEvent event) {
    if (!enabled_ || icon_id != icon_id_) {
        return -1;
    }
    switch (event) {
        case TrayMouseEvent::kRightUp:
            return OnRightButtonUp();
        case TrayMouseEvent::kLeftDoubleClick:
            double_click_pending_ = true;
            return 1;
        case TrayMouseEvent::kLeftUp:
            if (double_click_pending_) {
                return OnLeftButtonUp();
            }
            return -1;
        default:
            return -1;
    }
}

int CTrayIcon::OnRightButtonUp() {
    const MenuTemplate* menu = TrayMenu(icon_id_);
    if (menu == nullptr) {
        return 0;
    }
    DialogHost* main_window = MainWindow();
    if (main_window != nullptr) {
        main_window->BringToForeground();
    }
    // The items keep the menu's commands and show the instance's current texts.
    std::vector<TrayMenuEntry> entries;
    for (size_t i = 0; i < menu->items.size() && i < 3; ++i) {
        int command = menu->items[i].command;
        bool is_default = default_by_position_ ? int(i) == default_item_ : command == default_item_;
        entries.push_back({command, m_strMenuText[i], is_default});
    }
    int chosen = area_.ShowMenu(entries);
    if (chosen != 0 && main_window != nullptr) {
        main_window->PostCommand(chosen);
    }
    return 1;
}

int CTrayIcon::OnLeftButtonUp() {
    double_click_pending_ = false;
    int command = default_item_;
    if (default_by_position_) {
        const MenuTemplate* menu = TrayMenu(icon_id_);
        if (menu == nullptr || default_item_ < 0 || size_t(default_item_) >= menu->items.size()) {
            return 0;
        }
        command = menu->items[size_t(default_item_)].command;
    }
    if (DialogHost* main_window = MainWindow()) {
        main_window->BringToForeground();
        main_window->PostCommand(command);
    }
    return 1;
}

void CTrayIcon::OnTrayRecreated() {
    if (recreated_) {
        recreated_();
    }
}

}  // namespace airvane
