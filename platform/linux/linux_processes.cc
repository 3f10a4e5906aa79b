#include "platform/linux/linux_processes.h"

#include <errno.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "platform/linux/command_line_words.h"

extern char** environ;

namespace airvane {

namespace {

// Spawn attributes for a clean child: no blocked signals and default dispositions, so
// a program started from a thread with a private signal mask still reacts to signals.
class SpawnSetup {
public:
    SpawnSetup() {
        attr_ready_ = ::posix_spawnattr_init(&attr_) == 0;
        actions_ready_ = ::posix_spawn_file_actions_init(&actions_) == 0;
        if (!attr_ready_ || !actions_ready_)
            return;
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        ok_ =
            ::posix_spawnattr_setsigmask(&attr_, &none) == 0 &&
            ::posix_spawnattr_setsigdefault(&attr_, &all) == 0 &&
            ::posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
    }
    ~SpawnSetup() {
        if (attr_ready_)
            ::posix_spawnattr_destroy(&attr_);
        if (actions_ready_)
            ::posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    bool ChangeFolder(const std::string& folder) {
        return ok_ && ::posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str()) == 0;
    }
    bool ok() const { return ok_; }
    const posix_spawnattr_t* attr() const { return &attr_; }
    const posix_spawn_file_actions_t* actions() const { return &actions_; }

private:
    bool attr_ready_ = false;
    bool actions_ready_ = false;
    bool ok_ = false;
    posix_spawnattr_t attr_;
    posix_spawn_file_actions_t actions_;
};

}  // namespace

int LinuxProcesses::Start(const std::string& command_line, const std::string& working_dir,
                          ProcessId* pid) {
    std::vector<std::string> words;
    if (SplitCommandLine(command_line, &words) != 0 || words.empty() || words[0].empty()) {
        return -1;
    }
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    SpawnSetup setup;
    if (!setup.ok())
        return -1;
    if (!working_dir.empty() && !setup.ChangeFolder(working_dir))
        return -1;

    // posix_spawnp searches PATH only for names without "/", as a shell does; glibc
    // reports a program that cannot be executed (or a folder that cannot be entered)
    // as the call's error, so a failed start never looks like a started process.
    pid_t child = 0;
    int rc = ::posix_spawnp(&child, argv[0], setup.actions(), setup.attr(), argv.data(), environ);
    if (rc != 0)
        return -1;
    if (pid != nullptr)
        *pid = child;
    return 0;
}

int LinuxProcesses::Terminate(ProcessId pid) {
    // 0 and negative ids name process groups (-1 even every process of the user):
    // never pass them on.
    if (pid <= 0)
        return -1;
    if (::kill(pid, SIGKILL) != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) == -1 && errno == EINTR) {
    }
    return 0;
}

bool LinuxProcesses::IsRunning(ProcessId pid) {
    if (pid <= 0)
        return false;
    int status = 0;
    pid_t r;
    do {
        r = ::waitpid(pid, &status, WNOHANG);
    } while (r == -1 && errno == EINTR);
    if (r == pid)
        return false;  // finished child, now reaped
    if (r == 0)
        return true;  // our child, still running
    // Not a child of ours: it runs when it can be signalled (or exists under another
    // user, which refuses the signal).
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

std::string LinuxProcesses::CurrentDirectory() {
    std::vector<char> buffer(256);
    while (true) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr)
            return std::string(buffer.data());
        if (errno != ERANGE || buffer.size() > (1u << 20))
            return std::string();
        buffer.resize(buffer.size() * 2);
    }
}

std::string LinuxProcesses::ExecutablePath() {
    std::vector<char> buffer(256);
    while (true) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return std::string();
        if (static_cast<size_t>(n) < buffer.size()) {
            return std::string(buffer.data(), static_cast<size_t>(n));
        }
        if (buffer.size() > (1u << 20))
            return std::string();
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace airvane
