#include "ui/headless/headless_notification_area.h"

namespace airvane {

int HeadlessNotificationArea::AddIcon(int icon_id, int image, const std::string& tip) {
    if (fail_ || !available_) {
        return 0;
    }
    icons_[icon_id] = Icon{image, tip};
    return 1;
}

int HeadlessNotificationArea::SetIconImage(int icon_id, int image) {
    auto it = icons_.find(icon_id);
    if (fail_ || it == icons_.end()) {
        return 0;
    }
    it->second.image = image;
    return 1;
}

int HeadlessNotificationArea::SetIconTip(int icon_id, const std::string& tip) {
    auto it = icons_.find(icon_id);
    if (fail_ || it == icons_.end()) {
        return 0;
    }
    it->second.tip = tip;
    return 1;
}

int HeadlessNotificationArea::RemoveIcon(int icon_id) {
    if (fail_) {
        return 0;
    }
    return icons_.erase(icon_id) > 0 ? 1 : 0;
}

int HeadlessNotificationArea::ShowMenu(const std::vector<TrayMenuEntry>& entries) {
    menus_.push_back(entries);
    if (choices_.empty()) {
        return 0;
    }
    int choice = choices_.front();
    choices_.pop_front();
    return choice;
}

void HeadlessNotificationArea::Mouse(int icon_id, TrayMouseEvent event) {
    if (listener_ != nullptr && icons_.count(icon_id) != 0) {
        listener_->OnTrayMouse(icon_id, event);
    }
}

void HeadlessNotificationArea::DoubleClick(int icon_id) {
    for (TrayMouseEvent e : {TrayMouseEvent::kLeftDown, TrayMouseEvent::kLeftUp,
                             TrayMouseEvent::kLeftDoubleClick, TrayMouseEvent::kLeftUp}) {
        Mouse(icon_id, e);
    }
}

void HeadlessNotificationArea::RightClick(int icon_id) {
    Mouse(icon_id, TrayMouseEvent::kRightDown);
    Mouse(icon_id, TrayMouseEvent::kRightUp);
}

void HeadlessNotificationArea::Restart() {
    icons_.clear();
    if (listener_ != nullptr) {
        listener_->OnTrayRecreated();
    }
}

const HeadlessNotificationArea::Icon* HeadlessNotificationArea::Find(int icon_id) const {
    auto it = icons_.find(icon_id);
    return it == icons_.end() ? nullptr : &it->second;
}

}  // namespace airvane
