#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "adapter/adapter_library.h"

namespace airvane {

// The byte records exchanged with the adapter library. All numbers are little-endian.
// Writers fill a caller's buffer and report whether it was big enough; readers check
// every offset against the bytes they are given and fail rather than read past them.

// Little-endian access with bounds checks; false when the field does not fit.
bool PutLe16(std::span<uint8_t> bytes, size_t offset, uint16_t value);
bool PutLe32(std::span<uint8_t> bytes, size_t offset, uint32_t value);
bool PutLe64(std::span<uint8_t> bytes, size_t offset, uint64_t value);
bool PutBytes(std::span<uint8_t> bytes, size_t offset, std::span<const uint8_t> value);
bool GetLe16(std::span<const uint8_t> bytes, size_t offset, uint16_t* value);
bool GetLe32(std::span<const uint8_t> bytes, size_t offset, uint32_t* value);
bool GetLe64(std::span<const uint8_t> bytes, size_t offset, uint64_t* value);
bool GetBytes(std::span<const uint8_t> bytes, size_t offset, std::span<uint8_t> value);

// --- Adapter list entry: device name (260), description (260), driver key (5), each
// NUL-terminated narrow text.
struct AdapterListEntry {
    std::string device_name;
    std::string description;
    std::string driver_key;
};
inline constexpr size_t kAdapterNameField = 260;
inline constexpr size_t kAdapterDescriptionOffset = 260;
inline constexpr size_t kAdapterDriverKeyOffset = 520;
inline constexpr size_t kAdapterDriverKeyField = 5;
// Texts longer than their field are cut to whole UTF-8 characters.
void WriteAdapterListEntry(const AdapterListEntry& entry, AdapterListRecord* record);
AdapterListEntry ReadAdapterListEntry(const AdapterListRecord& record);

// --- Site survey: a 32-bit entry count, then the entries back to back in the layout of
// the NDIS 802.11 extended BSSID list, each starting with its own length.
struct SurveyEntry {
    MacAddress bssid{};
    std::vector<uint8_t> ssid;  // at most 32 bytes
    uint32_t privacy = 0;
    int32_t rssi_dbm = 0;
    int32_t network_type_in_use = 0;
    uint32_t beacon_period = 100;
    uint32_t atim_window = 0;
    uint32_t frequency_khz = 0;
    int32_t infrastructure_mode = 0;  // 0 ad hoc, 1 infrastructure
    RateSet rates{};
    uint64_t timestamp = 0;
    uint16_t beacon_interval = 100;
    uint16_t capability = 0;
    std::vector<uint8_t> elements;  // information elements after the fixed fields
};
namespace survey {
inline constexpr size_t kLength = 0;
inline constexpr size_t kBssid = 4;
inline constexpr size_t kSsidLength = 12;
inline constexpr size_t kSsid = 16;
inline constexpr size_t kPrivacy = 48;
inline constexpr size_t kRssi = 52;
inline constexpr size_t kNetworkTypeInUse = 56;
inline constexpr size_t kConfiguration = 60;  // length, beacon period, ATIM window, frequency
inline constexpr size_t kFrequency = 72;
inline constexpr size_t kHopping = 76;
inline constexpr size_t kInfrastructureMode = 92;
inline constexpr size_t kRates = 96;
inline constexpr size_t kElementAreaLength = 112;
inline constexpr size_t kFixedBeaconFields = 116;
inline constexpr size_t kElements = 128;
inline constexpr size_t kFixedBeaconFieldsSize = 12;
}  // namespace survey
// Bytes the entry takes in the buffer (a multiple of 4).
size_t SurveyEntrySize(const SurveyEntry& entry);
// The whole buffer, count first; false (and nothing promised about the buffer) when the
// entries do not fit.
bool WriteSurveyBuffer(const std::vector<SurveyEntry>& entries, std::span<uint8_t> buffer);
// Reads a buffer back; false when a count or length points outside it.
bool ReadSurveyBuffer(std::span<const uint8_t> buffer, std::vector<SurveyEntry>* entries);

// --- Station list and MAC filter list: 16 entries of 7 bytes, byte 0 the in-use flag
// (1 holds an address), bytes 1 to 6 the address.
struct MacListEntry {
    bool in_use = false;
    MacAddress mac{};
};
inline constexpr size_t kMacListEntries = 16;
inline constexpr size_t kMacListSize = 112;
using MacList = std::array<MacListEntry, kMacListEntries>;
bool WriteMacList(const MacList& list, std::span<uint8_t> bytes);
// Any non-zero flag byte counts as in use.
bool ReadMacList(std::span<const uint8_t> bytes, MacList* list);

// --- Driver information record: eight 32-bit fields: record length, driver version,
// firmware version, chip kind (the fourth), chip sub-kind (the fifth), band capability
// bits (1: 2.4 GHz, 2: 5 GHz), two reserved.
struct DriverInfo {
    uint32_t driver_version = 0;
    uint32_t firmware_version = 0;
    uint32_t chip_kind = 0;
    uint32_t chip_sub_kind = 0;
    uint32_t band_bits = 0;
};
inline constexpr size_t kDriverInfoSize = 32;
bool WriteDriverInfo(const DriverInfo& info, std::span<uint8_t> bytes);
bool ReadDriverInfo(std::span<const uint8_t> bytes, DriverInfo* info);

// --- Key record (OID 0xFF12FF1D): length n + 39, key index word, n, BSSID, 6 zero
// bytes, 8-byte receive sequence counter, n key bytes.
inline constexpr uint32_t kKeyTransmit = 0x80000000u;
inline constexpr uint32_t kKeyPairwise = 0x40000000u;
inline constexpr uint32_t kKeyRscValid = 0x20000000u;
struct KeyRecord {
    uint32_t key_index = 0;
    MacAddress bssid{};
    uint64_t rsc = 0;
    std::vector<uint8_t> key;
};
std::vector<uint8_t> BuildKeyRecord(const KeyRecord& record);
// False unless the length word equals the bytes given and the key fits.
bool ParseKeyRecord(std::span<const uint8_t> bytes, KeyRecord* record);

// --- WEP key record (OID 0xFF12FF13): length n + 15, key index (plus 0x80000000 for the
// transmit key), n, key bytes.
struct WepKeyRecord {
    uint32_t key_index = 0;
    std::vector<uint8_t> key;
};
std::vector<uint8_t> BuildWepKeyRecord(const WepKeyRecord& record);
bool ParseWepKeyRecord(std::span<const uint8_t> bytes, WepKeyRecord* record);

// --- PMKID list (OID 0xFF12FF23): length, count, then per entry BSSID (6) and PMKID
// (16); one entry makes 30 bytes, padded to 32.
struct PmkidEntry {
    MacAddress bssid{};
    std::array<uint8_t, 16> pmkid{};
};
std::vector<uint8_t> BuildPmkidList(const std::vector<PmkidEntry>& entries);
bool ParsePmkidList(std::span<const uint8_t> bytes, std::vector<PmkidEntry>* entries);

// --- Association information (OID 0x0D01011F), the NDIS record: a 40-byte header with
// the fixed fields of request and response, the offset of the request elements at byte
// 20 and of the response elements at byte 36, then the elements.
struct AssociationInfo {
    uint16_t request_capabilities = 0;
    uint16_t listen_interval = 0;
    MacAddress current_ap{};
    uint16_t response_capabilities = 0;
    uint16_t status_code = 0;
    uint16_t association_id = 0;
    std::vector<uint8_t> request_elements;
    std::vector<uint8_t> response_elements;
};
inline constexpr size_t kAssociationInfoHeaderSize = 40;
std::vector<uint8_t> BuildAssociationInfo(const AssociationInfo& info);
bool ParseAssociationInfo(std::span<const uint8_t> bytes, AssociationInfo* info);

}  // namespace airvane
