// Scenario files: JSON read into the Scenario record, every field checked, and the
// first problem reported with the file, its JSON path and what is wrong.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/format.h"
#include "sim/scenario.h"

namespace airvane::sim {

namespace {

using nlohmann::json;

const std::set<std::string> kRefusableCalls = {
    "QxOpenAdapter",
    "GetNICAdapterMAC",
    "QueryWL_DriverVersion",
    "Query_QXDriverInfo",
    "QueryWL_ConnectState",
    "QueryWL_BSSID",
    "QueryWL_SSID",
    "QueryWL_Channel",
    "QueryWL_RSSI",
    "QueryWL_CommQuality",
    "QueryWL_CurrentLinkSpeed",
    "QueryWL_WEPStatus",
    "QueryWL_NetworkType",
    "QueryWL_AuthenticationMode",
    "GetTxRxFrameCount",
    "QueryWL_802_11_NetworkTypeInUse",
    "QueryWL_FragmentationThreshold",
    "QueryWL_RTS_CTS_Threshold",
    "QueryWL_PSMode",
    "QueryWL_MultiDomainCapability",
    "QueryWL_OperationRegionCode",
    "QueryWL_SupportChannel",
    "QueryWL_SupportedRate",
    "QueryWL_UISupportTxRate",
    "QueryWL_QXAdhocMode",
    "QueryWL_QXWirelessMode",
    "QueryWL_OperationMode_STA_AP",
    "QueryWL_QXUseQXXOidState",
    "QueryWL_CheckWZCStatus",
    "SetWL_SSID",
    "SetWL_BSSID",
    "SetWL_Channel",
    "SetWL_NetworkType",
    "SetWL_802_11_NetworkTypeInUse",
    "SetWL_AuthenticationMode",
    "SetWL_WEPStatus",
    "SetWL_WriteKey",
    "SetWL_DesiredRate",
    "SetWL_BasicRate",
    "SetWL_PSMode",
    "SetWL_FragmentationThreshold",
    "SetWL_RTS_CTS_Threshold",
    "SetWL_PreambleMode",
    "SetWL_MultiDomainCapability",
    "SetWL_OperationRegionCode",
    "SetWL_SupportChannel",
    "SetWL_RegionAndSupportChannel",
    "SetWL_QXWirelessMode",
    "SetWL_QXPSPXLinkMode",
    "SetWL_QXWMMQosMode",
    "SetWL_QXUseQXXOidState",
    "SetWL_OperationMode_STA_AP",
    "SetWL_ApWirelessMode",
    "SetWL_ApProtectionMode",
    "SetWLAP_HideSSIDState",
    "SetWLAP_TxPowerLevel",
    "SetWLAP_FilterMode",
    "SetWLAP_FilterList",
    "WL_SiteSurveyStart",
    "WL_RetrieveSiteSurveyData",
    "WL_RetrieveStationList",
    "ReadOid",
    "WriteOid",
};

// Walks the JSON tree; the first failure is kept and everything after it is skipped.
class Reader {
public:
    explicit Reader(std::string source) : source_(std::move(source)) {}

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    bool Fail(const std::string& path, const std::string& what) {
        if (error_.empty()) {
            error_ = Format("%s: %s: %s", source_.c_str(), path.c_str(), what.c_str());
        }
        return false;
    }

    // An object whose keys are all among the known ones.
    bool Object(const json& j, const std::string& path, std::initializer_list<const char*> known) {
        if (!j.is_object()) {
            return Fail(path, "expected an object");
        }
        for (auto it = j.begin(); it != j.end(); ++it) {
            bool found = false;
            for (const char* k : known) {
                found = found || it.key() == k;
            }
            if (!found) {
                return Fail(Key(path, it.key()), "unknown key");
            }
        }
        return true;
    }

    static std::string Key(const std::string& path, const std::string& key) {
        return path + "." + key;
    }
    static std::string Index(const std::string& path, size_t i) {
        return Format("%s[%zu]", path.c_str(), i);
    }

    const json* Member(const json& obj, const std::string& path, const char* key, bool required) {
        auto it = obj.find(key);
        if (it == obj.end()) {
            if (required) {
                Fail(Key(path, key), "missing");
            }
            return nullptr;
        }
        return &*it;
    }

