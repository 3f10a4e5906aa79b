#pragma once
#include <string>
#include <vector>

namespace airvane {

// Mouse events on a notification icon.
enum class TrayMouseEvent { kMove, kLeftDown, kLeftUp, kLeftDoubleClick, kRightDown, kRightUp };

struct TrayMenuEntry {
    int command;
    std::string text;
    bool is_default;
};

class TrayListener {
public:
    virtual ~TrayListener() = default;
    // A mouse event on the icon icon_id.
    virtual void OnTrayMouse(int icon_id, TrayMouseEvent event) = 0;
    // The notification area (re)appeared after having been away.
    virtual void OnTrayRecreated() = 0;
};

// The desktop's notification area. Calls return 1 on success and 0 on failure, as the
// platform's icon calls do.
class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    virtual bool IsAvailable() = 0;
    virtual void SetListener(TrayListener* listener) = 0;
    virtual int AddIcon(int icon_id, int image, const std::string& tip) = 0;
    virtual int SetIconImage(int icon_id, int image) = 0;
    virtual int SetIconTip(int icon_id, const std::string& tip) = 0;
    virtual int RemoveIcon(int icon_id) = 0;
    // Shows a pop-up menu at the cursor and waits for the choice; returns the chosen
    // command, or 0 when the menu was dismissed.
    virtual int ShowMenu(const std::vector<TrayMenuEntry>& entries) = 0;
};

}  // namespace airvane
