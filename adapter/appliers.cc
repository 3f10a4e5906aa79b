#include "adapter/appliers.h"

#include <algorithm>
#include <string>

#include "adapter/hex_text.h"
#include "adapter/layouts.h"
#include "adapter/process_state.h"
#include "adapter/settings_store.h"
#include "platform/format.h"
#include "platform/services.h"
#include "platform/utf8.h"

namespace airvane {
namespace {

// The SSID text takes at most 65 characters with its terminator.
constexpr size_t kMaxSsidTextChars = 64;
constexpr size_t kMacEntrySize = kMacListSize / kMacListEntries;
constexpr int32_t kWepKeyCount = 4;

int StoreMode() {
    return AdapterState().operating_mode;
}

void StoreInt(int mode, const char* name, int32_t value) {
    SettingsStore::PutString(mode, name, Format("%d", value));
}

// The shape every integer applier shares: call the library, store on acceptance.
template <typename Call>
int32_t ApplyInt(AdapterContext* ctx, const char* name, int32_t value, Call call) {
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library == nullptr || (library->*call)(ctx, value) != 0) {
        return -1;
    }
    StoreInt(StoreMode(), name, value);
    return 0;
}

std::string WidenSsid(const std::string& narrow) {
    CodePage* code_page = Services().code_page;
    if (code_page == nullptr) {
        return utf8::CutToChars(narrow, kMaxSsidTextChars);
    }
    return code_page->ToWide(narrow, kMaxSsidTextChars);
}

}  // namespace

int32_t ApplySSID(AdapterContext* ctx, std::span<const uint8_t> ssid) {
    AdapterState().was_disconnected = false;
    if (ssid.size() > kMaxSsidBytes) {
        ssid = ssid.first(kMaxSsidBytes);
    }
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library == nullptr || library->SetWL_SSID(ctx, ssid) != 0) {
        return -1;
    }
    // The stored text is the SSID read as a zero-terminated 8-bit string.
    std::string narrow(ssid.begin(), ssid.end());
    narrow.resize(std::min(narrow.find('\0'), narrow.size()));
    SettingsStore::PutString(StoreMode(), "SSID", WidenSsid(narrow));
    return 0;
}

int32_t ApplyHideSSID(AdapterContext* ctx, int32_t hidden) {
    return ApplyInt(ctx, "HideSSID", hidden, &AdapterLibrary::SetWLAP_HideSSIDState);
}

int32_t ApplyWirelessMode(AdapterContext* ctx, int32_t type_in_use) {
    return ApplyInt(ctx, "WirelessMode", type_in_use,
                    &AdapterLibrary::SetWL_802_11_NetworkTypeInUse);
}

int32_t ApplyChannel(AdapterContext* ctx, int32_t channel) {
    return ApplyInt(ctx, "Channel", channel, &AdapterLibrary::SetWL_Channel);
}

int32_t ApplyApWirelessMode(AdapterContext* ctx, int32_t mode) {
    return ApplyInt(ctx, "ApWirelessMode", mode, &AdapterLibrary::SetWL_ApWirelessMode);
}

int32_t ApplyApProtectionMode(AdapterContext* ctx, int32_t mode) {
    return ApplyInt(ctx, "ApProtectionMode", mode, &AdapterLibrary::SetWL_ApProtectionMode);
}

int32_t ApplyNetworkType(AdapterContext* ctx, int32_t type) {
    if (ApplyInt(ctx, "NetworkType", type, &AdapterLibrary::SetWL_NetworkType) != 0) {
        return -1;
    }
    AdapterState().current_network_type = type;
    return 0;
}

int32_t ApplyDesiredRate(AdapterContext* ctx, const RateSet& rates) {
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library == nullptr || library->SetWL_DesiredRate(ctx, rates) != 0) {
        return -1;
    }
    SettingsStore::PutString(StoreMode(), "DesiredRate",
                             BytesToHexText(rates.data(), rates.size(), true));
    return 0;
}

int32_t ApplyWEPStatus(AdapterContext* ctx, int32_t status) {
    return ApplyInt(ctx, "WEPStatus", status, &AdapterLibrary::SetWL_WEPStatus);
}

int32_t ApplyAuthenticationMode(AdapterContext* ctx, int32_t mode) {
    return ApplyInt(ctx, "AuthenticationMode", mode, &AdapterLibrary::SetWL_AuthenticationMode);
}

size_t WepKeySize(int32_t length_index) {
    switch (length_index) {
        case 1:
            return 13;
        case 2:
            return 29;
        default:
            return 5;
    }
}

