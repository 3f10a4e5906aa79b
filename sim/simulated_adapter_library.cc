#include "sim/simulated_adapter_library.h"

#include <algorithm>
#include <cstring>

#include "platform/registry_path.h"
#include "platform/services.h"
#include "sim/information_elements.h"

namespace airvane::sim {

namespace {

constexpr int kLinkLostDbm = -92;  // below this the cell is not heard
constexpr int64_t kMinRetryMs = 500;
constexpr size_t kMaxSteps = 100000;  // bounds one catch-up after a jump of the clock

// A seeded hash: the same seed, network and time step always give the same draw.
uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

double Draw(uint32_t seed, uint64_t stream, uint64_t step) {
    uint64_t h = Mix(Mix(seed) ^ Mix(stream * 0x1000193 + 7) ^ Mix(step));
    return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);  // [0, 1)
}

bool IsZeroOrBroadcast(const MacAddress& mac) {
    return std::all_of(mac.begin(), mac.end(), [](uint8_t b) { return b == 0; }) ||
           std::all_of(mac.begin(), mac.end(), [](uint8_t b) { return b == 0xFF; });
}

int KeySize(int32_t length_index) {
    return length_index == 1 ? 13 : length_index == 2 ? 29 : 5;
}

uint32_t FrequencyKhz(int channel) {
    if (channel == 14) {
        return 2484000;
    }
    if (channel <= 13) {
        return static_cast<uint32_t>(2407 + 5 * channel) * 1000;
    }
    return static_cast<uint32_t>(5000 + 5 * channel) * 1000;
}

// Lowest signal at which each rate (500 kbit/s units) still holds.
int RateThresholdDbm(int units) {
    switch (units) {
        case 108:
            return -65;
        case 96:
            return -67;
        case 72:
            return -70;
        case 48:
            return -74;
        case 36:
            return -77;
        case 24:
            return -79;
        case 22:
            return -81;
        case 18:
            return -82;
        case 12:
            return -84;
        case 11:
            return -86;
        case 4:
            return -89;
        default:
            return -200;
    }
}

std::vector<uint8_t> Bytes(const std::string& s) {
    return std::vector<uint8_t>(s.begin(), s.end());
}

}  // namespace

// --- State.

struct SimulatedAdapterLibrary::Network {
    ScenarioNetwork setup;
    bool present = true;
    int rssi_dbm = -60;
    std::vector<uint8_t> beacon_elements;
};

struct SimulatedAdapterLibrary::Adapter {
    ScenarioAdapter setup;
    bool plugged = true;
    std::vector<int32_t> handles;  // open handles of the current plug-in
    std::set<std::string> refused;

    // Settings, reset at every plug-in.
    std::optional<std::vector<uint8_t>> ssid;  // the SSID wanted; none until set
    std::optional<MacAddress> bssid_lock;
    std::string bssid_lock_ssid;
    int32_t channel = 6;
    int32_t network_type = ndis::kNetworkInfrastructure;
    int32_t type_in_use = ndis::kTypeInUse24GHz;
    int32_t band_capability = kBandCapability24GHz;
    int32_t auth_mode = ndis::kAuthOpen;
    int32_t wep_status = ndis::kWepDisabled;
    std::vector<uint8_t> wep_keys[4];
    int32_t default_key = 0;
    RateSet desired_rates{};
    RateSet basic_rates{};
    int32_t ps_mode = 0, frag = 2346, rts = 2347, preamble = 0, multi_domain = 0;
    int32_t region = 0;
    std::vector<uint8_t> channel_limit;  // empty: every channel of the hardware
    int32_t pspx = 0, wmm = 0, xoid = 0, op_mode = 0;
    int32_t ap_wireless_mode = 1, ap_protection = 0, hide_ssid = 0, tx_power = 0;
    int32_t filter_mode = 0;
    MacList filter_list{};
    std::vector<uint8_t> ap_ssid;
    std::optional<int64_t> ap_up_since;

    // The radio.
    bool bss_list_known = false;  // a scan or a join has run since power-on
    std::optional<int64_t> next_join_at;
    std::optional<size_t> network;  // associated with
    int64_t associated_at = 0;
    SecurityFamily family = SecurityFamily::kNone;
    std::vector<uint8_t> pairwise_key;
    std::vector<uint8_t> group_keys[4];
    std::vector<uint8_t> dynamic_wep[4];
    int32_t dynamic_default = -1;
    std::vector<uint8_t> association_info;
    std::unique_ptr<AccessPointAuthenticator> authenticator;
    std::deque<EapolFrame> to_station;
    std::vector<OidWrite> oid_writes;
    double tx = 0, rx = 0;
    int64_t counted_to = 0;
};

// The driver keys of the machine, answered from the scenario (which does not change).
class SimulatedAdapterLibrary::Registry : public MachineRegistry {
public:
    explicit Registry(const Scenario& s) {
        for (const ScenarioAdapter& a : s.adapters) {
            Add(a.driver_key, a.hardware_id, a.description);
        }
        for (const ScenarioOtherAdapter& a : s.other_adapters) {
            Add(a.driver_key, a.hardware_id, a.description);
        }
    }

    bool KeyExists(const std::string& key) override {
        std::string k = Key(key);
        if (k == Key(kNtClass) || k == Key(k9xClass)) {
            return true;
        }
        return Find(k) != nullptr;
    }

    int GetValue(const std::string& key, const std::string& name, RegistryValue* out) override {
        const Entry* e = Find(Key(key));
        if (e == nullptr) {
            return -1;
        }
        std::string n = registry_path::Fold(name);
        if (n != "matchingdeviceid" && n != "driverdesc") {
            return -1;
        }
        out->name = n == "matchingdeviceid" ? "MatchingDeviceId" : "DriverDesc";
        out->type = RegistryValue::Type::kString;
        out->text = n == "matchingdeviceid" ? e->hardware_id : e->description;
        return 0;
    }

    std::vector<std::string> ListSubkeys(const std::string& key) override {
        std::string k = Key(key);
        std::vector<std::string> out;
        if (k == Key(kNtClass) || k == Key(k9xClass)) {
            for (const Entry& e : entries_) {
                out.push_back(e.driver_key);
            }
            std::sort(out.begin(), out.end());
        }
        return out;
    }

    bool CanOpenForWrite(const std::string& key) override {
        OsInfo* os = Services().os_info;
        return KeyExists(key) && (os == nullptr || os->IsAdmin());
    }

private:
    static constexpr const char* kNtClass =
        "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
    static constexpr const char* k9xClass = "System\\CurrentControlSet\\Services\\Class\\Net";

    struct Entry {
        std::string driver_key, hardware_id, description;
        std::string nt_path, path_9x;
    };

    static std::string Key(const std::string& path) {
        return registry_path::Fold(registry_path::Normalize(path));
    }

    void Add(const std::string& driver_key, const std::string& id, const std::string& desc) {
        entries_.push_back({driver_key, id, desc, Key(std::string(kNtClass) + "\\" + driver_key),
                            Key(std::string(k9xClass) + "\\" + driver_key)});
    }

    const Entry* Find(const std::string& folded) const {
        for (const Entry& e : entries_) {
            if (folded == e.nt_path || folded == e.path_9x) {
                return &e;
            }
        }
        return nullptr;
    }

    std::vector<Entry> entries_;
};

SimulatedAdapterLibrary::SimulatedAdapterLibrary(Scenario scenario, Clock* clock)
    : clock_(clock != nullptr ? clock : Services().clock), scenario_(std::move(scenario)) {
    start_ms_ = clock_ != nullptr ? clock_->NowMs() : 0;
    std::stable_sort(
        scenario_.events.begin(), scenario_.events.end(),
        [](const ScenarioEvent& a, const ScenarioEvent& b) { return a.at_ms < b.at_ms; });
    for (const ScenarioNetwork& n : scenario_.networks) {
        networks_.push_back({n, n.present, n.rssi_dbm, BeaconElements(n)});
    }
    for (const ScenarioAdapter& setup : scenario_.adapters) {
        auto a = std::make_unique<Adapter>();
        a->setup = setup;
        a->plugged = setup.plugged;
        a->refused = setup.refused_calls;
        PowerOn(*a);
        adapters_.push_back(std::move(a));
    }
    service_running_ = scenario_.service.running;
    registry_ = std::make_unique<Registry>(scenario_);
}