    template <typename T>
    void Int(const json& obj, const std::string& path, const char* key, T* out, int64_t min,
             int64_t max, bool required = false) {
        const json* j = Member(obj, path, key, required);
        if (j == nullptr || !ok()) {
            return;
        }
        if (!j->is_number_integer() && !j->is_number_unsigned()) {
            Fail(Key(path, key), "expected an integer");
            return;
        }
        int64_t v = j->get<int64_t>();
        if (v < min || v > max) {
            Fail(Key(path, key), Format("%lld is outside %lld to %lld", static_cast<long long>(v),
                                        static_cast<long long>(min), static_cast<long long>(max)));
            return;
        }
        *out = static_cast<T>(v);
    }

    void Bool(const json& obj, const std::string& path, const char* key, bool* out) {
        const json* j = Member(obj, path, key, false);
        if (j == nullptr || !ok()) {
            return;
        }
        if (!j->is_boolean()) {
            Fail(Key(path, key), "expected true or false");
            return;
        }
        *out = j->get<bool>();
    }

    void String(const json& obj, const std::string& path, const char* key, std::string* out,
                bool required = false, size_t max_bytes = 259) {
        const json* j = Member(obj, path, key, required);
        if (j == nullptr || !ok()) {
            return;
        }
        if (!j->is_string()) {
            Fail(Key(path, key), "expected a text");
            return;
        }
        std::string v = j->get<std::string>();
        if (v.size() > max_bytes) {
            Fail(Key(path, key), Format("longer than %zu bytes", max_bytes));
            return;
        }
        *out = v;
    }

    void Mac(const json& obj, const std::string& path, const char* key, MacAddress* out,
             bool required) {
        std::string text;
        String(obj, path, key, &text, required);
        if (!ok() || obj.find(key) == obj.end()) {
            return;
        }
        unsigned b[6];
        char tail = 0;
        if (std::sscanf(text.c_str(), "%2x:%2x:%2x:%2x:%2x:%2x%c", &b[0], &b[1], &b[2], &b[3],
                        &b[4], &b[5], &tail) != 6 ||
            text.size() != 17) {
            Fail(Key(path, key), "expected a MAC address like 02:00:00:00:00:01");
            return;
        }
        for (int i = 0; i < 6; ++i) {
            (*out)[i] = static_cast<uint8_t>(b[i]);
        }
    }

    bool HexBytes(const std::string& text, const std::string& path, std::vector<uint8_t>* out) {
        std::string digits;
        for (char c : text) {
            if (c == ' ' || c == ':') {
                continue;
            }
            if (!std::isxdigit(static_cast<unsigned char>(c))) {
                return Fail(path, "expected hexadecimal digits");
            }
            digits += c;
        }
        if (digits.size() % 2 != 0) {
            return Fail(path, "odd number of hexadecimal digits");
        }
        out->clear();
        for (size_t i = 0; i < digits.size(); i += 2) {
            out->push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
        }
        return true;
    }

    void ByteList(const json& obj, const std::string& path, const char* key,
                  std::vector<uint8_t>* out, int min, int max) {
        const json* j = Member(obj, path, key, false);
        if (j == nullptr || !ok()) {
            return;
        }
        if (!j->is_array()) {
            Fail(Key(path, key), "expected a list of numbers");
            return;
        }
        out->clear();
        for (size_t i = 0; i < j->size(); ++i) {
            const json& v = (*j)[i];
            if (!v.is_number_integer() || v.get<int64_t>() < min || v.get<int64_t>() > max) {
                Fail(Index(Key(path, key), i), Format("expected a number from %d to %d", min, max));
                return;
            }
            out->push_back(static_cast<uint8_t>(v.get<int64_t>()));
        }
    }

