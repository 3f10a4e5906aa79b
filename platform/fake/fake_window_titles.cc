#include "platform/fake/fake_window_titles.h"

namespace airvane {

int FakeWindowTitles::Register(const std::string& title) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (fail_register_)
        return -1;
    titles_.insert(title);
    return 0;
}

void FakeWindowTitles::Unregister(const std::string& title) {
    std::lock_guard<std::mutex> lock(mutex_);
    titles_.erase(title);
}

bool FakeWindowTitles::IsOpen(const std::string& title) {
    std::lock_guard<std::mutex> lock(mutex_);
    return titles_.count(title) > 0;
}

void FakeWindowTitles::SetFailRegister(bool fail) {
    std::lock_guard<std::mutex> lock(mutex_);
    fail_register_ = fail;
}

std::set<std::string> FakeWindowTitles::Titles() {
    std::lock_guard<std::mutex> lock(mutex_);
    return titles_;
}

}  // namespace airvane