int32_t ApplyWEPKey(AdapterContext* ctx, int32_t key_index, int32_t length_index,
                    int32_t is_default, std::span<const uint8_t> key) {
    const size_t size = WepKeySize(length_index);
    // The library reads size bytes and the stored name carries the index: a short key
    // or a fifth index would read past the caller's bytes or store a name no reader
    // knows.
    if (key.size() < size || key_index < 0 || key_index >= kWepKeyCount) {
        return -1;
    }
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library == nullptr ||
        library->SetWL_WriteKey(ctx, key_index, length_index, is_default, key.first(size)) != 0) {
        return -1;
    }
    const int mode = StoreMode();
    const int32_t bits = static_cast<int32_t>(size) * 8 + 24;
    SettingsStore::PutString(mode, Format("%s%d_%d", "WEPKey", bits, key_index),
                             BytesToHexText(key.data(), size, true));
    StoreInt(mode, "WEPKeyLength", bits);
    if (is_default != 0) {
        StoreInt(mode, "WEPDefaultKeyId", key_index);
    }
    return 0;
}

int32_t ApplyPowerSaveMode(AdapterContext* ctx, int32_t mode) {
    return ApplyInt(ctx, "PowerSaveMode", mode, &AdapterLibrary::SetWL_PSMode);
}

int32_t ApplyFragmentationThreshold(AdapterContext* ctx, int32_t threshold) {
    return ApplyInt(ctx, "FragmentationThreshold", threshold,
                    &AdapterLibrary::SetWL_FragmentationThreshold);
}

int32_t ApplyRTSThreshold(AdapterContext* ctx, int32_t threshold) {
    return ApplyInt(ctx, "RTSThreshold", threshold, &AdapterLibrary::SetWL_RTS_CTS_Threshold);
}

int32_t ApplyPreambleMode(AdapterContext* ctx, int32_t mode) {
    return ApplyInt(ctx, "PreambleMode", mode, &AdapterLibrary::SetWL_PreambleMode);
}

int32_t ApplyTxPowerLevel(AdapterContext* ctx, int32_t level) {
    // The level is kept even when the adapter refuses it, so that the access point
    // dialog shows what the user chose last.
    AdapterLibrary* library = InstalledAdapterLibrary();
    const int32_t result =
        library != nullptr && library->SetWLAP_TxPowerLevel(ctx, level) == 0 ? 0 : -1;
    StoreInt(StoreMode(), "TxPowerLevel", level);
    return result;
}

int32_t ApplyMACFilterMode(AdapterContext* ctx, int32_t mode) {
    return ApplyInt(ctx, "MACFilterMode", mode, &AdapterLibrary::SetWLAP_FilterMode);
}

int32_t ApplyMACFilterList(AdapterContext* ctx, std::span<const uint8_t> list) {
    if (list.size() < kMacListSize) {
        return -1;
    }
    list = list.first(kMacListSize);
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library == nullptr || library->SetWLAP_FilterList(ctx, list) != 0) {
        return -1;
    }
    const int mode = StoreMode();
    for (size_t entry = 0; entry < kMacListEntries; ++entry) {
        const uint8_t* address = list.data() + entry * kMacEntrySize + 1;
        SettingsStore::PutString(mode, Format("%s%d", "MACFilterAddr", static_cast<int>(entry)),
                                 BytesToHexText(address, kMacEntrySize - 1, true));
    }
    return 0;
}

int32_t ApplyMultiDomainCapability(AdapterContext* ctx, int32_t enabled) {
    return ApplyInt(ctx, "MultiDomainCapability", enabled,
                    &AdapterLibrary::SetWL_MultiDomainCapability);
}

int32_t ApplyOperationRegion(AdapterContext* ctx, int32_t region) {
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library == nullptr || library->SetWL_OperationRegionCode(ctx, region) != 0) {
        return -1;
    }
    // The region is the adapter's, not the mode's: both branches carry it.
    StoreInt(kStationMode, "OperationRegion", region);
    StoreInt(kAccessPointMode, "OperationRegion", region);
    return 0;
}

int32_t ApplySupportChannel(AdapterContext* ctx, std::span<const uint8_t> channels) {
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library == nullptr || library->SetWL_SupportChannel(ctx, channels) != 0) {
        return -1;
    }
    return 0;
}

int32_t ApplyPSPXLinkMode(AdapterContext* ctx, int32_t enabled) {
    return ApplyInt(ctx, "PSPXLinkMode", enabled, &AdapterLibrary::SetWL_QXPSPXLinkMode);
}

int32_t ApplyWMMQosMode(AdapterContext* ctx, int32_t enabled) {
    return ApplyInt(ctx, "WMMQosMode", enabled, &AdapterLibrary::SetWL_QXWMMQosMode);
}

}  // namespace airvane