    // Rates in Mbit/s (5.5 allowed) into 500 kbit/s bytes.
    void Rates(const json& obj, const std::string& path, const char* key, std::vector<uint8_t>* out,
               bool basic) {
        const json* j = Member(obj, path, key, false);
        if (j == nullptr || !ok()) {
            return;
        }
        if (!j->is_array()) {
            Fail(Key(path, key), "expected a list of rates in Mbit/s");
            return;
        }
        for (size_t i = 0; i < j->size(); ++i) {
            const json& v = (*j)[i];
            double mbps = v.is_number() ? v.get<double>() : 0;
            int units = static_cast<int>(mbps * 2 + 0.5);
            if (units < 2 || units > 108 || units != mbps * 2) {
                Fail(Index(Key(path, key), i), "expected a rate from 1 to 54 Mbit/s");
                return;
            }
            bool merged = false;
            for (uint8_t& r : *out) {
                if ((r & 0x7F) == units) {
                    r |= basic ? 0x80 : 0;
                    merged = true;
                }
            }
            if (!merged) {
                out->push_back(static_cast<uint8_t>(units | (basic ? 0x80 : 0)));
            }
        }
        if (out->size() > 16) {
            Fail(Key(path, key), "more than 16 rates");
        }
    }

    template <typename E>
    void Enum(const json& obj, const std::string& path, const char* key, E* out,
              std::initializer_list<std::pair<const char*, E>> names, bool required = false) {
        std::string text;
        String(obj, path, key, &text, required);
        if (!ok() || obj.find(key) == obj.end()) {
            return;
        }
        std::string allowed;
        for (const auto& [name, value] : names) {
            if (text == name) {
                *out = value;
                return;
            }
            allowed += allowed.empty() ? "" : ", ";
            allowed += name;
        }
        Fail(Key(path, key), "\"" + text + "\" is not one of " + allowed);
    }

