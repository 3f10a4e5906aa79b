#include "platform/linux/profile_ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <unordered_map>

#include "platform/utf8.h"

namespace airvane {

namespace {

// Blanks, tabs and vertical tabs around lines, names and values of the file do not count.
constexpr std::string_view kFileSpace = " \t\v";

std::string_view Trim(std::string_view text, std::string_view space) {
    size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(space);
    return text.substr(first, last - first + 1);
}

// Section and key names compare without regard to case (ASCII letters).
std::string Fold(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string TrimTrailingBlanks(const std::string& text) {
    size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// The file's bytes as UTF-8: UTF-16 with either byte order mark, UTF-8 with or without
// its mark, and anything that is not valid UTF-8 as Latin-1.
std::string Decode(std::string_view bytes) {
    auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xFF\xFE"))
        return utf8::FromUtf16(bytes.substr(2), false);
    if (starts("\xFE\xFF"))
        return utf8::FromUtf16(bytes.substr(2), true);
    if (starts("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (utf8::IsValid(bytes))
        return std::string(bytes);
    return utf8::FromLatin1(bytes);
}

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t mtime_sec = 0;
    int64_t mtime_nsec = 0;

    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const struct stat& st) {
    return FileIdentity{st.st_dev, st.st_ino, st.st_size, static_cast<int64_t>(st.st_mtim.tv_sec),
                        static_cast<int64_t>(st.st_mtim.tv_nsec)};
}

}  // namespace

// One parsed file: the first section of each (folded) name with the first value of each
// (folded) key. Later sections of the same name and later equal keys are never searched,
// so they are not kept.
struct ProfileIniFile::ParsedFile {
    FileIdentity identity;
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections;
};

namespace {

void Parse(std::string_view text, ProfileIniFile::ParsedFile* file) {
    // Lines before the first header belong to no section and are never found.
    std::unordered_map<std::string, std::string>* current = nullptr;
    while (!text.empty()) {
        size_t end = text.find_first_of("\r\n");
        std::string_view line = Trim(text.substr(0, end), kFileSpace);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            // The name ends at the first "]"; without one it runs to the end of the line.
            std::string_view name = line.substr(1, line.find(']') - 1);
            auto [it, inserted] = file->sections.try_emplace(Fold(Trim(name, kFileSpace)));
            current = inserted ? &it->second : nullptr;
            continue;
        }
        size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos)
            continue;
        current->try_emplace(Fold(Trim(line.substr(0, equals), kFileSpace)),
                             std::string(Trim(line.substr(equals + 1), kFileSpace)));
    }
}

// Reads the whole regular file at path; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string* bytes, FileIdentity* identity) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok) {
        *identity = IdentityOf(st);
        bytes->clear();
        char chunk[65536];
        for (;;) {
            ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                ok = false;
            if (n <= 0)
                break;
            bytes->append(chunk, static_cast<size_t>(n));
        }
    }
    ::close(fd);
    return ok;
}

}  // namespace

ProfileIniFile::ProfileIniFile() = default;
ProfileIniFile::~ProfileIniFile() = default;

void ProfileIniFile::ClearCache() {
    std::lock_guard<std::mutex> lock(mutex_);
    cache_.clear();
}

std::shared_ptr<const ProfileIniFile::ParsedFile> ProfileIniFile::Current(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        cache_.erase(path);
        return nullptr;
    }
    auto cached = cache_.find(path);
    if (cached != cache_.end() && cached->second->identity == IdentityOf(st)) {
        return cached->second;
    }
    std::string bytes;
    auto parsed = std::make_shared<ParsedFile>();
    if (!ReadWholeFile(path, &bytes, &parsed->identity)) {
        cache_.erase(path);
        return nullptr;
    }
    Parse(Decode(bytes), parsed.get());
    cache_[path] = parsed;
    return parsed;
}

bool ProfileIniFile::Lookup(const std::string& path, const std::string& section,
                            const std::string& key, std::string* value) {
    // Only blanks around the names the caller asks for are dropped.
    std::string section_name = Fold(Trim(section, " "));
    std::string key_name = Fold(Trim(key, " "));
    std::lock_guard<std::mutex> lock(mutex_);
    std::shared_ptr<const ParsedFile> file = Current(path);
    if (file == nullptr)
        return false;
    auto sec = file->sections.find(section_name);
    if (sec == file->sections.end())
        return false;
    auto entry = sec->second.find(key_name);
    if (entry == sec->second.end())
        return false;
    const std::string& text = entry->second;
    // One outer pair of matching quotes is not part of the value.
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        *value = text.substr(1, text.size() - 2);
    } else {
        *value = text;
    }
    return true;
}

std::string ProfileIniFile::GetString(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& default_text,
                                      size_t buffer_chars) {
    std::string value;
    if (!Lookup(path, section, key, &value))
        value = TrimTrailingBlanks(default_text);
    if (buffer_chars == 0)
        return std::string();
    return utf8::CutToChars(value, buffer_chars - 1);
}

int32_t ProfileIniFile::GetInt(const std::string& path, const std::string& section,
                               const std::string& key, int32_t default_value) {
    std::string value;
    if (!Lookup(path, section, key, &value))
        return default_value;
    size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) {
        negative = value[i] == '-';
        ++i;
    }
    // Digits accumulate modulo 2^32, as the 32-bit reader of the original platform does.
    uint32_t magnitude = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        magnitude = magnitude * 10u + static_cast<uint32_t>(value[i] - '0');
    }
    return static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
}

}  // namespace airvane
