#pragma once
#include <map>
#include <mutex>
#include <string>

#include "platform/window_titles.h"

namespace airvane {

// Window titles shared between the processes of one user as lock files: one file per
// title, held with an exclusive flock while the window lives. The lock goes with the
// process, so the file of a process that died (even by SIGKILL) is unlocked and never
// counts; it is removed when found.
//
// The folder is $XDG_RUNTIME_DIR/airvane, or without XDG_RUNTIME_DIR the private
// folder <private_base>/airvane-<uid> (private_base is "/tmp" in the program). It is
// created 0700 when missing and must be a real folder (not a link) owned by the user
// with mode exactly 0700, because anyone can create names in /tmp; any other folder is
// refused, with a one-line reason on standard error once, and then no title can be
// registered or found.
class LockFileWindowTitles : public WindowTitles {
public:
    explicit LockFileWindowTitles(std::string private_base = "/tmp");
    ~LockFileWindowTitles() override;
    LockFileWindowTitles(const LockFileWindowTitles&) = delete;
    LockFileWindowTitles& operator=(const LockFileWindowTitles&) = delete;

    int Register(const std::string& title) override;
    void Unregister(const std::string& title) override;
    bool IsOpen(const std::string& title) override;

    // The lock file's name for a title: every byte outside [A-Za-z0-9_-] as %XX, so
    // titles with blanks, "/", dots or non-ASCII characters all give distinct, safe
    // names. Very long titles keep a prefix of the encoding and a hash of the whole.
    static std::string FileNameFor(const std::string& title);

private:
    // The folder, settled at first use; empty when refused.
    const std::string& Folder();
    std::string PathFor(const std::string& title);

    std::mutex mutex_;
    std::string private_base_;
    bool folder_settled_ = false;
    std::string folder_;
    std::map<std::string, int> held_;  // title -> descriptor holding its lock
};

}  // namespace airvane
