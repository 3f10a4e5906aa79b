#include "sim/information_elements.h"

#include <algorithm>

namespace airvane::sim {

namespace {

const uint8_t kWpaOui[3] = {0x00, 0x50, 0xF2};
const uint8_t kRsnOui[3] = {0x00, 0x0F, 0xAC};

void AppendSuite(std::vector<uint8_t>* body, const uint8_t oui[3], uint8_t type) {
    body->insert(body->end(), oui, oui + 3);
    body->push_back(type);
}

void AppendLe16(std::vector<uint8_t>* body, uint16_t v) {
    body->push_back(static_cast<uint8_t>(v));
    body->push_back(static_cast<uint8_t>(v >> 8));
}

// Version, group suite, pairwise suites, key-management suite: the common body of the
// WPA and RSN elements.
std::vector<uint8_t> SuiteBody(const uint8_t oui[3], uint8_t group,
                               const std::vector<uint8_t>& pairwise, uint8_t akm) {
    std::vector<uint8_t> body;
    AppendLe16(&body, 1);
    AppendSuite(&body, oui, group);
    AppendLe16(&body, static_cast<uint16_t>(pairwise.size()));
    for (uint8_t p : pairwise) {
        AppendSuite(&body, oui, p);
    }
    AppendLe16(&body, 1);
    AppendSuite(&body, oui, akm);
    return body;
}

uint8_t AkmOf(const ScenarioSecurity& s) {
    return s.key_management == KeyManagement::kEap ? kAkm8021X : kAkmPsk;
}

}  // namespace

void AppendElement(std::vector<uint8_t>* out, uint8_t id, const std::vector<uint8_t>& body) {
    out->push_back(id);
    out->push_back(static_cast<uint8_t>(body.size()));
    out->insert(out->end(), body.begin(), body.end());
}

uint8_t SuiteType(Cipher cipher) {
    return cipher == Cipher::kCcmp ? kSuiteCcmp : kSuiteTkip;
}

std::vector<uint8_t> NetworkRates(const ScenarioNetwork& network) {
    // 802.11b rates are basic on 2.4 GHz; a 5 GHz cell has only OFDM rates with 6, 12
    // and 24 Mbit/s basic.
    struct Rate {
        uint8_t units;
        bool basic24;
        bool basic5;
        bool ofdm;
    };
    static const Rate kRates[] = {
        {2, true, false, false},  {4, true, false, false},  {11, true, false, false},
        {22, true, false, false}, {12, false, true, true},  {18, false, false, true},
        {24, false, true, true},  {36, false, false, true}, {48, false, true, true},
        {72, false, false, true}, {96, false, false, true}, {108, false, false, true},
    };
    std::vector<uint8_t> rates;
    for (const Rate& r : kRates) {
        if (r.units > network.max_rate_mbps * 2 || (network.band_5ghz && !r.ofdm)) {
            continue;
        }
        bool basic = network.band_5ghz ? r.basic5 : r.basic24;
        rates.push_back(static_cast<uint8_t>(r.units | (basic ? 0x80 : 0)));
    }
    return rates;
}

std::vector<uint8_t> WpaElement(uint8_t group, const std::vector<uint8_t>& pairwise, uint8_t akm) {
    std::vector<uint8_t> body(kWpaOui, kWpaOui + 3);
    body.push_back(1);  // OUI type 1: WPA
    std::vector<uint8_t> suites = SuiteBody(kWpaOui, group, pairwise, akm);
    body.insert(body.end(), suites.begin(), suites.end());
    std::vector<uint8_t> element;
    AppendElement(&element, kElementVendor, body);
    return element;
}

std::vector<uint8_t> RsnElement(uint8_t group, const std::vector<uint8_t>& pairwise, uint8_t akm) {
    std::vector<uint8_t> body = SuiteBody(kRsnOui, group, pairwise, akm);
    AppendLe16(&body, 0);  // RSN capabilities
    std::vector<uint8_t> element;
    AppendElement(&element, kElementRsn, body);
    return element;
}

std::vector<uint8_t> WpaElement(uint8_t group, uint8_t pairwise, uint8_t akm) {
    return WpaElement(group, std::vector<uint8_t>{pairwise}, akm);
}

std::vector<uint8_t> RsnElement(uint8_t group, uint8_t pairwise, uint8_t akm) {
    return RsnElement(group, std::vector<uint8_t>{pairwise}, akm);
}

std::vector<uint8_t> WmmInformationElement() {
    std::vector<uint8_t> element;
    AppendElement(&element, kElementVendor, {0x00, 0x50, 0xF2, 0x02, 0x00, 0x01, 0x00});
    return element;
}

std::vector<uint8_t> BeaconElements(const ScenarioNetwork& network) {
    std::vector<uint8_t> out;
    AppendElement(&out, kElementSsid,
                  std::vector<uint8_t>(network.ssid.begin(), network.ssid.end()));
    std::vector<uint8_t> rates = NetworkRates(network);
    std::vector<uint8_t> first(rates.begin(), rates.begin() + std::min<size_t>(8, rates.size()));
    std::vector<uint8_t> rest(rates.begin() + first.size(), rates.end());
    AppendElement(&out, kElementRates, first);
    AppendElement(&out, kElementDsParameters, {static_cast<uint8_t>(network.channel)});
    if (network.adhoc) {
        AppendElement(&out, kElementIbssParameters, {0x00, 0x00});  // ATIM window 0
    } else if (!network.band_5ghz) {
        AppendElement(&out, kElementErp, {0x00});
    }
    const ScenarioSecurity& s = network.security;
    std::vector<uint8_t> pairwise;
    for (Cipher c : s.pairwise) {
        pairwise.push_back(SuiteType(c));
    }
    if (s.kind == SecurityKind::kWpa2 || s.kind == SecurityKind::kWpaWpa2) {
        std::vector<uint8_t> rsn = RsnElement(SuiteType(s.group), pairwise, AkmOf(s));
        out.insert(out.end(), rsn.begin(), rsn.end());
    }
    if (!rest.empty()) {
        AppendElement(&out, kElementExtendedRates, rest);
    }
    if (network.wmm && !network.adhoc) {
        std::vector<uint8_t> wmm = WmmInformationElement();
        out.insert(out.end(), wmm.begin(), wmm.end());
    }
    if (s.kind == SecurityKind::kWpa || s.kind == SecurityKind::kWpaWpa2) {
        std::vector<uint8_t> wpa = WpaElement(SuiteType(s.group), pairwise, AkmOf(s));
        out.insert(out.end(), wpa.begin(), wpa.end());
    }
    for (const std::vector<uint8_t>& extra : network.extra_elements) {
        out.insert(out.end(), extra.begin(), extra.end());
    }
    return out;
}

}  // namespace airvane::sim
