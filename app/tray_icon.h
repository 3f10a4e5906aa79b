#pragma once
#include <functional>
#include <string>

#include "ui/notification_area.h"

namespace airvane {

// The program's icon in the notification area: adds, changes and removes it, keeps its
// tool tip and the texts of its menu, and turns mouse actions on it into commands for
// the main window (a double click opens the window, a right click shows the menu).
class CTrayIcon : public TrayListener {
public:
    static constexpr size_t kMaxTipChars = 127;

    explicit CTrayIcon(NotificationArea& area);
    // Removes the icon if the instance is enabled.
    ~CTrayIcon() override;
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon (unless the system is too old for notification icons, when the
    // instance stays disabled and every icon call does nothing) and sets the default
    // menu item. True when the default item could be set.
    bool Create(const std::string& tip, int image, int icon_id, int default_command,
                bool default_by_position);
    // Remembers the default menu item: a command, or a position when by_position.
    bool SetDefaultMenuItem(int item, bool by_position);
    // The platform's result (1 or 0), or 0 without a call when not enabled.
    int ShowIcon(int image);
    int SetIcon(int image);
    int SetTooltip(const std::string& text);
    void HideIcon();

    // The texts of the menu items at positions 0, 1 and 2.
    std::string m_strMenuText[3];

    bool IsEnabled() const { return enabled_; }
    int IconId() const { return icon_id_; }
    int Image() const { return image_; }
    const std::string& Tooltip() const { return tip_; }

    // A mouse event on the icon: 1 or 0 when handled (0: the menu could not be loaded),
    // -1 when it is left to the default processing.
    int HandleMouse(int icon_id, TrayMouseEvent event);
    // Called when the notification area came back (the task bar was re-created).
    void SetRecreatedHandler(std::function<void()> handler) { recreated_ = std::move(handler); }

    // TrayListener.
    void OnTrayMouse(int icon_id, TrayMouseEvent event) override { HandleMouse(icon_id, event); }
    void OnTrayRecreated() override;

private:
    int OnRightButtonUp();
    int OnLeftButtonUp();

    NotificationArea& area_;
    bool enabled_ = false;
    int icon_id_ = 0;
    int image_ = 0;
    std::string tip_;
    int default_item_ = 0;
    bool default_by_position_ = false;
    bool double_click_pending_ = false;
    std::function<void()> recreated_;
};

}  // namespace airvane