    const json* Array(const json& obj, const std::string& path, const char* key) {
        const json* j = Member(obj, path, key, false);
        if (j != nullptr && !j->is_array()) {
            Fail(Key(path, key), "expected a list");
            return nullptr;
        }
        return j;
    }

private:
    std::string source_;
    std::string error_;
};

std::vector<uint8_t> DefaultChannels24() {
    return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
}
std::vector<uint8_t> DefaultChannels5() {
    return {36, 40, 44, 48, 52, 56, 60, 64, 100, 104, 108, 112, 116, 120, 124, 128, 132, 136, 140};
}
std::vector<uint8_t> DefaultRates() {
    return {0x82, 0x84, 0x8B, 0x96, 12, 18, 24, 36, 48, 72, 96, 108};
}

void ReadAdapter(Reader& r, const json& j, const std::string& path, ScenarioAdapter* a) {
    if (!r.Object(j, path,
                  {"device_name", "description", "driver_key", "hardware_id", "mac",
                   "driver_version", "firmware_version", "chip_kind", "chip_sub_kind", "dual_band",
                   "channels_24", "channels_5", "rates", "basic_rates", "access_point",
                   "adhoc_mode", "region_code", "plugged", "refuse"})) {
        return;
    }
    r.String(j, path, "device_name", &a->device_name, true);
    r.String(j, path, "description", &a->description, true);
    r.String(j, path, "driver_key", &a->driver_key, true, 4);
    r.String(j, path, "hardware_id", &a->hardware_id, true, 511);
    r.Mac(j, path, "mac", &a->mac, true);
    std::string version = "1.0.0.0";
    r.String(j, path, "driver_version", &version);
    unsigned v[4];
    char tail = 0;
    if (r.ok() &&
        (std::sscanf(version.c_str(), "%u.%u.%u.%u%c", &v[0], &v[1], &v[2], &v[3], &tail) != 4 ||
         v[0] > 255 || v[1] > 255 || v[2] > 255 || v[3] > 255)) {
        r.Fail(Reader::Key(path, "driver_version"), "expected four numbers 0 to 255: 1.2.163.5");
        return;
    }
    a->driver_version = (v[0] << 24) | (v[1] << 16) | (v[2] << 8) | v[3];
    r.Int(j, path, "firmware_version", &a->firmware_version, 0, 0xFFFFFFFFLL);
    r.Int(j, path, "chip_kind", &a->chip_kind, 0, 255);
    r.Int(j, path, "chip_sub_kind", &a->chip_sub_kind, 0, 255);
    r.Bool(j, path, "dual_band", &a->dual_band);
    a->channels_24 = DefaultChannels24();
    a->channels_5 = a->dual_band ? DefaultChannels5() : std::vector<uint8_t>{};
    r.ByteList(j, path, "channels_24", &a->channels_24, 1, 14);
    r.ByteList(j, path, "channels_5", &a->channels_5, 1, 200);
    if (r.ok() && !a->dual_band && !a->channels_5.empty() && j.contains("channels_5")) {
        r.Fail(Reader::Key(path, "channels_5"), "a single-band adapter has no 5 GHz channels");
        return;
    }
    if (j.contains("rates")) {
        a->rates.clear();
        r.Rates(j, path, "rates", &a->rates, false);
        r.Rates(j, path, "basic_rates", &a->rates, true);
    } else {
        a->rates = DefaultRates();
    }
    r.Bool(j, path, "access_point", &a->access_point);
    r.Int(j, path, "adhoc_mode", &a->adhoc_mode, 0, 2);
    r.Int(j, path, "region_code", &a->region_code, 0, 254);
    r.Bool(j, path, "plugged", &a->plugged);
    if (const json* refuse = r.Array(j, path, "refuse")) {
        for (size_t i = 0; i < refuse->size() && r.ok(); ++i) {
            const json& name = (*refuse)[i];
            std::string p = Reader::Index(Reader::Key(path, "refuse"), i);
            if (!name.is_string() || kRefusableCalls.count(name.get<std::string>()) == 0) {
                r.Fail(p, "not a library call that can be refused");
                return;
            }
            a->refused_calls.insert(name.get<std::string>());
        }
    }
}

void ReadOtherAdapter(Reader& r, const json& j, const std::string& path, ScenarioOtherAdapter* a) {
    if (!r.Object(j, path, {"device_name", "description", "driver_key", "hardware_id"})) {
        return;
    }
    r.String(j, path, "device_name", &a->device_name, true);
    r.String(j, path, "description", &a->description, true);
    r.String(j, path, "driver_key", &a->driver_key, true, 4);
    r.String(j, path, "hardware_id", &a->hardware_id, true, 511);
}

void ReadSecurity(Reader& r, const json& j, const std::string& path, ScenarioSecurity* s) {
    if (!r.Object(j, path,
                  {"kind", "wep_key", "wep_key_index", "key_management", "ciphers", "group",
                   "passphrase", "eap"})) {
        return;
    }
    r.Enum(j, path, "kind", &s->kind,
           {{"open", SecurityKind::kOpen},
            {"wep", SecurityKind::kWep},
            {"wpa", SecurityKind::kWpa},
            {"wpa2", SecurityKind::kWpa2},
            {"wpa-wpa2", SecurityKind::kWpaWpa2}},
           true);
    if (!r.ok()) {
        return;
    }
    if (s->kind == SecurityKind::kWep) {
        std::string key;
        r.String(j, path, "wep_key", &key, true);
        if (!r.ok() || !r.HexBytes(key, Reader::Key(path, "wep_key"), &s->wep_key)) {
            return;
        }
        if (s->wep_key.size() != 5 && s->wep_key.size() != 13 && s->wep_key.size() != 29) {
            r.Fail(Reader::Key(path, "wep_key"), "a WEP key has 5, 13 or 29 bytes");
            return;
        }
        r.Int(j, path, "wep_key_index", &s->wep_key_index, 0, 3);
        return;
    }
    if (s->kind == SecurityKind::kOpen) {
        return;
    }
    r.Enum(j, path, "key_management", &s->key_management,
           {{"psk", KeyManagement::kPsk}, {"eap", KeyManagement::kEap}});
    s->pairwise = {s->kind == SecurityKind::kWpa2 ? Cipher::kCcmp : Cipher::kTkip};
    if (const json* ciphers = r.Array(j, path, "ciphers")) {
        s->pairwise.clear();
        for (size_t i = 0; i < ciphers->size() && r.ok(); ++i) {
            std::string p = Reader::Index(Reader::Key(path, "ciphers"), i);
            const json& c = (*ciphers)[i];
            if (c == "tkip") {
                s->pairwise.push_back(Cipher::kTkip);
            } else if (c == "ccmp") {
                s->pairwise.push_back(Cipher::kCcmp);
            } else {
                r.Fail(p, "expected \"tkip\" or \"ccmp\"");
            }
        }
        if (r.ok() && s->pairwise.empty()) {
            r.Fail(Reader::Key(path, "ciphers"), "needs at least one cipher");
        }
    }
    // The group cipher is the weakest pairwise one unless given.
    s->group = s->pairwise.empty() ? Cipher::kTkip : s->pairwise.front();
    for (Cipher c : s->pairwise) {
        s->group = c == Cipher::kTkip ? Cipher::kTkip : s->group;
    }
    r.Enum(j, path, "group", &s->group, {{"tkip", Cipher::kTkip}, {"ccmp", Cipher::kCcmp}});
    if (s->key_management == KeyManagement::kPsk) {
        r.String(j, path, "passphrase", &s->passphrase, true, 64);
        if (r.ok() && s->passphrase.size() < 8) {
            r.Fail(Reader::Key(path, "passphrase"),
                   "a pass-phrase has 8 to 63 characters (or 64 hexadecimal digits)");
        }
        return;
    }
    const json* eap = r.Member(j, path, "eap", true);
    if (eap == nullptr || !r.ok()) {
        return;
    }
    std::string epath = Reader::Key(path, "eap");
    if (!r.Object(*eap, epath, {"method", "identity", "password", "inner_method"})) {
        return;
    }
    r.String(*eap, epath, "method", &s->eap.method, true);
    if (r.ok() && s->eap.method != "tls" && s->eap.method != "peap" && s->eap.method != "ttls") {
        r.Fail(Reader::Key(epath, "method"), "expected \"tls\", \"peap\" or \"ttls\"");
    }
    r.String(*eap, epath, "identity", &s->eap.identity, true);
    r.String(*eap, epath, "password", &s->eap.password);
    r.String(*eap, epath, "inner_method", &s->eap.inner_method);
}

bool Is5GHzChannel(int channel) {
    return channel >= 34;
}

void ReadNetwork(Reader& r, const json& j, const std::string& path, ScenarioNetwork* n) {
    if (!r.Object(j, path,
                  {"ssid", "bssid", "channel", "rssi", "type", "security", "max_rate_mbps", "wmm",
                   "present", "handshake_timeout_ms", "extra_elements", "comment"})) {
        return;
    }
    r.String(j, path, "ssid", &n->ssid, true, 32);
    r.Mac(j, path, "bssid", &n->bssid, true);
    r.Int(j, path, "channel", &n->channel, 1, 196, true);
    n->band_5ghz = Is5GHzChannel(n->channel);
    if (r.ok() && !n->band_5ghz && n->channel > 14) {
        r.Fail(Reader::Key(path, "channel"), "not a 2.4 GHz (1-14) or 5 GHz (34-196) channel");
        return;
    }
    r.Int(j, path, "rssi", &n->rssi_dbm, -110, -10);
    std::string type = "infrastructure";
    r.String(j, path, "type", &type);
    if (r.ok() && type != "infrastructure" && type != "adhoc") {
        r.Fail(Reader::Key(path, "type"), "expected \"infrastructure\" or \"adhoc\"");
        return;
    }
    n->adhoc = type == "adhoc";
    if (const json* security = r.Member(j, path, "security", false)) {
        ReadSecurity(r, *security, Reader::Key(path, "security"), &n->security);
    }
    if (r.ok() && n->adhoc && n->security.kind != SecurityKind::kOpen &&
        n->security.kind != SecurityKind::kWep &&
        (n->security.kind != SecurityKind::kWpa ||
         n->security.key_management != KeyManagement::kPsk)) {
        r.Fail(Reader::Key(path, "security"),
               "an ad hoc cell is open, WEP or WPA with a pass-phrase (WPA-None)");
        return;
    }
    r.Int(j, path, "max_rate_mbps", &n->max_rate_mbps, 1, 54);
    r.Bool(j, path, "wmm", &n->wmm);
    r.Bool(j, path, "present", &n->present);
    r.Int(j, path, "handshake_timeout_ms", &n->handshake_timeout_ms, 100, 600000);
    if (const json* extra = r.Array(j, path, "extra_elements")) {
        for (size_t i = 0; i < extra->size() && r.ok(); ++i) {
            std::string p = Reader::Index(Reader::Key(path, "extra_elements"), i);
            std::vector<uint8_t> bytes;
            if (!(*extra)[i].is_string()) {
                r.Fail(p, "expected hexadecimal text");
            } else if (r.HexBytes((*extra)[i].get<std::string>(), p, &bytes)) {
                if (bytes.size() < 2 || bytes[1] + 2u != bytes.size()) {
                    r.Fail(p, "an element is its id, its length and that many bytes");
                } else {
                    n->extra_elements.push_back(bytes);
                }
            }
        }
    }
}

void ReadStation(Reader& r, const json& j, const std::string& path, ScenarioStation* s) {
    if (!r.Object(j, path, {"name", "mac", "join_after_ms", "leave_after_ms"})) {
        return;
    }
    r.String(j, path, "name", &s->name);
    r.Mac(j, path, "mac", &s->mac, true);
    r.Int(j, path, "join_after_ms", &s->join_after_ms, 0, 86400000);
    if (j.contains("leave_after_ms")) {
        int64_t leave = 0;
        r.Int(j, path, "leave_after_ms", &leave, 0, 86400000);
        if (r.ok() && leave <= s->join_after_ms) {
            r.Fail(Reader::Key(path, "leave_after_ms"), "must come after join_after_ms");
        }
        s->leave_after_ms = leave;
    }
}

void ReadService(Reader& r, const json& j, const std::string& path, ScenarioService* s) {
    if (!r.Object(j, path, {"running", "controls_adapters", "status_answer"})) {
        return;
    }
    r.Bool(j, path, "running", &s->running);
    r.Bool(j, path, "controls_adapters", &s->controls_adapters);
    if (j.contains("status_answer")) {
        int32_t answer = 0;
        r.Int(j, path, "status_answer", &answer, 0, 2);
        s->status_answer = answer;
    }
}

const ScenarioNetwork* FindNetwork(const Scenario& s, const MacAddress& bssid) {
    for (const ScenarioNetwork& n : s.networks) {
        if (n.bssid == bssid) {
            return &n;
        }
    }
    return nullptr;
}

void ReadEvent(Reader& r, const json& j, const std::string& path, const Scenario& scenario,
               ScenarioEvent* e) {
    if (!r.Object(j, path, {"at_ms", "action", "adapter", "bssid", "rssi", "comment"})) {
        return;
    }
    r.Int(j, path, "at_ms", &e->at_ms, 0, 86400000LL * 365, true);
    r.Enum(j, path, "action", &e->action,
           {{"unplug", EventAction::kUnplug},
            {"replug", EventAction::kReplug},
            {"network_appears", EventAction::kNetworkAppears},
            {"network_leaves", EventAction::kNetworkLeaves},
            {"signal", EventAction::kSignal},
            {"service_takes_over", EventAction::kServiceTakesOver},
            {"service_stops", EventAction::kServiceStops}},
           true);
    if (!r.ok()) {
        return;
    }
    if (e->action == EventAction::kUnplug || e->action == EventAction::kReplug) {
        r.String(j, path, "adapter", &e->adapter, true, 4);
        bool known = false;
        for (const ScenarioAdapter& a : scenario.adapters) {
            known = known || a.driver_key == e->adapter;
        }
        if (r.ok() && !known) {
            r.Fail(Reader::Key(path, "adapter"), "no adapter has this driver key");
        }
    } else if (e->action == EventAction::kNetworkAppears ||
               e->action == EventAction::kNetworkLeaves || e->action == EventAction::kSignal) {
        r.Mac(j, path, "bssid", &e->bssid, true);
        if (r.ok() && FindNetwork(scenario, e->bssid) == nullptr) {
            r.Fail(Reader::Key(path, "bssid"), "no network has this BSSID");
        }
        if (e->action == EventAction::kSignal) {
            r.Int(j, path, "rssi", &e->rssi_dbm, -110, -10, true);
        }
    }
}

void ReadScenario(Reader& r, const json& root, Scenario* s) {
    const std::string path = "$";
    if (!r.Object(
            root, path,
            {"seed", "join_delay_ms", "rssi_drift_db", "pnp_workaround", "adapters",
             "other_adapters", "networks", "stations", "wireless_service", "events", "comment"})) {
        return;
    }
    r.Int(root, path, "seed", &s->seed, 0, 0xFFFFFFFFLL);
    r.Int(root, path, "join_delay_ms", &s->join_delay_ms, 0, 60000);
    r.Int(root, path, "rssi_drift_db", &s->rssi_drift_db, 0, 20);
    r.Bool(root, path, "pnp_workaround", &s->pnp_workaround);
    if (const json* list = r.Array(root, path, "adapters")) {
        for (size_t i = 0; i < list->size() && r.ok(); ++i) {
            ScenarioAdapter a;
            ReadAdapter(r, (*list)[i], Reader::Index(path + ".adapters", i), &a);
            s->adapters.push_back(a);
        }
    }
    if (const json* list = r.Array(root, path, "other_adapters")) {
        for (size_t i = 0; i < list->size() && r.ok(); ++i) {
            ScenarioOtherAdapter a;
            ReadOtherAdapter(r, (*list)[i], Reader::Index(path + ".other_adapters", i), &a);
            s->other_adapters.push_back(a);
        }
    }
    // Driver keys and device names name one adapter each.
    std::set<std::string> keys, names;
    auto unique = [&](const std::string& p, const std::string& key, const std::string& name) {
        if (!keys.insert(key).second) {
            r.Fail(p + ".driver_key", "another adapter has this driver key");
        } else if (!names.insert(name).second) {
            r.Fail(p + ".device_name", "another adapter has this device name");
        }
    };
    for (size_t i = 0; i < s->adapters.size() && r.ok(); ++i) {
        unique(Reader::Index(path + ".adapters", i), s->adapters[i].driver_key,
               s->adapters[i].device_name);
    }
    for (size_t i = 0; i < s->other_adapters.size() && r.ok(); ++i) {
        unique(Reader::Index(path + ".other_adapters", i), s->other_adapters[i].driver_key,
               s->other_adapters[i].device_name);
    }
    if (const json* list = r.Array(root, path, "networks")) {
        for (size_t i = 0; i < list->size() && r.ok(); ++i) {
            ScenarioNetwork n;
            std::string p = Reader::Index(path + ".networks", i);
            ReadNetwork(r, (*list)[i], p, &n);
            if (r.ok() && FindNetwork(*s, n.bssid) != nullptr) {
                r.Fail(p + ".bssid", "another network has this BSSID");
            }
            s->networks.push_back(n);
        }
    }
    if (const json* list = r.Array(root, path, "stations")) {
        for (size_t i = 0; i < list->size() && r.ok(); ++i) {
            ScenarioStation st;
            ReadStation(r, (*list)[i], Reader::Index(path + ".stations", i), &st);
            s->stations.push_back(st);
        }
    }
    if (const json* service = r.Member(root, path, "wireless_service", false)) {
        ReadService(r, *service, path + ".wireless_service", &s->service);
    }
    if (const json* list = r.Array(root, path, "events")) {
        for (size_t i = 0; i < list->size() && r.ok(); ++i) {
            ScenarioEvent e;
            ReadEvent(r, (*list)[i], Reader::Index(path + ".events", i), *s, &e);
            s->events.push_back(e);
        }
    }
}

}  // namespace

const std::set<std::string>& RefusableCalls() {
    return kRefusableCalls;
}

int ParseScenario(const std::string& text, const std::string& source, Scenario* scenario,
                  std::string* error) {
    Reader reader(source);
    json root;
    // The parser's exception stays inside this function; callers get the message.
    try {
        root = json::parse(text, nullptr, /*allow_exceptions=*/true, /*ignore_comments=*/true);
    } catch (const json::parse_error& e) {
        reader.Fail(Format("$ (byte %zu)", e.byte), "not valid JSON");
        *error = reader.error();
        return -1;
    }
    Scenario parsed;
    ReadScenario(reader, root, &parsed);
    if (!reader.ok()) {
        *error = reader.error();
        return -1;
    }
    *scenario = std::move(parsed);
    return 0;
}

int LoadScenarioFile(const std::string& path, Scenario* scenario, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = Format("%s: cannot be read", path.c_str());
        return -1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseScenario(text.str(), path, scenario, error);
}

int LoadStartupScenario(const std::string& scenario_path, Scenario* scenario, std::string* error) {
    if (!scenario_path.empty()) {
        return LoadScenarioFile(scenario_path, scenario, error);
    }
    return ParseScenario(DefaultScenarioText(), "default-scenario.json", scenario, error);
}

}  // namespace airvane::sim
