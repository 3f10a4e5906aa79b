#pragma once
#include <cstdint>
#include <vector>

#include "sim/scenario.h"

namespace airvane::sim {

// The 802.11 information elements the simulated radio puts into beacons and
// association frames.

inline constexpr uint8_t kElementSsid = 0;
inline constexpr uint8_t kElementRates = 1;
inline constexpr uint8_t kElementDsParameters = 3;
inline constexpr uint8_t kElementIbssParameters = 6;
inline constexpr uint8_t kElementErp = 42;
inline constexpr uint8_t kElementRsn = 48;
inline constexpr uint8_t kElementExtendedRates = 50;
inline constexpr uint8_t kElementVendor = 221;

// Suite types of the WPA and 802.11i numbering.
inline constexpr uint8_t kSuiteTkip = 2;
inline constexpr uint8_t kSuiteCcmp = 4;
inline constexpr uint8_t kAkm8021X = 1;
inline constexpr uint8_t kAkmPsk = 2;

uint8_t SuiteType(Cipher cipher);

// The rates a network offers, basic rates marked with bit 7, as in its beacon.
std::vector<uint8_t> NetworkRates(const ScenarioNetwork& network);

// Beacon elements: SSID, rates, DS parameters, IBSS parameters or ERP, RSN, extended
// rates, WMM, WPA, then the scenario's extra elements.
std::vector<uint8_t> BeaconElements(const ScenarioNetwork& network);

// The WPA (vendor, OUI 00:50:F2 type 1) or RSN element a station sends in its
// association request: one pairwise suite, one key-management suite.
std::vector<uint8_t> WpaElement(uint8_t group, uint8_t pairwise, uint8_t akm);
std::vector<uint8_t> RsnElement(uint8_t group, uint8_t pairwise, uint8_t akm);
// With several pairwise suites, as an access point offers them.
std::vector<uint8_t> WpaElement(uint8_t group, const std::vector<uint8_t>& pairwise, uint8_t akm);
std::vector<uint8_t> RsnElement(uint8_t group, const std::vector<uint8_t>& pairwise, uint8_t akm);

// The WMM information element (OUI 00:50:F2 type 2 subtype 0).
std::vector<uint8_t> WmmInformationElement();

void AppendElement(std::vector<uint8_t>* out, uint8_t id, const std::vector<uint8_t>& body);

}  // namespace airvane::sim
