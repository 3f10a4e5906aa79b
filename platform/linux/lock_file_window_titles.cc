#include "platform/linux/lock_file_window_titles.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

#include "platform/format.h"

namespace airvane {

namespace {

constexpr size_t kMaxDirectEncoding = 200;  // well below the 255-byte name limit
constexpr size_t kLongPrefix = 150;

bool KeptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
}

uint64_t Fnv1a64(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// Checks that path is a real folder (not a link) of this user with mode exactly 0700;
// the reason for a refusal goes to *why.
bool IsPrivateFolder(const std::string& path, std::string* why) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        *why = Format("cannot examine it (%s)", strerror(errno));
        return false;
    }
    if (S_ISLNK(st.st_mode)) {
        *why = "it is a symbolic link";
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        *why = "it is not a folder";
        return false;
    }
    if (st.st_uid != ::geteuid()) {
        *why = "it belongs to another user";
        return false;
    }
    if ((st.st_mode & 07777) != 0700) {
        *why = Format("its mode is %04o, not 0700", static_cast<unsigned>(st.st_mode & 07777));
        return false;
    }
    return true;
}

// Creates the folder 0700 when it is missing (the mode is set explicitly, as the umask
// may take bits away) and then checks it as found.
bool SettlePrivateFolder(const std::string& path, std::string* why) {
    if (::mkdir(path.c_str(), 0700) == 0) {
        ::chmod(path.c_str(), 0700);
    } else if (errno != EEXIST) {
        *why = Format("cannot create it (%s)", strerror(errno));
        return false;
    }
    return IsPrivateFolder(path, why);
}

// Whether fd still is the file at path: a lock taken on a file that another process
// removed in the meantime guards nothing.
bool IsFileAt(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0 || ::lstat(path.c_str(), &named) != 0)
        return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

}  // namespace

LockFileWindowTitles::LockFileWindowTitles(std::string private_base)
    : private_base_(std::move(private_base)) {}

LockFileWindowTitles::~LockFileWindowTitles() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [title, fd] : held_) {
        ::unlink(PathFor(title).c_str());
        ::close(fd);
    }
}

std::string LockFileWindowTitles::FileNameFor(const std::string& title) {
    std::string encoded;
    for (unsigned char c : title) {
        if (KeptAsIs(c)) {
            encoded += static_cast<char>(c);
        } else {
            encoded += Format("%%%02X", static_cast<unsigned>(c));
        }
    }
    if (encoded.size() > kMaxDirectEncoding) {
        size_t cut = kLongPrefix;
        // Never end the prefix inside a %XX escape.
        while (cut > 0 && (encoded[cut - 1] == '%' || (cut >= 2 && encoded[cut - 2] == '%'))) {
            --cut;
        }
        encoded = encoded.substr(0, cut) +
                  Format("~%016llx", static_cast<unsigned long long>(Fnv1a64(title)));
    }
    return "title-" + encoded + ".lock";
}

const std::string& LockFileWindowTitles::Folder() {
    if (folder_settled_)
        return folder_;
    folder_settled_ = true;
    const char* runtime = ::getenv("XDG_RUNTIME_DIR");
    std::string folder;
    if (runtime != nullptr && runtime[0] != '\0') {
        folder = std::string(runtime) + "/airvane";
    } else {
        folder = private_base_ + Format("/airvane-%u", static_cast<unsigned>(::geteuid()));
    }
    std::string why;
    if (!SettlePrivateFolder(folder, &why)) {
        // In a shared folder such as /tmp someone else may have made this name first:
        // using it would let them see, hold or remove our titles.
        fprintf(stderr, "airvane: not using %s for window titles: %s\n", folder.c_str(),
                why.c_str());
        return folder_;
    }
    folder_ = folder;
    return folder_;
}

std::string LockFileWindowTitles::PathFor(const std::string& title) {
    return folder_ + "/" + FileNameFor(title);
}

int LockFileWindowTitles::Register(const std::string& title) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (Folder().empty())
        return -1;
    if (held_.count(title) > 0)
        return 0;
    const std::string path = PathFor(title);
    // A few rounds at most: a round is lost only when the file was removed between our
    // open and our lock, by a process that found it stale.
    for (int attempt = 0; attempt < 8; ++attempt) {
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return -1;  // the title is held by a live window elsewhere
        }
        if (IsFileAt(fd, path)) {
            held_[title] = fd;
            return 0;
        }
        ::close(fd);
    }
    return -1;
}

void LockFileWindowTitles::Unregister(const std::string& title) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = held_.find(title);
    if (it == held_.end())
        return;
    // Removed while still locked, so no other process ever sees our file unlocked.
    ::unlink(PathFor(title).c_str());
    ::close(it->second);
    held_.erase(it);
}

bool LockFileWindowTitles::IsOpen(const std::string& title) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (Folder().empty())
        return false;
    const std::string path = PathFor(title);
    // A fresh open file description: flock locks belong to it, so even a title held by
    // this very process makes the attempt fail.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    bool open = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        open = errno == EWOULDBLOCK;
    } else if (IsFileAt(fd, path)) {
        // Nobody holds it: the leftover of a process that ended without unregistering.
        ::unlink(path.c_str());
    }
    ::close(fd);
    return open;
}

}  // namespace airvane