SimulatedAdapterLibrary::~SimulatedAdapterLibrary() = default;

MachineRegistry* SimulatedAdapterLibrary::machine_registry() {
    return registry_.get();
}

// --- Time.

int64_t SimulatedAdapterLibrary::Now() {
    return clock_ != nullptr ? clock_->NowMs() : start_ms_;
}

void SimulatedAdapterLibrary::PowerOn(Adapter& a) {
    // Everything the driver forgets when the device starts; what the scenario fixed and
    // what tests recorded stays.
    Adapter fresh;
    fresh.setup = std::move(a.setup);
    fresh.refused = std::move(a.refused);
    fresh.plugged = a.plugged;
    fresh.oid_writes = std::move(a.oid_writes);
    a = std::move(fresh);
    a.band_capability = a.setup.dual_band ? kBandCapabilityBoth : kBandCapability24GHz;
    a.type_in_use = a.setup.dual_band ? ndis::kTypeInUseAutomatic : ndis::kTypeInUse24GHz;
    a.region = a.setup.region_code;
    if (!a.setup.channels_24.empty() &&
        std::find(a.setup.channels_24.begin(), a.setup.channels_24.end(), 6) ==
            a.setup.channels_24.end()) {
        a.channel = a.setup.channels_24.front();
    }
}

void SimulatedAdapterLibrary::Advance(int64_t now) {
    for (size_t step = 0; step < kMaxSteps; ++step) {
        // The earliest thing due: a timeline event, a join attempt or a handshake deadline.
        int64_t due = INT64_MAX;
        if (next_event_ < scenario_.events.size()) {
            due = start_ms_ + scenario_.events[next_event_].at_ms;
        }
        for (const auto& a : adapters_) {
            if (a->plugged && a->next_join_at && !a->network) {
                due = std::min(due, *a->next_join_at);
            }
            if (AwaitsKeys(*a)) {
                due = std::min(
                    due, a->associated_at + networks_[*a->network].setup.handshake_timeout_ms);
            }
        }
        if (due > now) {
            break;
        }
        if (next_event_ < scenario_.events.size() &&
            start_ms_ + scenario_.events[next_event_].at_ms == due) {
            RunEvent(scenario_.events[next_event_++], due);
            continue;
        }
        for (auto& a : adapters_) {
            CheckLink(*a, due);
            if (a->plugged && !a->network && a->next_join_at && *a->next_join_at <= due) {
                TryJoin(*a, due);
            }
        }
    }
    for (auto& a : adapters_) {
        CheckLink(*a, now);
        SettleCounters(*a, now);
    }
}

void SimulatedAdapterLibrary::RunEvent(const ScenarioEvent& e, int64_t t) {
    switch (e.action) {
        case EventAction::kUnplug:
        case EventAction::kReplug:
            if (Adapter* a = FindAdapter(e.adapter)) {
                if (e.action == EventAction::kUnplug && a->plugged) {
                    SettleCounters(*a, t);
                    a->plugged = false;
                    a->handles.clear();
                } else if (e.action == EventAction::kReplug && !a->plugged) {
                    a->plugged = true;
                    PowerOn(*a);
                }
            }
            break;
        case EventAction::kNetworkAppears:
        case EventAction::kNetworkLeaves:
            if (Network* n = FindNetwork(e.bssid)) {
                n->present = e.action == EventAction::kNetworkAppears;
            }
            break;
        case EventAction::kSignal:
            if (Network* n = FindNetwork(e.bssid)) {
                n->rssi_dbm = e.rssi_dbm;
            }
            break;
        case EventAction::kServiceTakesOver:
            service_running_ = true;
            break;
        case EventAction::kServiceStops:
            service_running_ = false;
            break;
    }
    for (auto& a : adapters_) {
        CheckLink(*a, t);
    }
}

int SimulatedAdapterLibrary::RssiAt(size_t index, int64_t t) const {
    // Smooth drift: a seeded draw every 4 seconds, joined by straight lines.
    const int64_t kKnotMs = 4000;
    int64_t rel = std::max<int64_t>(0, t - start_ms_);
    uint64_t knot = static_cast<uint64_t>(rel / kKnotMs);
    double f = static_cast<double>(rel % kKnotMs) / kKnotMs;
    double a = Draw(scenario_.seed, index, knot) * 2 - 1;
    double b = Draw(scenario_.seed, index, knot + 1) * 2 - 1;
    double drift = (a + (b - a) * f) * scenario_.rssi_drift_db;
    return std::clamp(networks_[index].rssi_dbm + static_cast<int>(drift), -110, -10);
}

bool SimulatedAdapterLibrary::Heard(const Adapter& a, const Network& n, int64_t t) const {
    if (!n.present) {
        return false;
    }
    const std::vector<uint8_t>& hw = n.setup.band_5ghz ? a.setup.channels_5 : a.setup.channels_24;
    if (std::find(hw.begin(), hw.end(), n.setup.channel) == hw.end()) {
        return false;
    }
    if (!n.setup.band_5ghz && !a.channel_limit.empty() &&
        std::find(a.channel_limit.begin(), a.channel_limit.end(), n.setup.channel) ==
            a.channel_limit.end()) {
        return false;
    }
    if (n.setup.band_5ghz ? a.band_capability == kBandCapability24GHz
                          : a.band_capability == kBandCapability5GHz) {
        return false;
    }
    return RssiAt(static_cast<size_t>(&n - networks_.data()), t) > kLinkLostDbm;
}

StationSettings SimulatedAdapterLibrary::SettingsOf(const Adapter& a) const {
    return {a.network_type, a.auth_mode, a.wep_status, a.type_in_use, a.band_capability};
}

namespace {

const std::vector<uint8_t>* TransmitWepKey(const SimulatedAdapterLibrary::Adapter& a);

}  // namespace

bool SimulatedAdapterLibrary::AwaitsKeys(const Adapter& a) const {
    return a.plugged && a.network &&
           (a.family == SecurityFamily::kWpa || a.family == SecurityFamily::kRsn) && !PassesData(a);
}

bool SimulatedAdapterLibrary::PassesData(const Adapter& a) const {
    if (!a.plugged || !a.network) {
        return false;
    }
    const Network& n = networks_[*a.network];
    switch (a.family) {
        case SecurityFamily::kNone:
            return true;
        case SecurityFamily::kWep: {
            const std::vector<uint8_t>* key = TransmitWepKey(a);
            return key != nullptr && *key == n.setup.security.wep_key;
        }
        case SecurityFamily::kWpa:
        case SecurityFamily::kRsn:
            if (a.authenticator == nullptr || a.pairwise_key.empty()) {
                return false;
            }
            return a.pairwise_key == a.authenticator->DerivedPairwiseKey();
    }
    return false;
}

namespace {

const std::vector<uint8_t>* TransmitWepKey(const SimulatedAdapterLibrary::Adapter& a) {
    // A key from the 802.1X session replaces the static keys.
    if (a.dynamic_default >= 0 && !a.dynamic_wep[a.dynamic_default].empty()) {
        return &a.dynamic_wep[a.dynamic_default];
    }
    const std::vector<uint8_t>& key = a.wep_keys[a.default_key];
    return key.empty() ? nullptr : &key;
}

}  // namespace

