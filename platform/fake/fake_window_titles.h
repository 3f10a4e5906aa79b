#pragma once
#include <mutex>
#include <set>
#include <string>

#include "platform/window_titles.h"

namespace airvane {

// Window titles as an in-memory set. Tests add titles of "other processes" with
// Register as well; SetFailRegister makes Register refuse.
class FakeWindowTitles : public WindowTitles {
public:
    int Register(const std::string& title) override;
    void Unregister(const std::string& title) override;
    bool IsOpen(const std::string& title) override;

    void SetFailRegister(bool fail);
    std::set<std::string> Titles();

private:
    std::mutex mutex_;
    std::set<std::string> titles_;
    bool fail_register_ = false;
};

}  // namespace airvane
