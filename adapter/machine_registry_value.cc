#include "adapter/machine_registry_value.h"

#include <cstdint>
#include <cstring>

#include "platform/services.h"
#include "platform/utf8.h"

namespace airvane {

int ReadMachineRegistryValue(const std::string& key_path, const std::string& value_name,
                             void* buffer, size_t buffer_size_bytes) {
    MachineRegistry* registry = Services().machine_registry;
    if (registry == nullptr || buffer == nullptr || !registry->KeyExists(key_path)) {
        return -1;
    }
    RegistryValue value;
    if (registry->GetValue(key_path, value_name, &value) != 0) {
        return -1;
    }
    auto* out = static_cast<uint8_t*>(buffer);
    if (value.type == RegistryValue::Type::kDword) {
        if (buffer_size_bytes < 4) {
            return -1;
        }
        for (int i = 0; i < 4; ++i) {
            out[i] = static_cast<uint8_t>(value.number >> (8 * i));
        }
        return 0;
    }
    if (buffer_size_bytes == 0) {
        return -1;
    }
    std::string text = utf8::CutToBytes(value.text, buffer_size_bytes - 1);
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = 0;
    return 0;
}

}  // namespace airvane