void SimulatedAdapterLibrary::TryJoin(Adapter& a, int64_t t) {
    a.next_join_at = t + std::max(scenario_.join_delay_ms, kMinRetryMs);
    if (a.op_mode != 0 || !a.ssid) {
        a.next_join_at.reset();
        return;
    }
    a.bss_list_known = true;
    StationSettings settings = SettingsOf(a);
    std::optional<size_t> best;
    int best_rssi = -1000;
    for (size_t i = 0; i < networks_.size(); ++i) {
        const Network& n = networks_[i];
        if (!Heard(a, n, t) || (!a.ssid->empty() && *a.ssid != Bytes(n.setup.ssid)) ||
            (a.bssid_lock && *a.bssid_lock != n.setup.bssid) ||
            !NetworkTypeMatches(n.setup, settings) || !BandMatches(n.setup, settings) ||
            !SecurityMatch(n.setup, settings)) {
            continue;
        }
        const std::vector<uint8_t>* key = TransmitWepKey(a);
        if (SharedKeyRejects(n.setup, settings,
                             key != nullptr && *key == n.setup.security.wep_key)) {
            continue;
        }
        int rssi = RssiAt(i, t);
        if (rssi > best_rssi) {
            best = i;
            best_rssi = rssi;
        }
    }
    if (best) {
        Associate(a, *best, t);
    }
}

void SimulatedAdapterLibrary::Associate(Adapter& a, size_t index, int64_t t) {
    const Network& n = networks_[index];
    StationSettings settings = SettingsOf(a);
    a.network = index;
    a.next_join_at.reset();
    a.associated_at = t;
    a.counted_to = t;
    a.family = *SecurityMatch(n.setup, settings);
    a.pairwise_key.clear();
    for (auto& k : a.group_keys) {
        k.clear();
    }
    a.to_station.clear();
    a.authenticator.reset();

    // The association request as the station sends it, and the answer.
    AssociationInfo info;
    info.request_capabilities = static_cast<uint16_t>(
        (n.setup.adhoc ? 0x0002 : 0x0001) | (a.family != SecurityFamily::kNone ? 0x0010 : 0));
    info.listen_interval = 10;
    info.current_ap = n.setup.bssid;
    info.response_capabilities = info.request_capabilities;
    info.association_id = static_cast<uint16_t>(0xC001 + index);
    AppendElement(&info.request_elements, kElementSsid, Bytes(n.setup.ssid));
    std::vector<uint8_t> rates = NetworkRates(n.setup);
    AppendElement(
        &info.request_elements, kElementRates,
        std::vector<uint8_t>(rates.begin(), rates.begin() + std::min<size_t>(8, rates.size())));
    AppendElement(
        &info.response_elements, kElementRates,
        std::vector<uint8_t>(rates.begin(), rates.begin() + std::min<size_t>(8, rates.size())));
    AssociationFacts facts;
    facts.station_mac = a.setup.mac;
    facts.bssid = n.setup.bssid;
    facts.ssid = n.setup.ssid;
    facts.family = a.family;
    facts.security = n.setup.security;
    if (a.family == SecurityFamily::kWpa || a.family == SecurityFamily::kRsn) {
        Cipher pairwise = CipherOf(a.wep_status).value_or(Cipher::kTkip);
        uint8_t akm = n.setup.security.key_management == KeyManagement::kEap ? kAkm8021X : kAkmPsk;
        uint8_t group = SuiteType(n.setup.security.group);
        std::vector<uint8_t> pairwise_offered;
        for (Cipher c : n.setup.security.pairwise) {
            pairwise_offered.push_back(SuiteType(c));
        }
        bool rsn = a.family == SecurityFamily::kRsn;
        facts.station_element = rsn ? RsnElement(group, SuiteType(pairwise), akm)
                                    : WpaElement(group, SuiteType(pairwise), akm);
        facts.access_point_element = rsn ? RsnElement(group, pairwise_offered, akm)
                                         : WpaElement(group, pairwise_offered, akm);
        facts.pairwise = pairwise;
        facts.group = n.setup.security.group;
        info.request_elements.insert(info.request_elements.end(), facts.station_element.begin(),
                                     facts.station_element.end());
    }
    if (n.setup.wmm && a.wmm == 1) {
        std::vector<uint8_t> wmm = WmmInformationElement();
        info.request_elements.insert(info.request_elements.end(), wmm.begin(), wmm.end());
        info.response_elements.insert(info.response_elements.end(), wmm.begin(), wmm.end());
    }
    a.association_info = BuildAssociationInfo(info);
    if ((a.family == SecurityFamily::kWpa || a.family == SecurityFamily::kRsn) &&
        authenticator_factory_) {
        a.authenticator = authenticator_factory_();
        if (a.authenticator != nullptr) {
            std::vector<EapolFrame> out;
            a.authenticator->Start(facts, &out);
            a.to_station.insert(a.to_station.end(), out.begin(), out.end());
        }
    }
}

void SimulatedAdapterLibrary::Drop(Adapter& a, int64_t t, bool rejoin) {
    SettleCounters(a, t);
    a.network.reset();
    a.family = SecurityFamily::kNone;
    a.pairwise_key.clear();
    a.authenticator.reset();
    a.to_station.clear();
    a.association_info.clear();
    if (rejoin && a.ssid && a.op_mode == 0) {
        a.next_join_at = t + scenario_.join_delay_ms;
    }
}

void SimulatedAdapterLibrary::CheckLink(Adapter& a, int64_t t) {
    if (!a.plugged || !a.network) {
        return;
    }
    const Network& n = networks_[*a.network];
    StationSettings settings = SettingsOf(a);
    bool keeps = Heard(a, n, t) && NetworkTypeMatches(n.setup, settings) &&
                 BandMatches(n.setup, settings) && SecurityMatch(n.setup, settings) == a.family;
    // An access point that sees no valid key within its handshake timeout drops the
    // station, which then tries again.
    if (keeps && AwaitsKeys(a) && t >= a.associated_at + n.setup.handshake_timeout_ms) {
        keeps = false;
    }
    if (!keeps) {
        Drop(a, t, true);
    }
}

size_t SimulatedAdapterLibrary::StationsUp(const Adapter& a, int64_t t, MacList* list) const {
    size_t count = 0;
    if (a.op_mode != 1 || !a.ap_up_since) {
        return 0;
    }
    for (size_t i = 0; i < scenario_.stations.size() && i < kMacListEntries; ++i) {
        const ScenarioStation& s = scenario_.stations[i];
        int64_t since = t - *a.ap_up_since;
        if (since < s.join_after_ms || (s.leave_after_ms && since >= *s.leave_after_ms)) {
            continue;
        }
        bool listed = false;
        for (const MacListEntry& e : a.filter_list) {
            listed = listed || (e.in_use && e.mac == s.mac);
        }
        // Filter mode 1 admits only listed stations, mode 2 turns listed ones away.
        if ((a.filter_mode == 1 && !listed) || (a.filter_mode == 2 && listed)) {
            continue;
        }
        if (list != nullptr) {
            (*list)[i] = {true, s.mac};
        }
        ++count;
    }
    return count;
}

void SimulatedAdapterLibrary::SettleCounters(Adapter& a, int64_t t) {
    if (t <= a.counted_to) {
        return;
    }
    double seconds = static_cast<double>(t - a.counted_to) / 1000.0;
    double tx_rate = 0, rx_rate = 0;
    if (a.plugged && a.op_mode == 0 && PassesData(a)) {
        tx_rate = 9 + 6 * Draw(scenario_.seed, 1000 + *a.network, static_cast<uint64_t>(t / 1000));
        rx_rate =
            15 + 10 * Draw(scenario_.seed, 2000 + *a.network, static_cast<uint64_t>(t / 1000));
    } else if (a.plugged && a.op_mode == 1) {
        size_t stations = StationsUp(a, t, nullptr);
        tx_rate = 10.0 + 12.0 * static_cast<double>(stations);  // beacons and data
        rx_rate = 14.0 * static_cast<double>(stations);
    }
    a.tx += tx_rate * seconds;
    a.rx += rx_rate * seconds;
    a.counted_to = t;
}

