#pragma once
#include <cstdint>
#include <string>

namespace airvane {

// One value of a registry-shaped store: a text or a 32-bit number.
struct RegistryValue {
    enum class Type { kString, kDword };
    std::string name;
    Type type = Type::kString;
    std::string text;     // kString
    uint32_t number = 0;  // kDword
};

}  // namespace airvane
