#pragma once
#include "platform/processes.h"

namespace airvane {

// Programs started with posix_spawn from a command line split by SplitCommandLine; a
// program name without "/" is looked up on PATH. No shell ever runs, so nothing in the
// line is expanded or interpreted beyond quoting.
class LinuxProcesses : public Processes {
public:
    int Start(const std::string& command_line, const std::string& working_dir,
              ProcessId* pid) override;
    // Kills the process (SIGKILL) and, when it is a child of this process, waits for it
    // so it leaves no zombie.
    int Terminate(ProcessId pid) override;
    // A finished child is reaped here, so polling a companion program never leaves it
    // behind as a zombie.
    bool IsRunning(ProcessId pid) override;
    std::string CurrentDirectory() override;
    std::string ExecutablePath() override;
};

}  // namespace airvane
