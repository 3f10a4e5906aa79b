#include "ui/qt/qt_notification_area.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

#include "ui/qt/qt_icons.h"

namespace airvane {

QtNotificationArea::QtNotificationArea() {
    was_available_ = QSystemTrayIcon::isSystemTrayAvailable();
    connect(&watch_, &QTimer::timeout, this, &QtNotificationArea::CheckAvailability);
    watch_.start(2000);
}

QtNotificationArea::~QtNotificationArea() {
    for (auto& [id, icon] : icons_) {
        icon->hide();
        delete icon;
    }
}

bool QtNotificationArea::IsAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtNotificationArea::CheckAvailability() {
    bool available = QSystemTrayIcon::isSystemTrayAvailable();
    bool came_back = available && !was_available_;
    was_available_ = available;
    if (came_back && listener_ != nullptr) {
        listener_->OnTrayRecreated();
    }
}

int QtNotificationArea::AddIcon(int icon_id, int image, const std::string& tip) {
    if (!IsAvailable()) {
        return 0;
    }
    QSystemTrayIcon*& icon = icons_[icon_id];
    if (icon == nullptr) {
        icon = new QSystemTrayIcon(this);
        connect(icon, &QSystemTrayIcon::activated, this,
                [this, icon_id](QSystemTrayIcon::ActivationReason reason) {
                    if (listener_ == nullptr) {
                        return;
                    }
                    switch (reason) {
                        case QSystemTrayIcon::Trigger:
                            listener_->OnTrayMouse(icon_id, TrayMouseEvent::kLeftUp);
                            break;
                        case QSystemTrayIcon::DoubleClick:
                            // Qt reports the double click alone; its release follows it.
                            listener_->OnTrayMouse(icon_id, TrayMouseEvent::kLeftDoubleClick);
                            listener_->OnTrayMouse(icon_id, TrayMouseEvent::kLeftUp);
                            break;
                        case QSystemTrayIcon::Context:
                            listener_->OnTrayMouse(icon_id, TrayMouseEvent::kRightUp);
                            break;
                        default:
                            break;
                    }
                });
    }
    icon->setIcon(ImageIcon(image));
    icon->setToolTip(QString::fromStdString(tip));
    icon->show();
    return 1;
}

int QtNotificationArea::SetIconImage(int icon_id, int image) {
    auto it = icons_.find(icon_id);
    if (it == icons_.end() || !it->second->isVisible()) {
        return 0;
    }
    it->second->setIcon(ImageIcon(image));
    return 1;
}

int QtNotificationArea::SetIconTip(int icon_id, const std::string& tip) {
    auto it = icons_.find(icon_id);
    if (it == icons_.end() || !it->second->isVisible()) {
        return 0;
    }
    it->second->setToolTip(QString::fromStdString(tip));
    return 1;
}

int QtNotificationArea::RemoveIcon(int icon_id) {
    auto it = icons_.find(icon_id);
    if (it == icons_.end() || !it->second->isVisible()) {
        return 0;
    }
    it->second->hide();
    return 1;
}

int QtNotificationArea::ShowMenu(const std::vector<TrayMenuEntry>& entries) {
    QMenu menu;
    for (const TrayMenuEntry& entry : entries) {
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        action->setData(entry.command);
        if (entry.is_default) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            menu.setDefaultAction(action);
        }
    }
    QAction* chosen = menu.exec(QCursor::pos());
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

}  // namespace airvane
