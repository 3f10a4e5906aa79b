#include "platform/fake/fake_debug_output.h"

namespace airvane {

void FakeDebugOutput::Write(const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    texts_.push_back(text);
}

std::vector<std::string> FakeDebugOutput::Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

void FakeDebugOutput::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    texts_.clear();
}

}  // namespace airvane
