#pragma once
#include <string>

namespace airvane {

// The debugger output channel: silent unless AIRVANE_DEBUG_OUTPUT names a file or
// "stderr".
class DebugOutput {
public:
    virtual ~DebugOutput() = default;
    virtual void Write(const std::string& text) = 0;
};

}  // namespace airvane