// --- Lookup and call plumbing.

SimulatedAdapterLibrary::Adapter* SimulatedAdapterLibrary::FindAdapter(const std::string& key) {
    for (auto& a : adapters_) {
        if (a->setup.driver_key == key) {
            return a.get();
        }
    }
    return nullptr;
}

SimulatedAdapterLibrary::Network* SimulatedAdapterLibrary::FindNetwork(const MacAddress& bssid) {
    for (Network& n : networks_) {
        if (n.setup.bssid == bssid) {
            return &n;
        }
    }
    return nullptr;
}

SimulatedAdapterLibrary::Adapter* SimulatedAdapterLibrary::Open(AdapterContext* ctx,
                                                                const char* call) {
    if (ctx == nullptr || ctx->handle == kNoAdapterHandle) {
        return nullptr;
    }
    for (auto& a : adapters_) {
        if (a->plugged &&
            std::find(a->handles.begin(), a->handles.end(), ctx->handle) != a->handles.end()) {
            return a->refused.count(call) != 0 ? nullptr : a.get();
        }
    }
    return nullptr;
}

template <typename Fn>
int32_t SimulatedAdapterLibrary::Query(AdapterContext* ctx, const char* call, Fn fn) {
    std::lock_guard<std::mutex> lock(mutex_);
    int64_t now = Now();
    Advance(now);
    Adapter* a = Open(ctx, call);
    return a == nullptr ? -1 : fn(*a, now);
}

template <typename Fn>
int32_t SimulatedAdapterLibrary::Set(AdapterContext* ctx, const char* call, Fn fn) {
    return Query(ctx, call, [&](Adapter& a, int64_t now) {
        int32_t result = fn(a, now);
        // A changed setting may end the link (or let the next join attempt succeed).
        CheckLink(a, now);
        return result;
    });
}

namespace {
int32_t Range(int32_t v, int32_t lo, int32_t hi, int32_t* field) {
    if (v < lo || v > hi) {
        return -1;
    }
    *field = v;
    return 0;
}
}  // namespace

// --- Test and tool controls.

