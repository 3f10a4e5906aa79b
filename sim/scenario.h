#pragma once
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "adapter/adapter_library.h"

namespace airvane::sim {

// A scripted radio environment: the adapters in the machine, the networks around, the
// stations that join the software access point, the operating system's wireless
// service and a timeline of events. docs/scenarios.md describes the file format.

struct ScenarioAdapter {
    std::string device_name;
    std::string description;
    std::string driver_key;   // four characters
    std::string hardware_id;  // answered as the driver key's "MatchingDeviceId"
    MacAddress mac{};
    uint32_t driver_version = 0;  // packed, highest byte first
    uint32_t firmware_version = 0;
    uint32_t chip_kind = 1;
    uint32_t chip_sub_kind = 0;
    bool dual_band = false;
    std::vector<uint8_t> channels_24;
    std::vector<uint8_t> channels_5;
    std::vector<uint8_t> rates;  // 500 kbit/s units, bit 7 marks a basic rate
    bool access_point = false;   // supports the station / access-point switch
    int32_t adhoc_mode = 1;      // QueryWL_QXAdhocMode
    int32_t region_code = 0;     // at power-on
    bool plugged = true;
    std::set<std::string> refused_calls;  // calls that fail on this adapter
};

// Another network adapter of the machine (wired, say): listed for the bridge list,
// never opened by the library.
struct ScenarioOtherAdapter {
    std::string device_name;
    std::string description;
    std::string driver_key;
    std::string hardware_id;
};

enum class SecurityKind { kOpen, kWep, kWpa, kWpa2, kWpaWpa2 };
enum class KeyManagement { kPsk, kEap };
enum class Cipher { kTkip, kCcmp };

struct EapCredentials {
    std::string method;  // "tls", "peap", "ttls"
    std::string identity;
    std::string password;
    std::string inner_method;  // TTLS
};

struct ScenarioSecurity {
    SecurityKind kind = SecurityKind::kOpen;
    std::vector<uint8_t> wep_key;  // 5, 13 or 29 bytes
    int wep_key_index = 0;
    KeyManagement key_management = KeyManagement::kPsk;
    std::vector<Cipher> pairwise;  // offered pairwise ciphers
    Cipher group = Cipher::kTkip;
    std::string passphrase;
    EapCredentials eap;
};

struct ScenarioNetwork {
    std::string ssid;
    MacAddress bssid{};
    int channel = 6;
    bool band_5ghz = false;
    int rssi_dbm = -60;
    bool adhoc = false;
    ScenarioSecurity security;
    int max_rate_mbps = 54;
    bool wmm = true;
    bool present = true;
    int64_t handshake_timeout_ms = 10000;
    std::vector<std::vector<uint8_t>> extra_elements;  // raw elements, id and length first
};

struct ScenarioStation {
    std::string name;
    MacAddress mac{};
    int64_t join_after_ms = 0;  // after the software access point comes up
    std::optional<int64_t> leave_after_ms;
};

struct ScenarioService {
    bool running = false;
    bool controls_adapters = true;         // takes the adapters while it runs
    std::optional<int32_t> status_answer;  // a fixed answer of QueryWL_CheckWZCStatus
};

enum class EventAction {
    kUnplug,
    kReplug,
    kNetworkAppears,
    kNetworkLeaves,
    kSignal,
    kServiceTakesOver,
    kServiceStops,
};

struct ScenarioEvent {
    int64_t at_ms = 0;
    EventAction action = EventAction::kUnplug;
    std::string adapter;  // driver key, for unplug and replug
    MacAddress bssid{};   // for the network events
    int rssi_dbm = 0;     // for kSignal
};

struct Scenario {
    uint32_t seed = 1;
    int64_t join_delay_ms = 1500;
    int rssi_drift_db = 3;  // the signal wanders this far around its level
    bool pnp_workaround = false;
    std::vector<ScenarioAdapter> adapters;
    std::vector<ScenarioOtherAdapter> other_adapters;
    std::vector<ScenarioNetwork> networks;
    std::vector<ScenarioStation> stations;
    ScenarioService service;
    std::vector<ScenarioEvent> events;
};

// The names of the library calls a scenario may refuse.
const std::set<std::string>& RefusableCalls();

// Parses scenario text. On failure returns -1 and sets *error to one line naming the
// source, the JSON path and what is wrong: "scenario.json: $.networks[2].channel: ...".
int ParseScenario(const std::string& text, const std::string& source, Scenario* scenario,
                  std::string* error);

// Reads and parses a scenario file.
int LoadScenarioFile(const std::string& path, Scenario* scenario, std::string* error);

// The scenario built into the program (resources/default-scenario.json).
const char* DefaultScenarioText();

// The scenario the program starts with: the file named by scenario_path (the
// AIRVANE_SCENARIO setting) when it is non-empty, else the built-in one.
int LoadStartupScenario(const std::string& scenario_path, Scenario* scenario, std::string* error);

}  // namespace airvane::sim
