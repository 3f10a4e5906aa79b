#include "platform/linux/linux_processes.h"

#include <errno.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/support/scratch.h"

namespace airvane {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string RealPath(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) != nullptr ? buffer : path;
}

// Waits (bounded) for a started child to finish, as a caller polling IsRunning would.
bool WaitFinished(LinuxProcesses& processes, ProcessId pid) {
    for (int i = 0; i < 1000; ++i) {
        if (!processes.IsRunning(pid))
            return true;
        ::usleep(10 * 1000);
    }
    return false;
}

TEST(LinuxProcesses, StartsInTheWorkingFolder) {
    LinuxProcesses processes;
    const std::string dir = test::NewScratchDir("spawn folder");  // a blank in the path
    ProcessId pid = 0;
    ASSERT_EQ(processes.Start("/bin/sh -c 'pwd > out'", dir, &pid), 0);
    EXPECT_GT(pid, 0);
    ASSERT_TRUE(WaitFinished(processes, pid));
    EXPECT_EQ(ReadAll(dir + "/out"), RealPath(dir) + "\n");
}

TEST(LinuxProcesses, FindsProgramOnPathAndPassesWordsUntouched) {
    LinuxProcesses processes;
    const std::string dir = test::NewScratchDir("spawn-words");
    ProcessId pid = 0;
    ASSERT_EQ(processes.Start(
                  "sh -c 'printf \"%s|\" \"$@\" > args' sh one \"two  words\" 'th\"ree' $HOME '*'",
                  dir, &pid),
              0);
    ASSERT_TRUE(WaitFinished(processes, pid));
    EXPECT_EQ(ReadAll(dir + "/args"), "one|two  words|th\"ree|$HOME|*|");
}

TEST(LinuxProcesses, RefusesWhatCannotStart) {
    LinuxProcesses processes;
    const std::string dir = test::NewScratchDir("spawn-fail");
    struct Row {
        const char* name;
        std::string line;
        std::string folder;
    };
    const Row rows[] = {
        {"empty line", "", ""},
        {"blank line", "  \t", ""},
        {"empty program name", "'' arg", ""},
        {"unbalanced quote", "/bin/sh -c 'true", ""},
        {"missing program by path", dir + "/no-such-program", ""},
        {"missing program on PATH", "airvane-no-such-program-anywhere", ""},
        {"not executable", "/etc/passwd", ""},
        {"missing working folder", "/bin/true", dir + "/missing"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ProcessId pid = -7;
        EXPECT_EQ(processes.Start(row.line, row.folder, &pid), -1);
        EXPECT_EQ(pid, -7);
    }
}

TEST(LinuxProcesses, TerminateKillsAndReaps) {
    LinuxProcesses processes;
    ProcessId pid = 0;
    ASSERT_EQ(processes.Start("sleep 60", "", &pid), 0);
    EXPECT_TRUE(processes.IsRunning(pid));
    EXPECT_EQ(processes.Terminate(pid), 0);
    EXPECT_FALSE(processes.IsRunning(pid));
    errno = 0;
    EXPECT_EQ(::waitpid(pid, nullptr, WNOHANG), -1);  // nothing left to reap
    EXPECT_EQ(errno, ECHILD);
    // Ids that would name process groups, or every process, are refused.
    EXPECT_EQ(processes.Terminate(0), -1);
    EXPECT_EQ(processes.Terminate(-1), -1);
    EXPECT_FALSE(processes.IsRunning(0));
}

TEST(LinuxProcesses, IsRunningReapsAFinishedChild) {
    LinuxProcesses processes;
    ProcessId pid = 0;
    ASSERT_EQ(processes.Start("true", "", &pid), 0);
    ASSERT_TRUE(WaitFinished(processes, pid));
    errno = 0;
    EXPECT_EQ(::waitpid(pid, nullptr, WNOHANG), -1);  // no zombie left
    EXPECT_EQ(errno, ECHILD);
    EXPECT_FALSE(processes.IsRunning(pid));
}

TEST(LinuxProcesses, FactsAboutThisProcess) {
    LinuxProcesses processes;
    char cwd[PATH_MAX];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(processes.CurrentDirectory(), cwd);
    const std::string exe = processes.ExecutablePath();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe[0], '/');
    EXPECT_EQ(exe.substr(exe.rfind('/') + 1), "platform_service_tests");
}

}  // namespace
}  // namespace airvane
