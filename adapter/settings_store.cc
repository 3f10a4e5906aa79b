#include "adapter/settings_store.h"

#include <mutex>

#include "adapter/process_state.h"
#include "app/program_config.h"
#include "platform/format.h"
#include "platform/services.h"

namespace airvane {

namespace {

// Set once by start-up but read by the session thread too.
std::mutex g_key_mutex;
std::string g_application_key;

std::string ReadText(const std::string& section, const std::string& name) {
    UserRegistry* registry = Services().user_registry;
    RegistryValue value;
    if (registry == nullptr || registry->GetValue(section, name, &value) != 0 ||
        value.type != RegistryValue::Type::kString) {
        return std::string();
    }
    return value.text;
}

}  // namespace

void SetApplicationKey(const std::string& key) {
    std::lock_guard lock(g_key_mutex);
    g_application_key = key;
}

std::string ApplicationKey() {
    std::lock_guard lock(g_key_mutex);
    if (!g_application_key.empty()) {
        return g_application_key;
    }
    return Format("Software\\%s\\airvane", Config().Company_Abbrev.c_str());
}

void ResetApplicationKey() {
    std::lock_guard lock(g_key_mutex);
    g_application_key.clear();
}

int32_t DecimalTextToInt(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    uint32_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10u + static_cast<uint32_t>(text[pos] - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<int32_t>(value);
}

namespace SettingsStore {

std::string SectionPath(int mode) {
    const char* branch = nullptr;
    if (mode == kStationMode) {
        branch = "Station\\";
    } else if (mode == kAccessPointMode) {
        branch = "AccessPoint\\";
    } else {
        return std::string();
    }
    return ApplicationKey() + "\\LastSetting\\" +
           Format("%s\\%s\\", Config().ReleaseChipMode.c_str(),
                  AdapterState().context.adapter_key.c_str()) +
           branch;
}

std::string GetString(int mode, const std::string& name) {
    std::string section = SectionPath(mode);
    if (section.empty()) {
        return std::string();
    }
    std::string text = ReadText(section, name);
    if (text.empty()) {
        text = ReadText(section, name);
    }
    return text;
}

int32_t GetInt(const std::string& name) {
    int mode = AdapterState().operating_mode;
    std::string text = GetString(mode, name);
    if (text.empty()) {
        text = GetString(mode, name);
    }
    if (text.empty()) {
        return -1;
    }
    return DecimalTextToInt(text);
}

int PutString(int mode, const std::string& name, const std::string& text) {
    std::string section = SectionPath(mode);
    UserRegistry* registry = Services().user_registry;
    if (section.empty() || registry == nullptr) {
        return -1;
    }
    return registry->SetString(section, name, text) == 0 ? 0 : -1;
}

}  // namespace SettingsStore
}  // namespace airvane
