#pragma once
#include <string>

namespace airvane {

using ProcessId = int;

// Starting and ending other programs, and the facts about this process.
class Processes {
public:
    virtual ~Processes() = default;
    // Starts a command line, split into words like a shell does without running one,
    // in working_dir (empty: the current folder). The new process id goes to *pid.
    virtual int Start(const std::string& command_line, const std::string& working_dir,
                      ProcessId* pid) = 0;
    virtual int Terminate(ProcessId pid) = 0;
    virtual bool IsRunning(ProcessId pid) = 0;
    virtual std::string CurrentDirectory() = 0;
    // Full path of the running executable.
    virtual std::string ExecutablePath() = 0;
};

}  // namespace airvane
