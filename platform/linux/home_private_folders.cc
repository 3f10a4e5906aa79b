#include "platform/linux/home_private_folders.h"

#include <sys/stat.h>

namespace airvane {

std::string HomePrivateFolders::Get(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
        return "";
    }
    const std::string path = root_ + "/" + name;
    std::string reason;
    if (!MakeFolders(path, &reason)) {
        return "";
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return "";
    }
    if ((info.st_mode & 0077) != 0 && ::chmod(path.c_str(), 0700) != 0) {
        return "";
    }
    return path;
}

}  // namespace airvane
