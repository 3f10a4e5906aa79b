#include "platform/fake/memory_user_registry.h"

#include <algorithm>

#include "platform/registry_path.h"

namespace airvane {

namespace {

bool FoldedLess(const std::string& a, const std::string& b) {
    return registry_path::Fold(a) < registry_path::Fold(b);
}

}  // namespace

bool MemoryUserRegistry::WriteRefused() {
    ++writes_;
    return fail_all_ || fail_writes_;
}

bool MemoryUserRegistry::ReadRefused() {
    ++reads_;
    return fail_all_;
}

MemoryUserRegistry::Key& MemoryUserRegistry::EnsureKey(const std::string& path) {
    std::vector<std::string> parts = registry_path::Components(path);
    Key* key = nullptr;
    for (size_t depth = 0; depth <= parts.size(); ++depth) {
        std::string display = registry_path::Join(parts, depth);
        auto [it, inserted] = keys_.try_emplace(registry_path::Fold(display));
        if (inserted) {
            it->second.path = display;
        }
        key = &it->second;
    }
    return *key;
}

int MemoryUserRegistry::CreateKey(const std::string& key) {
    if (WriteRefused()) {
        return -1;
    }
    std::lock_guard lock(mutex_);
    EnsureKey(key);
    return 0;
}

bool MemoryUserRegistry::KeyExists(const std::string& key) {
    if (ReadRefused()) {
        return false;
    }
    std::string folded = registry_path::Fold(registry_path::Normalize(key));
    std::lock_guard lock(mutex_);
    return folded.empty() || keys_.count(folded) > 0;
}

int MemoryUserRegistry::GetValue(const std::string& key, const std::string& name,
                                 RegistryValue* out) {
    if (ReadRefused()) {
        return -1;
    }
    std::lock_guard lock(mutex_);
    auto it = keys_.find(registry_path::Fold(registry_path::Normalize(key)));
    if (it == keys_.end()) {
        return -1;
    }
    auto value = it->second.values.find(registry_path::Fold(name));
    if (value == it->second.values.end()) {
        return -1;
    }
    if (out != nullptr) {
        *out = value->second;
    }
    return 0;
}

int MemoryUserRegistry::SetValue(const std::string& key, RegistryValue value) {
    if (WriteRefused()) {
        return -1;
    }
    std::lock_guard lock(mutex_);
    Key& target = EnsureKey(key);
    auto [it, inserted] = target.values.try_emplace(registry_path::Fold(value.name), value);
    if (!inserted) {
        value.name = it->second.name;  // the case first written stays
        it->second = value;
    }
    return 0;
}

int MemoryUserRegistry::SetString(const std::string& key, const std::string& name,
                                  const std::string& text) {
    RegistryValue value;
    value.name = name;
    value.type = RegistryValue::Type::kString;
    value.text = text;
    return SetValue(key, value);
}

int MemoryUserRegistry::SetDword(const std::string& key, const std::string& name, uint32_t number) {
    RegistryValue value;
    value.name = name;
    value.type = RegistryValue::Type::kDword;
    value.number = number;
    return SetValue(key, value);
}

int MemoryUserRegistry::DeleteValue(const std::string& key, const std::string& name) {
    if (WriteRefused()) {
        return -1;
    }
    std::lock_guard lock(mutex_);
    auto it = keys_.find(registry_path::Fold(registry_path::Normalize(key)));
    if (it == keys_.end()) {
        return -1;
    }
    return it->second.values.erase(registry_path::Fold(name)) > 0 ? 0 : -1;
}

int MemoryUserRegistry::DeleteKeyTree(const std::string& key) {
    if (WriteRefused()) {
        return -1;
    }
    std::string folded = registry_path::Fold(registry_path::Normalize(key));
    if (folded.empty()) {
        return -1;  // the hive root stays
    }
    std::lock_guard lock(mutex_);
    if (keys_.erase(folded) == 0) {
        return -1;
    }
    std::string prefix = folded + "\\";
    for (auto it = keys_.lower_bound(prefix);
         it != keys_.end() && it->first.compare(0, prefix.size(), prefix) == 0;) {
        it = keys_.erase(it);
    }
    return 0;
}

std::vector<std::string> MemoryUserRegistry::ListSubkeys(const std::string& key) {
    std::vector<std::string> names;
    if (ReadRefused()) {
        return names;
    }
    std::string folded = registry_path::Fold(registry_path::Normalize(key));
    std::string prefix = folded.empty() ? "" : folded + "\\";
    std::lock_guard lock(mutex_);
    for (const auto& [path, entry] : keys_) {
        if (path.empty() || path.compare(0, prefix.size(), prefix) != 0 ||
            path.find('\\', prefix.size()) != std::string::npos) {
            continue;
        }
        names.push_back(entry.path.substr(prefix.size()));
    }
    std::sort(names.begin(), names.end(), FoldedLess);
    return names;
}

std::vector<RegistryValue> MemoryUserRegistry::ListValues(const std::string& key) {
    std::vector<RegistryValue> values;
    if (ReadRefused()) {
        return values;
    }
    std::lock_guard lock(mutex_);
    auto it = keys_.find(registry_path::Fold(registry_path::Normalize(key)));
    if (it == keys_.end()) {
        return values;
    }
    for (const auto& [folded, value] : it->second.values) {
        values.push_back(value);
    }
    return values;
}

}  // namespace airvane
