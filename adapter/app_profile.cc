#include "adapter/app_profile.h"

#include "adapter/settings_store.h"
#include "platform/services.h"

namespace airvane {

namespace {

std::string SectionKey(const std::string& section) {
    return ApplicationKey() + "\\" + section;
}

bool ReadValue(const std::string& section, const std::string& entry, RegistryValue* value) {
    UserRegistry* registry = Services().user_registry;
    return registry != nullptr && registry->GetValue(SectionKey(section), entry, value) == 0;
}

}  // namespace

int32_t GetProfileInt(const std::string& section, const std::string& entry, int32_t default_value) {
    RegistryValue value;
    if (!ReadValue(section, entry, &value)) {
        return default_value;
    }
    if (value.type == RegistryValue::Type::kDword) {
        return static_cast<int32_t>(value.number);
    }
    return DecimalTextToInt(value.text);
}

int WriteProfileInt(const std::string& section, const std::string& entry, int32_t value) {
    UserRegistry* registry = Services().user_registry;
    if (registry == nullptr) {
        return -1;
    }
    return registry->SetDword(SectionKey(section), entry, static_cast<uint32_t>(value)) == 0 ? 0
                                                                                             : -1;
}

std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& default_text) {
    RegistryValue value;
    if (!ReadValue(section, entry, &value) || value.type != RegistryValue::Type::kString) {
        return default_text;
    }
    return value.text;
}

int WriteProfileString(const std::string& section, const std::string& entry,
                       const std::string& text) {
    UserRegistry* registry = Services().user_registry;
    if (registry == nullptr) {
        return -1;
    }
    return registry->SetString(SectionKey(section), entry, text) == 0 ? 0 : -1;
}

}  // namespace airvane
