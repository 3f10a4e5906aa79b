#include "sim/association_rules.h"

#include <algorithm>

#include "adapter/adapter_library.h"

namespace airvane::sim {

std::optional<Cipher> CipherOf(int32_t wep_status) {
    if (wep_status == ndis::kTkipEnabled) {
        return Cipher::kTkip;
    }
    if (wep_status == ndis::kAesEnabled) {
        return Cipher::kCcmp;
    }
    return std::nullopt;
}

namespace {

bool Offers(const ScenarioSecurity& s, Cipher c) {
    return std::find(s.pairwise.begin(), s.pairwise.end(), c) != s.pairwise.end();
}

bool IsWpaMode(int32_t mode, const ScenarioNetwork& n) {
    if (n.adhoc) {
        return mode == ndis::kAuthWpaNone;
    }
    return n.security.key_management == KeyManagement::kPsk ? mode == ndis::kAuthWpaPsk
                                                            : mode == ndis::kAuthWpa;
}

bool IsRsnMode(int32_t mode, const ScenarioNetwork& n) {
    return n.security.key_management == KeyManagement::kPsk ? mode == ndis::kAuthWpa2Psk
                                                            : mode == ndis::kAuthWpa2;
}

}  // namespace

std::optional<SecurityFamily> SecurityMatch(const ScenarioNetwork& network,
                                            const StationSettings& station) {
    const ScenarioSecurity& s = network.security;
    int32_t auth = station.authentication_mode;
    switch (s.kind) {
        case SecurityKind::kOpen:
            if ((auth == ndis::kAuthOpen || auth == ndis::kAuthAutoSwitch) &&
                station.wep_status == ndis::kWepDisabled) {
                return SecurityFamily::kNone;
            }
            return std::nullopt;
        case SecurityKind::kWep:
            if ((auth == ndis::kAuthOpen || auth == ndis::kAuthShared ||
                 auth == ndis::kAuthAutoSwitch) &&
                station.wep_status == ndis::kWepEnabled) {
                return SecurityFamily::kWep;
            }
            return std::nullopt;
        case SecurityKind::kWpa:
        case SecurityKind::kWpa2:
        case SecurityKind::kWpaWpa2: {
            std::optional<Cipher> cipher = CipherOf(station.wep_status);
            if (!cipher || !Offers(s, *cipher)) {
                return std::nullopt;
            }
            bool wpa = s.kind != SecurityKind::kWpa2;
            bool rsn = s.kind != SecurityKind::kWpa;
            if (rsn && IsRsnMode(auth, network)) {
                return SecurityFamily::kRsn;
            }
            if (wpa && IsWpaMode(auth, network)) {
                return SecurityFamily::kWpa;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool NetworkTypeMatches(const ScenarioNetwork& network, const StationSettings& station) {
    if (station.network_type == 2) {
        return true;  // automatic: either kind of cell
    }
    return station.network_type ==
           (network.adhoc ? ndis::kNetworkAdHoc : ndis::kNetworkInfrastructure);
}

bool BandMatches(const ScenarioNetwork& network, const StationSettings& station) {
    bool capable = network.band_5ghz ? station.band_capability != kBandCapability24GHz
                                     : station.band_capability != kBandCapability5GHz;
    bool in_use = network.band_5ghz ? station.type_in_use == ndis::kTypeInUse5GHz ||
                                          station.type_in_use == ndis::kTypeInUseAutomatic
                                    : station.type_in_use != ndis::kTypeInUse5GHz;
    return capable && in_use;
}

bool SharedKeyRejects(const ScenarioNetwork& network, const StationSettings& station,
                      bool key_matches) {
    return network.security.kind == SecurityKind::kWep &&
           station.authentication_mode == ndis::kAuthShared && !key_matches;
}

}  // namespace airvane::sim
