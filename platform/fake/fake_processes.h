#pragma once
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace airvane {

// Records every start instead of running anything. Started processes get made-up ids
// (from 1000 upward) and count as running until terminated or marked finished.
class FakeProcesses : public Processes {
public:
    struct StartCall {
        std::string command_line;
        std::string working_dir;
    };

    int Start(const std::string& command_line, const std::string& working_dir,
              ProcessId* pid) override;
    int Terminate(ProcessId pid) override;
    bool IsRunning(ProcessId pid) override;
    std::string CurrentDirectory() override;
    std::string ExecutablePath() override;

    // Every Start, failed ones included, in order.
    std::vector<StartCall> Starts();
    std::vector<ProcessId> Terminated();
    // Later Starts fail (-1) while set.
    void SetFailStarts(bool fail);
    // The process ends by itself.
    void MarkFinished(ProcessId pid);
    void SetCurrentDirectory(const std::string& dir);
    void SetExecutablePath(const std::string& path);

private:
    std::mutex mutex_;
    std::vector<StartCall> starts_;
    std::vector<ProcessId> terminated_;
    std::set<ProcessId> running_;
    ProcessId next_pid_ = 1000;
    bool fail_starts_ = false;
    std::string current_dir_ = "/home/user";
    std::string executable_path_ = "/usr/lib/airvane/airvane";
};

}  // namespace airvane
