#pragma once
#include <mutex>
#include <string>

#include "platform/debug_output.h"

namespace airvane {

// The debugger channel. Silent unless AIRVANE_DEBUG_OUTPUT (read once, at construction)
// is "stderr" or names a file, which each text is appended to. The session thread
// writes here too, so writes are serialised.
class LinuxDebugOutput : public DebugOutput {
public:
    LinuxDebugOutput();
    void Write(const std::string& text) override;

private:
    std::mutex mutex_;
    std::string target_;
};

}  // namespace airvane
