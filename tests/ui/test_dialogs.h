#pragma once
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "ui/dialog.h"

namespace airvane::test {

// A dialog that records what happens to it, for the window-system tests.
class RecordingDialog : public Dialog {
public:
    RecordingDialog(int resource_id, int dialog_id, std::vector<std::string>* log)
        : Dialog(resource_id, dialog_id), log_(log) {}
    void RefreshTexts() override { Note("refresh"); }
    void OnTimer(int timer_id) override { Note("timer " + std::to_string(timer_id)); }
    void OnMenuCommand(int command) override { Note("command " + std::to_string(command)); }
    void OnDestroy() override { Note("destroy"); }
    using Dialog::UseMainWindowFrame;

private:
    void Note(const std::string& what) {
        if (log_ != nullptr) {
            log_->push_back(std::to_string(Id()) + " " + what);
        }
    }
    std::vector<std::string>* log_;
};

}  // namespace airvane::test
