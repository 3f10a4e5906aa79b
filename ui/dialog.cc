#include "ui/dialog.h"

#include "ui/dialog_chain.h"

namespace airvane {

Dialog::~Dialog() {
    UnregisterOpenDialog(this);
    if (host_ != nullptr) {
        host_->DialogDestroyed();
    }
}

int Dialog::RunChild(Dialog& child) {
    child.m_nOpenerId = dialog_id_;
    int result = host_ != nullptr ? host_->RunModal(child) : -1;
    ActiveDialogId() = dialog_id_;
    return result;
}

void Dialog::BeginRun(DialogHost* host) {
    host_ = host;
    RegisterOpenDialog(this);
    OnInitDialog();
}

void Dialog::EndRun() {
    UnregisterOpenDialog(this);
    OnDestroy();
    host_ = nullptr;
}

void Dialog::OnCommand(int id, ControlEvent event) {
    if (event != ControlEvent::kClicked) {
        return;
    }
    if (id == kIdOk || id == kIdCancel) {
        host_->EndDialog(id);
    }
}

void Dialog::OnListEvent(int, ListEvent, int) {}
void Dialog::OnScroll(int, ScrollCode, int) {}
void Dialog::OnTimer(int) {}
void Dialog::OnMenuCommand(int) {}

bool Dialog::OnSystemCommand(int code, bool from_mouse) {
    if (!main_window_frame_) {
        return false;
    }
    int masked = code & 0xFFF0;
    if (masked == 0x0010) {
        return true;
    }
    if (masked == kScMinimize || masked == kScClose) {
        if (from_mouse) {
            host_->ShowWindow(false);
        } else {
            host_->BringToForeground();
        }
        return true;
    }
    return false;
}

bool Dialog::OnKeyDown(Key key) {
    return main_window_frame_ && (key == Key::kEnter || key == Key::kEscape);
}

void Dialog::OnCloseRequest() {
    host_->EndDialog(kIdCancel);
}

}  // namespace airvane
