#include "adapter/layouts.h"

#include <algorithm>
#include <cstring>

#include "platform/utf8.h"

namespace airvane {

namespace {

bool Fits(size_t size, size_t offset, size_t length) {
    return offset <= size && length <= size - offset;
}

template <typename T>
bool PutLe(std::span<uint8_t> bytes, size_t offset, T value) {
    if (!Fits(bytes.size(), offset, sizeof(T))) {
        return false;
    }
    for (size_t i = 0; i < sizeof(T); ++i) {
        bytes[offset + i] = static_cast<uint8_t>(static_cast<uint64_t>(value) >> (8 * i));
    }
    return true;
}

template <typename T>
bool GetLe(std::span<const uint8_t> bytes, size_t offset, T* value) {
    if (!Fits(bytes.size(), offset, sizeof(T))) {
        return false;
    }
    uint64_t v = 0;
    for (size_t i = 0; i < sizeof(T); ++i) {
        v |= static_cast<uint64_t>(bytes[offset + i]) << (8 * i);
    }
    *value = static_cast<T>(v);
    return true;
}

void PutText(std::span<uint8_t> field, const std::string& text) {
    std::fill(field.begin(), field.end(), 0);
    std::string cut = utf8::CutToBytes(text, field.size() - 1);
    std::memcpy(field.data(), cut.data(), cut.size());
}

std::string GetText(std::span<const uint8_t> field) {
    size_t n = 0;
    while (n < field.size() && field[n] != 0) {
        ++n;
    }
    return std::string(reinterpret_cast<const char*>(field.data()), n);
}

size_t AlignTo4(size_t n) {
    return (n + 3) & ~size_t{3};
}

}  // namespace

bool PutLe16(std::span<uint8_t> bytes, size_t offset, uint16_t value) {
    return PutLe(bytes, offset, value);
}
bool PutLe32(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
    return PutLe(bytes, offset, value);
}
bool PutLe64(std::span<uint8_t> bytes, size_t offset, uint64_t value) {
    return PutLe(bytes, offset, value);
}
bool PutBytes(std::span<uint8_t> bytes, size_t offset, std::span<const uint8_t> value) {
    if (!Fits(bytes.size(), offset, value.size())) {
        return false;
    }
    std::copy(value.begin(), value.end(), bytes.begin() + offset);
    return true;
}
bool GetLe16(std::span<const uint8_t> bytes, size_t offset, uint16_t* value) {
    return GetLe(bytes, offset, value);
}
bool GetLe32(std::span<const uint8_t> bytes, size_t offset, uint32_t* value) {
    return GetLe(bytes, offset, value);
}
bool GetLe64(std::span<const uint8_t> bytes, size_t offset, uint64_t* value) {
    return GetLe(bytes, offset, value);
}
bool GetBytes(std::span<const uint8_t> bytes, size_t offset, std::span<uint8_t> value) {
    if (!Fits(bytes.size(), offset, value.size())) {
        return false;
    }
    std::copy_n(bytes.begin() + offset, value.size(), value.begin());
    return true;
}

// --- Adapter list entry.

void WriteAdapterListEntry(const AdapterListEntry& entry, AdapterListRecord* record) {
    std::span<uint8_t> bytes(*record);
    PutText(bytes.subspan(0, kAdapterNameField), entry.device_name);
    PutText(bytes.subspan(kAdapterDescriptionOffset, kAdapterNameField), entry.description);
    PutText(bytes.subspan(kAdapterDriverKeyOffset, kAdapterDriverKeyField), entry.driver_key);
}

AdapterListEntry ReadAdapterListEntry(const AdapterListRecord& record) {
    std::span<const uint8_t> bytes(record);
    AdapterListEntry entry;
    entry.device_name = GetText(bytes.subspan(0, kAdapterNameField));
    entry.description = GetText(bytes.subspan(kAdapterDescriptionOffset, kAdapterNameField));
    entry.driver_key = GetText(bytes.subspan(kAdapterDriverKeyOffset, kAdapterDriverKeyField));
    return entry;
}

// --- Survey buffer.

size_t SurveyEntrySize(const SurveyEntry& entry) {
    return AlignTo4(survey::kElements + entry.elements.size());
}

namespace {

bool WriteSurveyEntry(const SurveyEntry& e, std::span<uint8_t> out) {
    size_t size = SurveyEntrySize(e);
    if (out.size() < size || e.ssid.size() > 32) {
        return false;
    }
    std::span<uint8_t> b = out.subspan(0, size);
    std::fill(b.begin(), b.end(), 0);
    PutLe32(b, survey::kLength, static_cast<uint32_t>(size));
    PutBytes(b, survey::kBssid, e.bssid);
    PutLe32(b, survey::kSsidLength, static_cast<uint32_t>(e.ssid.size()));
    PutBytes(b, survey::kSsid, e.ssid);
    PutLe32(b, survey::kPrivacy, e.privacy);
    PutLe32(b, survey::kRssi, static_cast<uint32_t>(e.rssi_dbm));
    PutLe32(b, survey::kNetworkTypeInUse, static_cast<uint32_t>(e.network_type_in_use));
    PutLe32(b, survey::kConfiguration, 32);  // the configuration record's own length
    PutLe32(b, survey::kConfiguration + 4, e.beacon_period);
    PutLe32(b, survey::kConfiguration + 8, e.atim_window);
    PutLe32(b, survey::kFrequency, e.frequency_khz);
    PutLe32(b, survey::kHopping, 16);  // frequency hopping unused: only its length
    PutLe32(b, survey::kInfrastructureMode, static_cast<uint32_t>(e.infrastructure_mode));
    PutBytes(b, survey::kRates, e.rates);
    PutLe32(b, survey::kElementAreaLength,
            static_cast<uint32_t>(survey::kFixedBeaconFieldsSize + e.elements.size()));
    PutLe64(b, survey::kFixedBeaconFields, e.timestamp);
    PutLe16(b, survey::kFixedBeaconFields + 8, e.beacon_interval);
    PutLe16(b, survey::kFixedBeaconFields + 10, e.capability);
    PutBytes(b, survey::kElements, e.elements);
    return true;
}

bool ReadSurveyEntry(std::span<const uint8_t> b, SurveyEntry* e) {
    uint32_t ssid_length = 0, element_area = 0, value = 0;
    if (b.size() < survey::kElements || !GetLe32(b, survey::kSsidLength, &ssid_length) ||
        ssid_length > 32 || !GetLe32(b, survey::kElementAreaLength, &element_area) ||
        element_area < survey::kFixedBeaconFieldsSize ||
        !Fits(b.size(), survey::kFixedBeaconFields, element_area)) {
        return false;
    }
    GetBytes(b, survey::kBssid, e->bssid);
    e->ssid.assign(b.begin() + survey::kSsid, b.begin() + survey::kSsid + ssid_length);
    GetLe32(b, survey::kPrivacy, &e->privacy);
    GetLe32(b, survey::kRssi, &value);
    e->rssi_dbm = static_cast<int32_t>(value);
    GetLe32(b, survey::kNetworkTypeInUse, &value);
    e->network_type_in_use = static_cast<int32_t>(value);
    GetLe32(b, survey::kConfiguration + 4, &e->beacon_period);
    GetLe32(b, survey::kConfiguration + 8, &e->atim_window);
    GetLe32(b, survey::kFrequency, &e->frequency_khz);
    GetLe32(b, survey::kInfrastructureMode, &value);
    e->infrastructure_mode = static_cast<int32_t>(value);
    GetBytes(b, survey::kRates, e->rates);
    GetLe64(b, survey::kFixedBeaconFields, &e->timestamp);
    GetLe16(b, survey::kFixedBeaconFields + 8, &e->beacon_interval);
    GetLe16(b, survey::kFixedBeaconFields + 10, &e->capability);
    e->elements.assign(b.begin() + survey::kElements,
                       b.begin() + survey::kFixedBeaconFields + element_area);
    return true;
}

}  // namespace

bool WriteSurveyBuffer(const std::vector<SurveyEntry>& entries, std::span<uint8_t> buffer) {
    size_t needed = 4;
    for (const SurveyEntry& e : entries) {
        needed += SurveyEntrySize(e);
    }
    if (buffer.size() < needed) {
        return false;
    }
    PutLe32(buffer, 0, static_cast<uint32_t>(entries.size()));
    size_t offset = 4;
    for (const SurveyEntry& e : entries) {
        if (!WriteSurveyEntry(e, buffer.subspan(offset))) {
            return false;
        }
        offset += SurveyEntrySize(e);
    }
    return true;
}

bool ReadSurveyBuffer(std::span<const uint8_t> buffer, std::vector<SurveyEntry>* entries) {
    entries->clear();
    uint32_t count = 0;
    if (!GetLe32(buffer, 0, &count)) {
        return false;
    }
    size_t offset = 4;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t length = 0;
        if (!GetLe32(buffer, offset, &length) || length < survey::kElements ||
            !Fits(buffer.size(), offset, length)) {
            return false;
        }
        SurveyEntry e;
        if (!ReadSurveyEntry(buffer.subspan(offset, length), &e)) {
            return false;
        }
        entries->push_back(std::move(e));
        offset += length;
    }
    return true;
}