int32_t SimulatedAdapterLibrary::SendEapolFrame(AdapterContext* ctx,
                                                std::span<const uint8_t> frame) {
    return Query(ctx, "EAPOL", [&](Adapter& a, int64_t) -> int32_t {
        if (!a.network || (a.family != SecurityFamily::kWpa && a.family != SecurityFamily::kRsn)) {
            return -1;
        }
        if (a.authenticator != nullptr) {
            std::vector<EapolFrame> out;
            a.authenticator->FromStation(frame, &out);
            a.to_station.insert(a.to_station.end(), out.begin(), out.end());
        }
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::ReceiveEapolFrame(AdapterContext* ctx, EapolFrame* frame) {
    return Query(ctx, "EAPOL", [&](Adapter& a, int64_t) -> int32_t {
        if (a.to_station.empty()) {
            return -1;
        }
        *frame = std::move(a.to_station.front());
        a.to_station.pop_front();
        return 0;
    });
}

int64_t SimulatedAdapterLibrary::HandshakeTimeoutMs(AdapterContext* ctx) {
    int64_t timeout = -1;
    Query(ctx, "EAPOL", [&](Adapter& a, int64_t) -> int32_t {
        if (a.network && (a.family == SecurityFamily::kWpa || a.family == SecurityFamily::kRsn)) {
            timeout = networks_[*a.network].setup.handshake_timeout_ms;
        }
        return 0;
    });
    return timeout;
}

void SimulatedAdapterLibrary::SetAuthenticatorFactory(AuthenticatorFactory factory) {
    std::lock_guard<std::mutex> lock(mutex_);
    authenticator_factory_ = std::move(factory);
}

int SimulatedAdapterLibrary::Unplug(const std::string& driver_key) {
    std::lock_guard<std::mutex> lock(mutex_);
    int64_t now = Now();
    Advance(now);
    Adapter* a = FindAdapter(driver_key);
    if (a == nullptr) {
        return -1;
    }
    RunEvent({0, EventAction::kUnplug, driver_key, {}, 0}, now);
    return 0;
}

int SimulatedAdapterLibrary::Replug(const std::string& driver_key) {
    std::lock_guard<std::mutex> lock(mutex_);
    int64_t now = Now();
    Advance(now);
    Adapter* a = FindAdapter(driver_key);
    if (a == nullptr) {
        return -1;
    }
    RunEvent({0, EventAction::kReplug, driver_key, {}, 0}, now);
    a->counted_to = now;
    return 0;
}

int SimulatedAdapterLibrary::SetNetworkPresent(const MacAddress& bssid, bool present) {
    std::lock_guard<std::mutex> lock(mutex_);
    int64_t now = Now();
    Advance(now);
    if (FindNetwork(bssid) == nullptr) {
        return -1;
    }
    RunEvent(
        {0, present ? EventAction::kNetworkAppears : EventAction::kNetworkLeaves, "", bssid, 0},
        now);
    return 0;
}

int SimulatedAdapterLibrary::SetNetworkRssi(const MacAddress& bssid, int rssi_dbm) {
    std::lock_guard<std::mutex> lock(mutex_);
    int64_t now = Now();
    Advance(now);
    if (FindNetwork(bssid) == nullptr) {
        return -1;
    }
    RunEvent({0, EventAction::kSignal, "", bssid, rssi_dbm}, now);
    return 0;
}

void SimulatedAdapterLibrary::SetServiceRunning(bool running) {
    std::lock_guard<std::mutex> lock(mutex_);
    Advance(Now());
    service_running_ = running;
}

int SimulatedAdapterLibrary::SetRefused(const std::string& driver_key, const std::string& call,
                                        bool refused) {
    std::lock_guard<std::mutex> lock(mutex_);
    Adapter* a = FindAdapter(driver_key);
    if (a == nullptr || RefusableCalls().count(call) == 0) {
        return -1;
    }
    if (refused) {
        a->refused.insert(call);
    } else {
        a->refused.erase(call);
    }
    return 0;
}

std::vector<OidWrite> SimulatedAdapterLibrary::OidWrites(const std::string& driver_key) {
    std::lock_guard<std::mutex> lock(mutex_);
    Adapter* a = FindAdapter(driver_key);
    return a == nullptr ? std::vector<OidWrite>{} : a->oid_writes;
}

LinkView SimulatedAdapterLibrary::Link(const std::string& driver_key) {
    std::lock_guard<std::mutex> lock(mutex_);
    Advance(Now());
    LinkView view;
    Adapter* a = FindAdapter(driver_key);
    if (a != nullptr) {
        view.plugged = a->plugged;
        view.associated = a->plugged && a->network.has_value();
        view.passes_data = PassesData(*a);
        if (view.associated) {
            view.bssid = networks_[*a->network].setup.bssid;
        }
        view.pairwise_key = a->pairwise_key;
    }
    return view;
}

// --- Operating system.

namespace {
OsInfo* Os() {
    return Services().os_info;
}
}  // namespace

int32_t SimulatedAdapterLibrary::QueryWL_IsWindows2000() {
    OsInfo* os = Os();
    return os == nullptr || (os->IsNtFamily() && os->Version().major >= 5) ? 1 : 0;
}
int32_t SimulatedAdapterLibrary::IsAdmin() {
    OsInfo* os = Os();
    return os != nullptr && os->IsAdmin() ? 1 : 0;
}
int32_t SimulatedAdapterLibrary::NonAdminUserEnabler() {
    return 0;
}
int32_t SimulatedAdapterLibrary::CheckOSWinNT() {
    OsInfo* os = Os();
    return os == nullptr || os->IsNtFamily() ? 1 : 0;
}
int32_t SimulatedAdapterLibrary::QueryWL_IsWindows95() {
    OsInfo* os = Os();
    return os != nullptr && os->Is95Family() ? 1 : 0;
}
int32_t SimulatedAdapterLibrary::QX_GetOSVersion() {
    OsInfo* os = Os();
    OsVersion v = os != nullptr ? os->Version() : OsVersion{5, 1, 2600};
    return static_cast<int32_t>((static_cast<uint32_t>(v.major & 0xFF) << 24) |
                                (static_cast<uint32_t>(v.minor & 0xFF) << 16) |
                                (static_cast<uint32_t>(v.build) & 0xFFFF));
}

// --- Wireless service.

int32_t SimulatedAdapterLibrary::QXStartWZCService() {
    std::lock_guard<std::mutex> lock(mutex_);
    Advance(Now());
    service_running_ = true;
    return 0;
}

int32_t SimulatedAdapterLibrary::QXStopWZCService() {
    std::lock_guard<std::mutex> lock(mutex_);
    Advance(Now());
    service_running_ = false;
    return 0;
}

int32_t SimulatedAdapterLibrary::QueryWL_CheckWZCStatus(AdapterContext* ctx) {
    std::lock_guard<std::mutex> lock(mutex_);
    Advance(Now());
    if (scenario_.service.status_answer) {
        return *scenario_.service.status_answer;
    }
    Adapter* a = Open(ctx, "QueryWL_CheckWZCStatus");
    return a != nullptr && service_running_ && scenario_.service.controls_adapters ? 1 : 0;
}

// --- Adapters.

int32_t SimulatedAdapterLibrary::CreateAllNICAdapterList(std::span<AdapterListRecord> entries) {
    std::lock_guard<std::mutex> lock(mutex_);
    Advance(Now());
    size_t room = std::min(entries.size(), kMaxAdapterListEntries);
    size_t n = 0;
    auto add = [&](const std::string& name, const std::string& desc, const std::string& key) {
        if (n < room) {
            WriteAdapterListEntry({name, desc, key}, &entries[n++]);
        }
    };
    for (const auto& a : adapters_) {
        if (a->plugged) {
            add(a->setup.device_name, a->setup.description, a->setup.driver_key);
        }
    }
    for (const ScenarioOtherAdapter& o : scenario_.other_adapters) {
        add(o.device_name, o.description, o.driver_key);
    }
    return static_cast<int32_t>(n);
}

int32_t SimulatedAdapterLibrary::CreateNICAdapterList(std::span<AdapterListRecord> entries) {
    return CreateAllNICAdapterList(entries);
}

int32_t SimulatedAdapterLibrary::QxOpenAdapter(AdapterContext* ctx) {
    std::lock_guard<std::mutex> lock(mutex_);
    Advance(Now());
    if (ctx == nullptr) {
        return 0;
    }
    for (auto& a : adapters_) {
        if (!a->plugged || a->setup.device_name != ctx->device_name) {
            continue;
        }
        if (a->refused.count("QxOpenAdapter") != 0) {
            return 0;
        }
        // Opening an already open context gives the same handle.
        if (std::find(a->handles.begin(), a->handles.end(), ctx->handle) == a->handles.end()) {
            ctx->handle = next_handle_++;
            a->handles.push_back(ctx->handle);
        }
        return ctx->handle;
    }
    return 0;
}

int32_t SimulatedAdapterLibrary::QxCloseAdapter(AdapterContext* ctx) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (ctx == nullptr || ctx->handle == kNoAdapterHandle) {
        return -1;
    }
    for (auto& a : adapters_) {
        auto it = std::find(a->handles.begin(), a->handles.end(), ctx->handle);
        if (it != a->handles.end()) {
            a->handles.erase(it);
        }
    }
    ctx->handle = kNoAdapterHandle;
    return 0;
}

int32_t SimulatedAdapterLibrary::GetNICAdapterMAC(AdapterContext* ctx, MacAddress* mac) {
    return Query(ctx, "GetNICAdapterMAC", [&](Adapter& a, int64_t) {
        *mac = a.setup.mac;
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_DriverVersion(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_DriverVersion",
                 [&](Adapter& a, int64_t) { return static_cast<int32_t>(a.setup.driver_version); });
}

int32_t SimulatedAdapterLibrary::Query_QXDriverInfo(AdapterContext* ctx,
                                                    std::span<uint8_t> record) {
    return Query(ctx, "Query_QXDriverInfo", [&](Adapter& a, int64_t) -> int32_t {
        DriverInfo info;
        info.driver_version = a.setup.driver_version;
        info.firmware_version = a.setup.firmware_version;
        info.chip_kind = a.setup.chip_kind;
        info.chip_sub_kind = a.setup.chip_sub_kind;
        info.band_bits = a.setup.dual_band ? 3 : 1;
        return WriteDriverInfo(info, record) ? static_cast<int32_t>(a.setup.chip_kind) : -1;
    });
}

int32_t SimulatedAdapterLibrary::Query_FixWindisPnPBug() {
    std::lock_guard<std::mutex> lock(mutex_);
    return scenario_.pnp_workaround ? 1 : 0;
}

// --- Status.

int32_t SimulatedAdapterLibrary::QueryWL_ConnectState(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_ConnectState", [&](Adapter& a, int64_t) {
        bool up = a.op_mode == 1 ? a.ap_up_since.has_value() : a.network.has_value();
        return up ? 0 : 1;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_BSSID(AdapterContext* ctx, MacAddress* bssid) {
    return Query(ctx, "QueryWL_BSSID", [&](Adapter& a, int64_t) -> int32_t {
        if (a.op_mode == 1 && a.ap_up_since) {
            *bssid = a.setup.mac;
            return 0;
        }
        if (!a.network) {
            return -1;
        }
        *bssid = networks_[*a.network].setup.bssid;
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_SSID(AdapterContext* ctx, std::span<uint8_t> ssid) {
    return Query(ctx, "QueryWL_SSID", [&](Adapter& a, int64_t) -> int32_t {
        std::vector<uint8_t> value;
        if (a.op_mode == 1) {
            value = a.ap_ssid;
        } else if (a.network) {
            value = Bytes(networks_[*a.network].setup.ssid);
        } else if (a.ssid) {
            value = *a.ssid;
        }
        if (value.size() > ssid.size()) {
            return -1;
        }
        std::copy(value.begin(), value.end(), ssid.begin());
        return static_cast<int32_t>(value.size());
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_Channel(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_Channel", [&](Adapter& a, int64_t) {
        return a.op_mode == 0 && a.network ? networks_[*a.network].setup.channel : a.channel;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_RSSI(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_RSSI", [&](Adapter& a, int64_t now) -> int32_t {
        return a.op_mode == 0 && a.network ? RssiAt(*a.network, now) : -1;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_CommQuality(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_CommQuality", [&](Adapter& a, int64_t now) -> int32_t {
        if (a.op_mode != 0 || !a.network) {
            return 0;
        }
        int quality = (RssiAt(*a.network, now) + 95) * 100 / 50;
        // A link that carries no data has a poor quality whatever the signal.
        if (!PassesData(a)) {
            quality /= 4;
        }
        return std::clamp(quality, 0, 100);
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_CurrentLinkSpeed(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_CurrentLinkSpeed", [&](Adapter& a, int64_t now) -> int32_t {
        if (a.op_mode == 1) {
            return a.ap_up_since ? 54000 : 0;
        }
        if (!a.network) {
            return 0;
        }
        const Network& n = networks_[*a.network];
        std::vector<uint8_t> offered = NetworkRates(n.setup);
        std::vector<int> usable;
        for (uint8_t r : offered) {
            int units = r & 0x7F;
            bool adapter_has = std::any_of(a.setup.rates.begin(), a.setup.rates.end(),
                                           [&](uint8_t x) { return (x & 0x7F) == units; });
            bool desired = a.desired_rates[0] == 0 ||
                           std::any_of(a.desired_rates.begin(), a.desired_rates.end(),
                                       [&](uint8_t x) { return (x & 0x7F) == units; });
            if (adapter_has && desired) {
                usable.push_back(units);
            }
        }
        if (usable.empty()) {
            return 1000;
        }
        std::sort(usable.begin(), usable.end());
        int rssi = RssiAt(*a.network, now);
        int pick = usable.front();
        for (int units : usable) {
            if (rssi >= RateThresholdDbm(units)) {
                pick = units;
            }
        }
        return pick * 500;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_WEPStatus(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_WEPStatus", [&](Adapter& a, int64_t) -> int32_t {
        switch (a.wep_status) {
            case ndis::kWepEnabled:
                return TransmitWepKey(a) != nullptr ? ndis::kWepEnabled : ndis::kWepKeyAbsent;
            case ndis::kTkipEnabled:
                return a.pairwise_key.empty() ? ndis::kTkipKeyAbsent : ndis::kTkipEnabled;
            case ndis::kAesEnabled:
                return a.pairwise_key.empty() ? ndis::kAesKeyAbsent : ndis::kAesEnabled;
            default:
                return a.wep_status;
        }
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_NetworkType(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_NetworkType", [&](Adapter& a, int64_t) {
        if (a.op_mode == 0 && a.network) {
            return networks_[*a.network].setup.adhoc ? ndis::kNetworkAdHoc
                                                     : ndis::kNetworkInfrastructure;
        }
        return a.network_type;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_AuthenticationMode(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_AuthenticationMode",
                 [&](Adapter& a, int64_t) { return a.auth_mode; });
}

int32_t SimulatedAdapterLibrary::GetTxRxFrameCount(AdapterContext* ctx, uint32_t* transmitted,
                                                   uint32_t* received) {
    return Query(ctx, "GetTxRxFrameCount", [&](Adapter& a, int64_t) {
        // The counters wrap at 32 bits as the driver's do.
        *transmitted = static_cast<uint32_t>(static_cast<uint64_t>(a.tx));
        *received = static_cast<uint32_t>(static_cast<uint64_t>(a.rx));
        return 0;
    });
}

// --- Queries.

int32_t SimulatedAdapterLibrary::QueryWL_802_11_NetworkTypeInUse(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_802_11_NetworkTypeInUse",
                 [&](Adapter& a, int64_t) { return a.type_in_use; });
}
int32_t SimulatedAdapterLibrary::QueryWL_FragmentationThreshold(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_FragmentationThreshold",
                 [&](Adapter& a, int64_t) { return a.frag; });
}
int32_t SimulatedAdapterLibrary::QueryWL_RTS_CTS_Threshold(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_RTS_CTS_Threshold", [&](Adapter& a, int64_t) { return a.rts; });
}
int32_t SimulatedAdapterLibrary::QueryWL_PSMode(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_PSMode", [&](Adapter& a, int64_t) { return a.ps_mode; });
}
int32_t SimulatedAdapterLibrary::QueryWL_MultiDomainCapability(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_MultiDomainCapability",
                 [&](Adapter& a, int64_t) { return a.multi_domain; });
}
int32_t SimulatedAdapterLibrary::QueryWL_OperationRegionCode(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_OperationRegionCode", [&](Adapter& a, int64_t) { return a.region; });
}

int32_t SimulatedAdapterLibrary::QueryWL_SupportChannel(AdapterContext* ctx,
                                                        std::span<uint8_t> channels,
                                                        int32_t* count) {
    return Query(ctx, "QueryWL_SupportChannel", [&](Adapter& a, int64_t) -> int32_t {
        std::vector<uint8_t> out;
        for (uint8_t c : a.setup.channels_24) {
            if (a.channel_limit.empty() || std::find(a.channel_limit.begin(), a.channel_limit.end(),
                                                     c) != a.channel_limit.end()) {
                out.push_back(c);
            }
        }
        out.push_back(0xFF);
        out.insert(out.end(), a.setup.channels_5.begin(), a.setup.channels_5.end());
        size_t room = count == nullptr || *count < 0
                          ? 0
                          : std::min(channels.size(), static_cast<size_t>(*count));
        if (out.size() > room) {
            return -1;
        }
        std::copy(out.begin(), out.end(), channels.begin());
        *count = static_cast<int32_t>(out.size());
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_SupportedRate(AdapterContext* ctx, RateSet* rates) {
    return Query(ctx, "QueryWL_SupportedRate", [&](Adapter& a, int64_t) {
        rates->fill(0);
        std::copy(a.setup.rates.begin(), a.setup.rates.end(), rates->begin());
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_UISupportTxRate(AdapterContext* ctx, RateSet* rates,
                                                         int32_t* count) {
    return Query(ctx, "QueryWL_UISupportTxRate", [&](Adapter& a, int64_t) -> int32_t {
        if (count == nullptr || *count < static_cast<int32_t>(a.setup.rates.size())) {
            return -1;
        }
        rates->fill(0);
        for (size_t i = 0; i < a.setup.rates.size(); ++i) {
            (*rates)[i] = a.setup.rates[i] & 0x7F;
        }
        *count = static_cast<int32_t>(a.setup.rates.size());
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::QueryWL_QXAdhocMode(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_QXAdhocMode",
                 [&](Adapter& a, int64_t) { return a.setup.adhoc_mode; });
}
int32_t SimulatedAdapterLibrary::QueryWL_QXWirelessMode(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_QXWirelessMode",
                 [&](Adapter& a, int64_t) { return a.band_capability; });
}
int32_t SimulatedAdapterLibrary::QueryWL_OperationMode_STA_AP(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_OperationMode_STA_AP", [&](Adapter& a, int64_t) -> int32_t {
        return a.setup.access_point ? a.op_mode : -1;
    });
}
int32_t SimulatedAdapterLibrary::QueryWL_QXUseQXXOidState(AdapterContext* ctx) {
    return Query(ctx, "QueryWL_QXUseQXXOidState", [&](Adapter& a, int64_t) { return a.xoid; });
}

// --- Settings.

int32_t SimulatedAdapterLibrary::SetWL_SSID(AdapterContext* ctx, std::span<const uint8_t> ssid) {
    return Set(ctx, "SetWL_SSID", [&](Adapter& a, int64_t now) -> int32_t {
        if (ssid.size() > 32) {
            return -1;
        }
        std::vector<uint8_t> wanted(ssid.begin(), ssid.end());
        if (a.op_mode == 1) {
            // The software access point starts again with the new name; its stations
            // associate afresh.
            SettleCounters(a, now);
            a.ap_ssid = wanted;
            a.ap_up_since = now;
            return 0;
        }
        // Choosing a network that another cell serves releases a BSSID set for a
        // different one; an SSID nobody serves (the random one that drops the link)
        // keeps it.
        if (a.bssid_lock && wanted != Bytes(a.bssid_lock_ssid)) {
            bool served = std::any_of(networks_.begin(), networks_.end(), [&](const Network& n) {
                return n.present && Bytes(n.setup.ssid) == wanted;
            });
            if (served) {
                a.bssid_lock.reset();
            }
        }
        bool same_cell = a.network && a.ssid == wanted &&
                         (!a.bssid_lock || *a.bssid_lock == networks_[*a.network].setup.bssid);
        a.ssid = wanted;
        a.bss_list_known = true;
        if (!same_cell) {
            if (a.network) {
                Drop(a, now, false);
            }
            a.next_join_at = now + scenario_.join_delay_ms;
        }
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_BSSID(AdapterContext* ctx, const MacAddress& bssid) {
    return Set(ctx, "SetWL_BSSID", [&](Adapter& a, int64_t now) -> int32_t {
        if (IsZeroOrBroadcast(bssid)) {
            a.bssid_lock.reset();
            return 0;
        }
        a.bssid_lock = bssid;
        Network* n = FindNetwork(bssid);
        a.bssid_lock_ssid = n != nullptr ? n->setup.ssid : std::string();
        if (a.network && networks_[*a.network].setup.bssid != bssid) {
            Drop(a, now, true);
        }
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_Channel(AdapterContext* ctx, int32_t channel) {
    return Set(ctx, "SetWL_Channel", [&](Adapter& a, int64_t) -> int32_t {
        auto has = [&](const std::vector<uint8_t>& list) {
            return std::find(list.begin(), list.end(), channel) != list.end();
        };
        if (channel < 1 || channel > 255 ||
            !(has(a.setup.channels_24) || has(a.setup.channels_5))) {
            return -1;
        }
        a.channel = channel;
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_NetworkType(AdapterContext* ctx, int32_t type) {
    return Set(ctx, "SetWL_NetworkType",
               [&](Adapter& a, int64_t) { return Range(type, 0, 3, &a.network_type); });
}

int32_t SimulatedAdapterLibrary::SetWL_802_11_NetworkTypeInUse(AdapterContext* ctx, int32_t type) {
    return Set(ctx, "SetWL_802_11_NetworkTypeInUse", [&](Adapter& a, int64_t) -> int32_t {
        bool ok = type == 1 || type == ndis::kTypeInUse24GHz ||
                  (a.setup.dual_band &&
                   (type == ndis::kTypeInUse5GHz || type == ndis::kTypeInUseAutomatic));
        if (!ok) {
            return -1;
        }
        a.type_in_use = type;
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_AuthenticationMode(AdapterContext* ctx, int32_t mode) {
    return Set(ctx, "SetWL_AuthenticationMode",
               [&](Adapter& a, int64_t) { return Range(mode, 0, 7, &a.auth_mode); });
}

int32_t SimulatedAdapterLibrary::SetWL_WEPStatus(AdapterContext* ctx, int32_t status) {
    return Set(ctx, "SetWL_WEPStatus", [&](Adapter& a, int64_t) -> int32_t {
        if (status != ndis::kWepEnabled && status != ndis::kWepDisabled &&
            status != ndis::kTkipEnabled && status != ndis::kAesEnabled) {
            return -1;
        }
        a.wep_status = status;
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_WriteKey(AdapterContext* ctx, int32_t key_index,
                                                int32_t length_index, int32_t is_default,
                                                std::span<const uint8_t> key) {
    return Set(ctx, "SetWL_WriteKey", [&](Adapter& a, int64_t) -> int32_t {
        size_t size = static_cast<size_t>(KeySize(length_index));
        if (key_index < 0 || key_index > 3 || key.size() < size) {
            return -1;
        }
        a.wep_keys[key_index].assign(key.begin(), key.begin() + size);
        if (is_default != 0) {
            a.default_key = key_index;
        }
        return 0;
    });
}

namespace {
bool RatesSupported(const std::vector<uint8_t>& hardware, const RateSet& rates) {
    return std::all_of(rates.begin(), rates.end(), [&](uint8_t r) {
        return r == 0 || std::any_of(hardware.begin(), hardware.end(),
                                     [&](uint8_t h) { return (h & 0x7F) == (r & 0x7F); });
    });
}
}  // namespace

int32_t SimulatedAdapterLibrary::SetWL_DesiredRate(AdapterContext* ctx, const RateSet& rates) {
    return Set(ctx, "SetWL_DesiredRate", [&](Adapter& a, int64_t) -> int32_t {
        if (!RatesSupported(a.setup.rates, rates)) {
            return -1;
        }
        // Only the run up to the first zero counts.
        a.desired_rates.fill(0);
        for (size_t i = 0; i < rates.size() && rates[i] != 0; ++i) {
            a.desired_rates[i] = rates[i];
        }
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_BasicRate(AdapterContext* ctx, const RateSet& rates) {
    return Set(ctx, "SetWL_BasicRate", [&](Adapter& a, int64_t) -> int32_t {
        if (!RatesSupported(a.setup.rates, rates)) {
            return -1;
        }
        a.basic_rates = rates;
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_PSMode(AdapterContext* ctx, int32_t mode) {
    return Set(ctx, "SetWL_PSMode",
               [&](Adapter& a, int64_t) { return Range(mode, 0, 2, &a.ps_mode); });
}
int32_t SimulatedAdapterLibrary::SetWL_FragmentationThreshold(AdapterContext* ctx, int32_t v) {
    return Set(ctx, "SetWL_FragmentationThreshold",
               [&](Adapter& a, int64_t) { return Range(v, 256, 2346, &a.frag); });
}
int32_t SimulatedAdapterLibrary::SetWL_RTS_CTS_Threshold(AdapterContext* ctx, int32_t v) {
    return Set(ctx, "SetWL_RTS_CTS_Threshold",
               [&](Adapter& a, int64_t) { return Range(v, 0, 2347, &a.rts); });
}
int32_t SimulatedAdapterLibrary::SetWL_PreambleMode(AdapterContext* ctx, int32_t mode) {
    return Set(ctx, "SetWL_PreambleMode",
               [&](Adapter& a, int64_t) { return Range(mode, 0, 2, &a.preamble); });
}
int32_t SimulatedAdapterLibrary::SetWL_MultiDomainCapability(AdapterContext* ctx, int32_t v) {
    return Set(ctx, "SetWL_MultiDomainCapability",
               [&](Adapter& a, int64_t) { return Range(v, 0, 1, &a.multi_domain); });
}
int32_t SimulatedAdapterLibrary::SetWL_OperationRegionCode(AdapterContext* ctx, int32_t region) {
    return Set(ctx, "SetWL_OperationRegionCode",
               [&](Adapter& a, int64_t) { return Range(region, 0, 254, &a.region); });
}

int32_t SimulatedAdapterLibrary::SetWL_SupportChannel(AdapterContext* ctx,
                                                      std::span<const uint8_t> channels) {
    return Set(ctx, "SetWL_SupportChannel", [&](Adapter& a, int64_t) -> int32_t {
        if (std::any_of(channels.begin(), channels.end(),
                        [](uint8_t c) { return c < 1 || c > 14; })) {
            return -1;
        }
        a.channel_limit.assign(channels.begin(), channels.end());
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_RegionAndSupportChannel(AdapterContext* ctx,
                                                               int32_t region) {
    return Set(ctx, "SetWL_RegionAndSupportChannel", [&](Adapter& a, int64_t) -> int32_t {
        if (Range(region, 0, 254, &a.region) != 0) {
            return -1;
        }
        a.channel_limit.clear();  // the driver's own table then applies: all channels here
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_QXWirelessMode(AdapterContext* ctx, int32_t code) {
    return Set(ctx, "SetWL_QXWirelessMode", [&](Adapter& a, int64_t) -> int32_t {
        bool ok =
            code == kBandCapability24GHz ||
            (a.setup.dual_band && (code == kBandCapability5GHz || code == kBandCapabilityBoth));
        if (!ok) {
            return -1;
        }
        a.band_capability = code;
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::SetWL_QXPSPXLinkMode(AdapterContext* ctx, int32_t v) {
    return Set(ctx, "SetWL_QXPSPXLinkMode",
               [&](Adapter& a, int64_t) { return Range(v, 0, 1, &a.pspx); });
}

int32_t SimulatedAdapterLibrary::SetWL_QXWMMQosMode(AdapterContext* ctx, int32_t v) {
    return Set(ctx, "SetWL_QXWMMQosMode", [&](Adapter& a, int64_t) -> int32_t {
        // Only the chips of kinds 4 and 5 have the QoS queues.
        if (v == 1 && a.setup.chip_kind != 4 && a.setup.chip_kind != 5) {
            return -1;
        }
        return Range(v, 0, 1, &a.wmm);
    });
}

int32_t SimulatedAdapterLibrary::SetWL_QXUseQXXOidState(AdapterContext* ctx, int32_t state) {
    return Set(ctx, "SetWL_QXUseQXXOidState",
               [&](Adapter& a, int64_t) { return Range(state, 0, 255, &a.xoid); });
}

int32_t SimulatedAdapterLibrary::SetWL_OperationMode_STA_AP(AdapterContext* ctx, int32_t mode) {
    return Set(ctx, "SetWL_OperationMode_STA_AP", [&](Adapter& a, int64_t now) -> int32_t {
        if (!a.setup.access_point || mode < 0 || mode > 1) {
            return -1;
        }
        if (mode == a.op_mode) {
            return 0;
        }
        Drop(a, now, false);
        a.next_join_at.reset();
        a.op_mode = mode;
        a.ap_up_since.reset();
        if (mode == 1 && !a.ap_ssid.empty()) {
            a.ap_up_since = now;
        }
        if (mode == 0 && a.ssid) {
            a.next_join_at = now + scenario_.join_delay_ms;
        }
        return 0;
    });
}

// --- Access point.

int32_t SimulatedAdapterLibrary::SetWL_ApWirelessMode(AdapterContext* ctx, int32_t mode) {
    return Set(ctx, "SetWL_ApWirelessMode", [&](Adapter& a, int64_t) -> int32_t {
        if (mode == 4 && !a.setup.dual_band) {
            return -1;  // the 5 GHz mode
        }
        return Range(mode, 0, 4, &a.ap_wireless_mode);
    });
}
int32_t SimulatedAdapterLibrary::SetWL_ApProtectionMode(AdapterContext* ctx, int32_t mode) {
    return Set(ctx, "SetWL_ApProtectionMode",
               [&](Adapter& a, int64_t) { return Range(mode, 0, 3, &a.ap_protection); });
}
int32_t SimulatedAdapterLibrary::SetWLAP_HideSSIDState(AdapterContext* ctx, int32_t hidden) {
    return Set(ctx, "SetWLAP_HideSSIDState",
               [&](Adapter& a, int64_t) { return Range(hidden, 0, 1, &a.hide_ssid); });
}
int32_t SimulatedAdapterLibrary::SetWLAP_TxPowerLevel(AdapterContext* ctx, int32_t level) {
    return Set(ctx, "SetWLAP_TxPowerLevel",
               [&](Adapter& a, int64_t) { return Range(level, 0, 3, &a.tx_power); });
}
int32_t SimulatedAdapterLibrary::SetWLAP_FilterMode(AdapterContext* ctx, int32_t mode) {
    return Set(ctx, "SetWLAP_FilterMode", [&](Adapter& a, int64_t now) {
        SettleCounters(a, now);
        return Range(mode, 0, 2, &a.filter_mode);
    });
}

int32_t SimulatedAdapterLibrary::SetWLAP_FilterList(AdapterContext* ctx,
                                                    std::span<const uint8_t> list) {
    return Set(ctx, "SetWLAP_FilterList", [&](Adapter& a, int64_t now) -> int32_t {
        if (list.size() != kMacListSize) {
            return -1;
        }
        for (size_t i = 0; i < kMacListEntries; ++i) {
            if (list[i * 7] > 1) {
                return -1;
            }
        }
        SettleCounters(a, now);
        ReadMacList(list, &a.filter_list);
        return 0;
    });
}

// --- Scans.

int32_t SimulatedAdapterLibrary::WL_SiteSurveyStart(AdapterContext* ctx) {
    return Query(ctx, "WL_SiteSurveyStart", [&](Adapter& a, int64_t) -> int32_t {
        if (a.op_mode != 0) {
            return -1;
        }
        a.bss_list_known = true;
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::WL_RetrieveSiteSurveyData(AdapterContext* ctx,
                                                           std::span<uint8_t> buffer) {
    return Query(ctx, "WL_RetrieveSiteSurveyData", [&](Adapter& a, int64_t now) -> int32_t {
        if (a.op_mode != 0) {
            return -1;
        }
        std::vector<SurveyEntry> entries;
        for (size_t i = 0; i < networks_.size() && a.bss_list_known; ++i) {
            const Network& n = networks_[i];
            if (!Heard(a, n, now)) {
                continue;
            }
            SurveyEntry e;
            e.bssid = n.setup.bssid;
            e.ssid = Bytes(n.setup.ssid);
            e.privacy = n.setup.security.kind == SecurityKind::kOpen ? 0 : 1;
            e.rssi_dbm = RssiAt(i, now);
            e.network_type_in_use =
                n.setup.band_5ghz ? ndis::kTypeInUse5GHz : ndis::kTypeInUse24GHz;
            e.frequency_khz = FrequencyKhz(n.setup.channel);
            e.infrastructure_mode =
                n.setup.adhoc ? ndis::kNetworkAdHoc : ndis::kNetworkInfrastructure;
            std::vector<uint8_t> rates = NetworkRates(n.setup);
            std::copy_n(rates.begin(), std::min<size_t>(16, rates.size()), e.rates.begin());
            e.timestamp = static_cast<uint64_t>(now - start_ms_) * 1000 + Mix(i) % 1000000000;
            e.capability = static_cast<uint16_t>((n.setup.adhoc ? 0x0002 : 0x0001) |
                                                 (e.privacy != 0 ? 0x0010 : 0) | 0x0020);
            e.elements = n.beacon_elements;
            entries.push_back(std::move(e));
        }
        return WriteSurveyBuffer(entries, buffer) ? 0 : -1;
    });
}

int32_t SimulatedAdapterLibrary::WL_RetrieveStationList(AdapterContext* ctx,
                                                        std::span<uint8_t> buffer) {
    return Query(ctx, "WL_RetrieveStationList", [&](Adapter& a, int64_t now) -> int32_t {
        if (a.op_mode != 1 || buffer.size() < kMacListSize) {
            return -1;
        }
        MacList list{};
        StationsUp(a, now, &list);
        return WriteMacList(list, buffer) ? 0 : -1;
    });
}

// --- OIDs.

int32_t SimulatedAdapterLibrary::ReadOid(AdapterContext* ctx, uint32_t oid,
                                         std::span<uint8_t> buffer) {
    return Query(ctx, "ReadOid", [&](Adapter& a, int64_t) -> int32_t {
        if (oid != kOidAssociationInformation || !a.network ||
            a.association_info.size() > buffer.size()) {
            return -1;
        }
        std::copy(a.association_info.begin(), a.association_info.end(), buffer.begin());
        return 0;
    });
}

int32_t SimulatedAdapterLibrary::WriteOid(AdapterContext* ctx, uint32_t oid,
                                          std::span<const uint8_t> record) {
    return Set(ctx, "WriteOid", [&](Adapter& a, int64_t now) -> int32_t {
        SettleCounters(a, now);
        if (oid == kOidAddKey) {
            KeyRecord key;
            if (!ParseKeyRecord(record, &key) || (key.key.size() != 5 && key.key.size() != 13 &&
                                                  key.key.size() != 16 && key.key.size() != 32)) {
                return -1;
            }
            if ((key.key_index & kKeyPairwise) != 0) {
                // A pairwise key belongs to the access point of the association.
                if (!a.network || key.bssid != networks_[*a.network].setup.bssid) {
                    return -1;
                }
                a.pairwise_key = key.key;
            } else {
                a.group_keys[key.key_index & 3] = key.key;
            }
        } else if (oid == kOidAddWepKey) {
            WepKeyRecord key;
            uint32_t index = 0;
            if (!ParseWepKeyRecord(record, &key) || (index = key.key_index & 0xFF) > 3 ||
                (key.key.size() != 5 && key.key.size() != 13 && key.key.size() != 29)) {
                return -1;
            }
            a.dynamic_wep[index] = key.key;
            if ((key.key_index & kKeyTransmit) != 0) {
                a.dynamic_default = static_cast<int32_t>(index);
            }
        } else if (oid == kOidPmkidList) {
            std::vector<PmkidEntry> entries;
            if (!ParsePmkidList(record, &entries)) {
                return -1;
            }
        } else {
            return -1;
        }
        a.oid_writes.push_back({oid, std::vector<uint8_t>(record.begin(), record.end()), now});
        return 0;
    });
}

}  // namespace airvane::sim
