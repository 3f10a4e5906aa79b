#pragma once
#include <string>

namespace airvane {

// Which top-level windows of this user are open, by exact title, across processes.
class WindowTitles {
public:
    virtual ~WindowTitles() = default;
    // Claims title for this process until Unregister or process end; 0 or -1.
    virtual int Register(const std::string& title) = 0;
    virtual void Unregister(const std::string& title) = 0;
    // Whether any process of this user holds the title (this one included).
    virtual bool IsOpen(const std::string& title) = 0;
};

}  // namespace airvane
