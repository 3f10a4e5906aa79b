#include "platform/linux/app_home.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace airvane {

std::string AppHomeFolder() {
    const char* home = std::getenv("AIRVANE_HOME");
    if (home != nullptr && home[0] != '\0') {
        return home;
    }
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return std::string(config) + "/airvane";
    }
    std::string user_home;
    const char* env_home = std::getenv("HOME");
    if (env_home != nullptr && env_home[0] != '\0') {
        user_home = env_home;
    } else if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr) {
        user_home = entry->pw_dir;
    }
    return user_home + "/.config/airvane";
}

bool MakeFolders(const std::string& path, std::string* reason) {
    for (size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/') {
            continue;
        }
        std::string part = path.substr(0, pos);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            *reason = "cannot create folder " + part + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

}  // namespace airvane
