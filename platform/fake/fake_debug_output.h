#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "platform/debug_output.h"

namespace airvane {

// Keeps every text written to the debugger channel for the test to look at.
class FakeDebugOutput : public DebugOutput {
public:
    void Write(const std::string& text) override;
    std::vector<std::string> Texts();
    void Clear();

private:
    std::mutex mutex_;
    std::vector<std::string> texts_;
};

}  // namespace airvane