// --- MAC lists.

bool WriteMacList(const MacList& list, std::span<uint8_t> bytes) {
    if (bytes.size() < kMacListSize) {
        return false;
    }
    for (size_t i = 0; i < kMacListEntries; ++i) {
        bytes[i * 7] = list[i].in_use ? 1 : 0;
        PutBytes(bytes, i * 7 + 1, list[i].mac);
    }
    return true;
}

bool ReadMacList(std::span<const uint8_t> bytes, MacList* list) {
    if (bytes.size() < kMacListSize) {
        return false;
    }
    for (size_t i = 0; i < kMacListEntries; ++i) {
        (*list)[i].in_use = bytes[i * 7] != 0;
        GetBytes(bytes, i * 7 + 1, (*list)[i].mac);
    }
    return true;
}

// --- Driver information.

bool WriteDriverInfo(const DriverInfo& info, std::span<uint8_t> bytes) {
    if (bytes.size() < kDriverInfoSize) {
        return false;
    }
    std::fill_n(bytes.begin(), kDriverInfoSize, 0);
    PutLe32(bytes, 0, kDriverInfoSize);
    PutLe32(bytes, 4, info.driver_version);
    PutLe32(bytes, 8, info.firmware_version);
    PutLe32(bytes, 12, info.chip_kind);
    PutLe32(bytes, 16, info.chip_sub_kind);
    PutLe32(bytes, 20, info.band_bits);
    return true;
}

