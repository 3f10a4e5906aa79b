#pragma once
#include <cstdint>
#include <optional>

#include "sim/scenario.h"

namespace airvane::sim {

// What a station's settings allow it to join, decided as an adapter decides it before it
// sends an association request.
struct StationSettings {
    int32_t network_type = 1;         // 0 ad hoc, 1 infrastructure, 2 either
    int32_t authentication_mode = 0;  // NDIS numbering
    int32_t wep_status = 1;           // as set: 0 WEP, 1 off, 4 TKIP, 6 AES
    int32_t type_in_use = 3;          // 2 5 GHz, 3 2.4 GHz (1 as well), 4 automatic
    int32_t band_capability = 3;      // 2 5 GHz, 3 2.4 GHz, 4 both
};

enum class SecurityFamily { kNone, kWep, kWpa, kRsn };

// The security the station would use with this network, or nothing when its settings
// cannot meet the network's (wrong privacy, authentication or cipher).
std::optional<SecurityFamily> SecurityMatch(const ScenarioNetwork& network,
                                            const StationSettings& station);

bool NetworkTypeMatches(const ScenarioNetwork& network, const StationSettings& station);
bool BandMatches(const ScenarioNetwork& network, const StationSettings& station);

// Shared-key authentication proves the key: with a wrong one the cell refuses the
// station; open and automatic authentication associate and only the data fails.
bool SharedKeyRejects(const ScenarioNetwork& network, const StationSettings& station,
                      bool key_matches);

// The pairwise cipher a station's encryption status asks for.
std::optional<Cipher> CipherOf(int32_t wep_status);

}  // namespace airvane::sim
