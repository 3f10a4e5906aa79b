#include "platform/fake/fake_processes.h"

namespace airvane {

int FakeProcesses::Start(const std::string& command_line, const std::string& working_dir,
                         ProcessId* pid) {
    std::lock_guard<std::mutex> lock(mutex_);
    starts_.push_back({command_line, working_dir});
    if (fail_starts_)
        return -1;
    ProcessId id = next_pid_++;
    running_.insert(id);
    if (pid != nullptr)
        *pid = id;
    return 0;
}

int FakeProcesses::Terminate(ProcessId pid) {
    std::lock_guard<std::mutex> lock(mutex_);
    terminated_.push_back(pid);
    return running_.erase(pid) > 0 ? 0 : -1;
}

bool FakeProcesses::IsRunning(ProcessId pid) {
    std::lock_guard<std::mutex> lock(mutex_);
    return running_.count(pid) > 0;
}

std::string FakeProcesses::CurrentDirectory() {
    std::lock_guard<std::mutex> lock(mutex_);
    return current_dir_;
}

std::string FakeProcesses::ExecutablePath() {
    std::lock_guard<std::mutex> lock(mutex_);
    return executable_path_;
}

std::vector<FakeProcesses::StartCall> FakeProcesses::Starts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return starts_;
}

std::vector<ProcessId> FakeProcesses::Terminated() {
    std::lock_guard<std::mutex> lock(mutex_);
    return terminated_;
}

void FakeProcesses::SetFailStarts(bool fail) {
    std::lock_guard<std::mutex> lock(mutex_);
    fail_starts_ = fail;
}

void FakeProcesses::MarkFinished(ProcessId pid) {
    std::lock_guard<std::mutex> lock(mutex_);
    running_.erase(pid);
}

void FakeProcesses::SetCurrentDirectory(const std::string& dir) {
    std::lock_guard<std::mutex> lock(mutex_);
    current_dir_ = dir;
}

void FakeProcesses::SetExecutablePath(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    executable_path_ = path;
}

}  // namespace airvane