bool ReadDriverInfo(std::span<const uint8_t> bytes, DriverInfo* info) {
    return bytes.size() >= kDriverInfoSize && GetLe32(bytes, 4, &info->driver_version) &&
           GetLe32(bytes, 8, &info->firmware_version) && GetLe32(bytes, 12, &info->chip_kind) &&
           GetLe32(bytes, 16, &info->chip_sub_kind) && GetLe32(bytes, 20, &info->band_bits);
}

// --- Key records.

std::vector<uint8_t> BuildKeyRecord(const KeyRecord& record) {
    std::vector<uint8_t> bytes(record.key.size() + 39, 0);
    std::span<uint8_t> b(bytes);
    PutLe32(b, 0, static_cast<uint32_t>(bytes.size()));
    PutLe32(b, 4, record.key_index);
    PutLe32(b, 8, static_cast<uint32_t>(record.key.size()));
    PutBytes(b, 12, record.bssid);
    PutLe64(b, 24, record.rsc);
    PutBytes(b, 32, record.key);
    return bytes;
}

bool ParseKeyRecord(std::span<const uint8_t> bytes, KeyRecord* record) {
    uint32_t length = 0, key_length = 0;
    if (!GetLe32(bytes, 0, &length) || length != bytes.size() ||
        !GetLe32(bytes, 4, &record->key_index) || !GetLe32(bytes, 8, &key_length) ||
        static_cast<size_t>(key_length) + 39 != bytes.size()) {
        return false;
    }
    GetBytes(bytes, 12, record->bssid);
    GetLe64(bytes, 24, &record->rsc);
    record->key.assign(bytes.begin() + 32, bytes.begin() + 32 + key_length);
    return true;
}

std::vector<uint8_t> BuildWepKeyRecord(const WepKeyRecord& record) {
    std::vector<uint8_t> bytes(record.key.size() + 15, 0);
    std::span<uint8_t> b(bytes);
    PutLe32(b, 0, static_cast<uint32_t>(bytes.size()));
    PutLe32(b, 4, record.key_index);
    PutLe32(b, 8, static_cast<uint32_t>(record.key.size()));
    PutBytes(b, 12, record.key);
    return bytes;
}

