#include "app/module_path.h"

namespace airvane {

namespace {

// Index where the file name starts.
size_t FileNameStart(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// Index of the "." that starts the extension, or npos when the file name has none.
size_t ExtensionDot(const std::string& path) {
    size_t start = FileNameStart(path);
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot <= start)
        return std::string::npos;
    return dot;
}

}  // namespace

std::string ModuleStemOf(const std::string& exe_path) {
    if (exe_path.empty())
        return std::string();
    size_t dot = ExtensionDot(exe_path);
    if (dot == std::string::npos)
        return exe_path + ".";
    return exe_path.substr(0, dot + 1);
}

std::string ModuleDirectoryOf(const std::string& exe_path) {
    return exe_path.substr(0, FileNameStart(exe_path));
}

std::string ExecutableBaseName(const std::string& exe_path) {
    size_t start = FileNameStart(exe_path);
    size_t dot = ExtensionDot(exe_path);
    return exe_path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
}

}  // namespace airvane
