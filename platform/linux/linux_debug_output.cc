#include "platform/linux/linux_debug_output.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace airvane {

namespace {

void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

LinuxDebugOutput::LinuxDebugOutput() {
    const char* target = ::getenv("AIRVANE_DEBUG_OUTPUT");
    if (target != nullptr)
        target_ = target;
}

void LinuxDebugOutput::Write(const std::string& text) {
    if (target_.empty() || text.empty())
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (target_ == "stderr") {
        WriteAll(STDERR_FILENO, text);
        return;
    }
    // Opened per write so that a file removed or rotated meanwhile is created afresh;
    // the channel carries key dumps, so the file is private to the user.
    int fd = ::open(target_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    WriteAll(fd, text);
    ::close(fd);
}

}  // namespace airvane
