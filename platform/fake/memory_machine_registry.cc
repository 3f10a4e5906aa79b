#include "platform/fake/memory_machine_registry.h"

#include "platform/registry_path.h"

namespace airvane {

namespace {

using registry_path::Components;

std::string Lower(const std::string& text) {
    return registry_path::Fold(text);
}

}  // namespace

struct MemoryMachineRegistry::Node {
    std::string name;
    std::map<std::string, std::unique_ptr<Node>> children;  // by lower-case name
    std::map<std::string, RegistryValue> values;            // by lower-case name
};

MemoryMachineRegistry::MemoryMachineRegistry() : root_(std::make_unique<Node>()) {}

MemoryMachineRegistry::~MemoryMachineRegistry() = default;

MemoryMachineRegistry::Node* MemoryMachineRegistry::Find(const std::string& key) {
    Node* node = root_.get();
    for (const std::string& part : Components(key)) {
        auto it = node->children.find(Lower(part));
        if (it == node->children.end())
            return nullptr;
        node = it->second.get();
    }
    return node;
}

MemoryMachineRegistry::Node* MemoryMachineRegistry::FindOrCreate(const std::string& key) {
    Node* node = root_.get();
    for (const std::string& part : Components(key)) {
        std::unique_ptr<Node>& child = node->children[Lower(part)];
        if (!child) {
            child = std::make_unique<Node>();
            child->name = part;
        }
        node = child.get();
    }
    return node;
}

bool MemoryMachineRegistry::KeyExists(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    return Find(key) != nullptr;
}

int MemoryMachineRegistry::GetValue(const std::string& key, const std::string& name,
                                    RegistryValue* out) {
    std::lock_guard<std::mutex> lock(mutex_);
    Node* node = Find(key);
    if (node == nullptr)
        return -1;
    auto it = node->values.find(Lower(name));
    if (it == node->values.end())
        return -1;
    if (out != nullptr)
        *out = it->second;
    return 0;
}

std::vector<std::string> MemoryMachineRegistry::ListSubkeys(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> names;
    Node* node = Find(key);
    if (node == nullptr)
        return names;
    for (const auto& [lower, child] : node->children)
        names.push_back(child->name);
    return names;
}

bool MemoryMachineRegistry::CanOpenForWrite(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    return writable_ && Find(key) != nullptr;
}

std::vector<RegistryValue> MemoryMachineRegistry::ListValues(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<RegistryValue> values;
    Node* node = Find(key);
    if (node == nullptr)
        return values;
    for (const auto& [lower, value] : node->values)
        values.push_back(value);
    return values;
}

void MemoryMachineRegistry::CreateKey(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    FindOrCreate(key);
}

void MemoryMachineRegistry::Put(const std::string& key, RegistryValue value) {
    std::lock_guard<std::mutex> lock(mutex_);
    Node* node = FindOrCreate(key);
    std::string lower = Lower(value.name);
    node->values[lower] = std::move(value);
}

void MemoryMachineRegistry::SetString(const std::string& key, const std::string& name,
                                      const std::string& text) {
    RegistryValue value;
    value.name = name;
    value.type = RegistryValue::Type::kString;
    value.text = text;
    Put(key, std::move(value));
}

void MemoryMachineRegistry::SetDword(const std::string& key, const std::string& name,
                                     uint32_t number) {
    RegistryValue value;
    value.name = name;
    value.type = RegistryValue::Type::kDword;
    value.number = number;
    Put(key, std::move(value));
}

int MemoryMachineRegistry::DeleteValue(const std::string& key, const std::string& name) {
    std::lock_guard<std::mutex> lock(mutex_);
    Node* node = Find(key);
    if (node == nullptr)
        return -1;
    return node->values.erase(Lower(name)) > 0 ? 0 : -1;
}

int MemoryMachineRegistry::DeleteKeyTree(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> parts = Components(key);
    if (parts.empty())
        return -1;
    Node* parent = root_.get();
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        auto it = parent->children.find(Lower(parts[i]));
        if (it == parent->children.end())
            return -1;
        parent = it->second.get();
    }
    return parent->children.erase(Lower(parts.back())) > 0 ? 0 : -1;
}

void MemoryMachineRegistry::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    root_ = std::make_unique<Node>();
}

void MemoryMachineRegistry::SetWritable(bool writable) {
    std::lock_guard<std::mutex> lock(mutex_);
    writable_ = writable;
}

}  // namespace airvane
