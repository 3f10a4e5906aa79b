#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace airvane::registry_path {

// Key paths of the registry-shaped stores: components joined by "\"; a leading or
// trailing "\" and doubled separators carry no meaning, so every path is brought to
// one form before it is compared or stored.
inline std::vector<std::string> Components(std::string_view path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > start) {
            parts.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

inline std::string Join(const std::vector<std::string>& parts, size_t count) {
    std::string out;
    for (size_t i = 0; i < count && i < parts.size(); ++i) {
        if (i > 0) {
            out += '\\';
        }
        out += parts[i];
    }
    return out;
}

inline std::string Normalize(std::string_view path) {
    std::vector<std::string> parts = Components(path);
    return Join(parts, parts.size());
}

// ASCII-only case folding: key and value names compare as the registry compares them.
inline std::string Fold(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

}  // namespace airvane::registry_path
