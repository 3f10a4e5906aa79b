#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "ui/notification_area.h"

namespace airvane {

// The notification area of tests: keeps the icons in memory, lets the test click them
// and answers pop-up menus from a queue (an unanswered menu is dismissed).
class HeadlessNotificationArea : public NotificationArea {
public:
    struct Icon {
        int image;
        std::string tip;
    };

    bool IsAvailable() override { return available_; }
    void SetListener(TrayListener* listener) override { listener_ = listener; }
    int AddIcon(int icon_id, int image, const std::string& tip) override;
    int SetIconImage(int icon_id, int image) override;
    int SetIconTip(int icon_id, const std::string& tip) override;
    int RemoveIcon(int icon_id) override;
    int ShowMenu(const std::vector<TrayMenuEntry>& entries) override;

    // --- The test. ---
    void SetAvailable(bool available) { available_ = available; }
    // Makes every icon call fail from now on.
    void FailCalls(bool fail) { fail_ = fail; }
    void Mouse(int icon_id, TrayMouseEvent event);
    void DoubleClick(int icon_id);  // down, up, double click, up
    void RightClick(int icon_id);   // down, up
    // The user picks command from the next menu (0 dismisses it).
    void ChooseFromNextMenu(int command) { choices_.push_back(command); }
    // The notification area restarts: every icon is gone and the listener is told.
    void Restart();

    const Icon* Find(int icon_id) const;
    const std::vector<std::vector<TrayMenuEntry>>& MenusShown() const { return menus_; }

private:
    bool available_ = true;
    bool fail_ = false;
    TrayListener* listener_ = nullptr;
    std::map<int, Icon> icons_;
    std::deque<int> choices_;
    std::vector<std::vector<TrayMenuEntry>> menus_;
};

}  // namespace airvane