bool ParseWepKeyRecord(std::span<const uint8_t> bytes, WepKeyRecord* record) {
    uint32_t length = 0, key_length = 0;
    if (!GetLe32(bytes, 0, &length) || length != bytes.size() ||
        !GetLe32(bytes, 4, &record->key_index) || !GetLe32(bytes, 8, &key_length) ||
        static_cast<size_t>(key_length) + 15 != bytes.size()) {
        return false;
    }
    record->key.assign(bytes.begin() + 12, bytes.begin() + 12 + key_length);
    return true;
}

std::vector<uint8_t> BuildPmkidList(const std::vector<PmkidEntry>& entries) {
    std::vector<uint8_t> bytes(AlignTo4(8 + 22 * entries.size()), 0);
    std::span<uint8_t> b(bytes);
    PutLe32(b, 0, static_cast<uint32_t>(bytes.size()));
    PutLe32(b, 4, static_cast<uint32_t>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        PutBytes(b, 8 + 22 * i, entries[i].bssid);
        PutBytes(b, 14 + 22 * i, entries[i].pmkid);
    }
    return bytes;
}

bool ParsePmkidList(std::span<const uint8_t> bytes, std::vector<PmkidEntry>* entries) {
    uint32_t length = 0, count = 0;
    if (!GetLe32(bytes, 0, &length) || length != bytes.size() || !GetLe32(bytes, 4, &count) ||
        count > 16 || 8 + 22 * static_cast<size_t>(count) > bytes.size()) {
        return false;
    }
    entries->assign(count, PmkidEntry{});
    for (size_t i = 0; i < count; ++i) {
        GetBytes(bytes, 8 + 22 * i, (*entries)[i].bssid);
        GetBytes(bytes, 14 + 22 * i, (*entries)[i].pmkid);
    }
    return true;
}

// --- Association information.

std::vector<uint8_t> BuildAssociationInfo(const AssociationInfo& info) {
    size_t request_offset = kAssociationInfoHeaderSize;
    size_t response_offset = request_offset + info.request_elements.size();
    std::vector<uint8_t> bytes(response_offset + info.response_elements.size(), 0);
    std::span<uint8_t> b(bytes);
    PutLe32(b, 0, kAssociationInfoHeaderSize);
    PutLe16(b, 4, 0x0007);  // capabilities, listen interval and current AP are present
    PutLe16(b, 6, info.request_capabilities);
    PutLe16(b, 8, info.listen_interval);
    PutBytes(b, 10, info.current_ap);
    PutLe32(b, 16, static_cast<uint32_t>(info.request_elements.size()));
    PutLe32(b, 20, static_cast<uint32_t>(request_offset));
    PutLe16(b, 24, 0x0007);  // capabilities, status code and association id are present
    PutLe16(b, 26, info.response_capabilities);
    PutLe16(b, 28, info.status_code);
    PutLe16(b, 30, info.association_id);
    PutLe32(b, 32, static_cast<uint32_t>(info.response_elements.size()));
    PutLe32(b, 36, static_cast<uint32_t>(response_offset));
    PutBytes(b, request_offset, info.request_elements);
    PutBytes(b, response_offset, info.response_elements);
    return bytes;
}

bool ParseAssociationInfo(std::span<const uint8_t> bytes, AssociationInfo* info) {
    uint32_t request_length = 0, request_offset = 0, response_length = 0, response_offset = 0;
    if (!GetLe32(bytes, 16, &request_length) || !GetLe32(bytes, 20, &request_offset) ||
        !GetLe32(bytes, 32, &response_length) || !GetLe32(bytes, 36, &response_offset) ||
        !Fits(bytes.size(), request_offset, request_length) ||
        !Fits(bytes.size(), response_offset, response_length)) {
        return false;
    }
    GetLe16(bytes, 6, &info->request_capabilities);
    GetLe16(bytes, 8, &info->listen_interval);
    GetBytes(bytes, 10, info->current_ap);
    GetLe16(bytes, 26, &info->response_capabilities);
    GetLe16(bytes, 28, &info->status_code);
    GetLe16(bytes, 30, &info->association_id);
    info->request_elements.assign(bytes.begin() + request_offset,
                                  bytes.begin() + request_offset + request_length);
    info->response_elements.assign(bytes.begin() + response_offset,
                                   bytes.begin() + response_offset + response_length);
    return true;
}

}  // namespace airvane
