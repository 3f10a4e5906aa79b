#pragma once
#include <QObject>
#include <QTimer>
#include <map>

#include "ui/notification_area.h"

class QSystemTrayIcon;

namespace airvane {

// The notification area on QSystemTrayIcon. Qt reports clicks, double clicks and the
// context-menu request; they become the button events of the tray icon's rules. Qt
// sends nothing when a notification area appears later, so its availability is checked
// every two seconds and a return is reported to the listener.
class QtNotificationArea : public QObject, public NotificationArea {
    Q_OBJECT

public:
    QtNotificationArea();
    ~QtNotificationArea() override;

    bool IsAvailable() override;
    void SetListener(TrayListener* listener) override { listener_ = listener; }
    int AddIcon(int icon_id, int image, const std::string& tip) override;
    int SetIconImage(int icon_id, int image) override;
    int SetIconTip(int icon_id, const std::string& tip) override;
    int RemoveIcon(int icon_id) override;
    int ShowMenu(const std::vector<TrayMenuEntry>& entries) override;

private:
    void CheckAvailability();

    TrayListener* listener_ = nullptr;
    std::map<int, QSystemTrayIcon*> icons_;
    QTimer watch_;
    bool was_available_ = false;
};

}  // namespace airvane
