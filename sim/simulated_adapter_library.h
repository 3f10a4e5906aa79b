#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "adapter/adapter_library.h"
#include "adapter/layouts.h"
#include "platform/clock.h"
#include "platform/machine_registry.h"
#include "sim/association_rules.h"
#include "sim/scenario.h"

namespace airvane::sim {

// What the access point knows about one association when its key handshakes begin.
struct AssociationFacts {
    MacAddress station_mac{};
    MacAddress bssid{};
    std::string ssid;
    SecurityFamily family = SecurityFamily::kNone;
    Cipher pairwise = Cipher::kTkip;
    Cipher group = Cipher::kTkip;
    std::vector<uint8_t> station_element;       // WPA or RSN element of the request
    std::vector<uint8_t> access_point_element;  // the same element of the beacon
    ScenarioSecurity security;                  // pass-phrase or 802.1X credentials
};

using EapolFrame = std::vector<uint8_t>;

// The access point's side of the 4-way and group handshakes for one association. The
// simulator creates one per WPA/WPA2 association through the installed factory, hands
// it the station's EAPOL frames and delivers its answers to the station's EAPOL port.
// Called with the simulator's lock held: it must not call back into the library.
class AccessPointAuthenticator {
public:
    virtual ~AccessPointAuthenticator() = default;
    virtual void Start(const AssociationFacts& facts, std::vector<EapolFrame>* to_station) = 0;
    virtual void FromStation(std::span<const uint8_t> frame,
                             std::vector<EapolFrame>* to_station) = 0;
    // The pairwise temporal key the access point derived; empty until it has one.
    virtual std::vector<uint8_t> DerivedPairwiseKey() const = 0;
};
using AuthenticatorFactory = std::function<std::unique_ptr<AccessPointAuthenticator>()>;

// One accepted WriteOid, as the adapter received it.
struct OidWrite {
    uint32_t oid = 0;
    std::vector<uint8_t> record;
    int64_t at_ms = 0;
};

// What a test may look at besides the library calls.
struct LinkView {
    bool plugged = false;
    bool associated = false;
    bool passes_data = false;
    MacAddress bssid{};
    std::vector<uint8_t> pairwise_key;  // the last pairwise key installed
};

// The simulated adapter library: adapters in a scripted radio environment, running on
// the clock. Every call takes one lock and first brings the world up to the clock's
// time (timeline events, joins, handshake timeouts), so calls from the main thread and
// the session thread see one consistent radio.
class SimulatedAdapterLibrary : public AdapterLibrary {
public:
    // clock null: Services().clock.
    explicit SimulatedAdapterLibrary(Scenario scenario, Clock* clock = nullptr);
    ~SimulatedAdapterLibrary() override;

    // The machine registry that answers the adapters' driver keys; lives as long as
    // the library.
    MachineRegistry* machine_registry();

    // The EAPOL port of the station: frames to and from the access point it is
    // associated with. 0 when sent or received, -1 when not associated with a WPA/WPA2
    // network (send) or when no frame waits (receive).
    int32_t SendEapolFrame(AdapterContext* ctx, std::span<const uint8_t> frame);
    int32_t ReceiveEapolFrame(AdapterContext* ctx, EapolFrame* frame);
    // How long the access point of the current association waits for a valid pairwise
    // key before it drops the station; -1 when not associated with a WPA/WPA2 network.
    int64_t HandshakeTimeoutMs(AdapterContext* ctx);
    void SetAuthenticatorFactory(AuthenticatorFactory factory);

    // Changes to the world outside the timeline, for tests and tools.
    int Unplug(const std::string& driver_key);
    int Replug(const std::string& driver_key);
    int SetNetworkPresent(const MacAddress& bssid, bool present);
    int SetNetworkRssi(const MacAddress& bssid, int rssi_dbm);
    void SetServiceRunning(bool running);
    int SetRefused(const std::string& driver_key, const std::string& call, bool refused);
    std::vector<OidWrite> OidWrites(const std::string& driver_key);
    LinkView Link(const std::string& driver_key);

    // AdapterLibrary.
    int32_t QueryWL_IsWindows2000() override;
    int32_t IsAdmin() override;
    int32_t NonAdminUserEnabler() override;
    int32_t CheckOSWinNT() override;
    int32_t QueryWL_IsWindows95() override;
    int32_t QX_GetOSVersion() override;
    int32_t QXStartWZCService() override;
    int32_t QXStopWZCService() override;
    int32_t QueryWL_CheckWZCStatus(AdapterContext* ctx) override;
    int32_t CreateAllNICAdapterList(std::span<AdapterListRecord> entries) override;
    int32_t CreateNICAdapterList(std::span<AdapterListRecord> entries) override;
    int32_t QxOpenAdapter(AdapterContext* ctx) override;
    int32_t QxCloseAdapter(AdapterContext* ctx) override;
    int32_t GetNICAdapterMAC(AdapterContext* ctx, MacAddress* mac) override;
    int32_t QueryWL_DriverVersion(AdapterContext* ctx) override;
    int32_t Query_QXDriverInfo(AdapterContext* ctx, std::span<uint8_t> record) override;
    int32_t Query_FixWindisPnPBug() override;
    int32_t QueryWL_ConnectState(AdapterContext* ctx) override;
    int32_t QueryWL_BSSID(AdapterContext* ctx, MacAddress* bssid) override;
    int32_t QueryWL_SSID(AdapterContext* ctx, std::span<uint8_t> ssid) override;
    int32_t QueryWL_Channel(AdapterContext* ctx) override;
    int32_t QueryWL_RSSI(AdapterContext* ctx) override;
    int32_t QueryWL_CommQuality(AdapterContext* ctx) override;
    int32_t QueryWL_CurrentLinkSpeed(AdapterContext* ctx) override;
    int32_t QueryWL_WEPStatus(AdapterContext* ctx) override;
    int32_t QueryWL_NetworkType(AdapterContext* ctx) override;
    int32_t QueryWL_AuthenticationMode(AdapterContext* ctx) override;
    int32_t GetTxRxFrameCount(AdapterContext* ctx, uint32_t* transmitted,
                              uint32_t* received) override;
    int32_t QueryWL_802_11_NetworkTypeInUse(AdapterContext* ctx) override;
    int32_t QueryWL_FragmentationThreshold(AdapterContext* ctx) override;
    int32_t QueryWL_RTS_CTS_Threshold(AdapterContext* ctx) override;
    int32_t QueryWL_PSMode(AdapterContext* ctx) override;
    int32_t QueryWL_MultiDomainCapability(AdapterContext* ctx) override;
    int32_t QueryWL_OperationRegionCode(AdapterContext* ctx) override;
    int32_t QueryWL_SupportChannel(AdapterContext* ctx, std::span<uint8_t> channels,
                                   int32_t* count) override;
    int32_t QueryWL_SupportedRate(AdapterContext* ctx, RateSet* rates) override;
    int32_t QueryWL_UISupportTxRate(AdapterContext* ctx, RateSet* rates, int32_t* count) override;
    int32_t QueryWL_QXAdhocMode(AdapterContext* ctx) override;
    int32_t QueryWL_QXWirelessMode(AdapterContext* ctx) override;
    int32_t QueryWL_OperationMode_STA_AP(AdapterContext* ctx) override;
    int32_t QueryWL_QXUseQXXOidState(AdapterContext* ctx) override;
    int32_t SetWL_SSID(AdapterContext* ctx, std::span<const uint8_t> ssid) override;
    int32_t SetWL_BSSID(AdapterContext* ctx, const MacAddress& bssid) override;
    int32_t SetWL_Channel(AdapterContext* ctx, int32_t channel) override;
    int32_t SetWL_NetworkType(AdapterContext* ctx, int32_t type) override;
    int32_t SetWL_802_11_NetworkTypeInUse(AdapterContext* ctx, int32_t type) override;
    int32_t SetWL_AuthenticationMode(AdapterContext* ctx, int32_t mode) override;
    int32_t SetWL_WEPStatus(AdapterContext* ctx, int32_t status) override;
    int32_t SetWL_WriteKey(AdapterContext* ctx, int32_t key_index, int32_t length_index,
                           int32_t is_default, std::span<const uint8_t> key) override;
    int32_t SetWL_DesiredRate(AdapterContext* ctx, const RateSet& rates) override;
    int32_t SetWL_BasicRate(AdapterContext* ctx, const RateSet& rates) override;
    int32_t SetWL_PSMode(AdapterContext* ctx, int32_t mode) override;
    int32_t SetWL_FragmentationThreshold(AdapterContext* ctx, int32_t threshold) override;
    int32_t SetWL_RTS_CTS_Threshold(AdapterContext* ctx, int32_t threshold) override;
    int32_t SetWL_PreambleMode(AdapterContext* ctx, int32_t mode) override;
    int32_t SetWL_MultiDomainCapability(AdapterContext* ctx, int32_t enabled) override;
    int32_t SetWL_OperationRegionCode(AdapterContext* ctx, int32_t region) override;
    int32_t SetWL_SupportChannel(AdapterContext* ctx, std::span<const uint8_t> channels) override;
    int32_t SetWL_RegionAndSupportChannel(AdapterContext* ctx, int32_t region) override;
    int32_t SetWL_QXWirelessMode(AdapterContext* ctx, int32_t band_capability) override;
    int32_t SetWL_QXPSPXLinkMode(AdapterContext* ctx, int32_t enabled) override;
    int32_t SetWL_QXWMMQosMode(AdapterContext* ctx, int32_t enabled) override;
    int32_t SetWL_QXUseQXXOidState(AdapterContext* ctx, int32_t state) override;
    int32_t SetWL_OperationMode_STA_AP(AdapterContext* ctx, int32_t mode) override;
    int32_t SetWL_ApWirelessMode(AdapterContext* ctx, int32_t mode) override;
    int32_t SetWL_ApProtectionMode(AdapterContext* ctx, int32_t mode) override;
    int32_t SetWLAP_HideSSIDState(AdapterContext* ctx, int32_t hidden) override;
    int32_t SetWLAP_TxPowerLevel(AdapterContext* ctx, int32_t level) override;
    int32_t SetWLAP_FilterMode(AdapterContext* ctx, int32_t mode) override;
    int32_t SetWLAP_FilterList(AdapterContext* ctx, std::span<const uint8_t> list) override;
    int32_t WL_SiteSurveyStart(AdapterContext* ctx) override;
    int32_t WL_RetrieveSiteSurveyData(AdapterContext* ctx, std::span<uint8_t> buffer) override;
    int32_t WL_RetrieveStationList(AdapterContext* ctx, std::span<uint8_t> buffer) override;
    int32_t ReadOid(AdapterContext* ctx, uint32_t oid, std::span<uint8_t> buffer) override;
    int32_t WriteOid(AdapterContext* ctx, uint32_t oid, std::span<const uint8_t> record) override;

    struct Adapter;
    struct Network;

private:
    class Registry;

    int64_t Now();
    void Advance(int64_t now);
    void RunEvent(const ScenarioEvent& event, int64_t t);
    void TryJoin(Adapter& a, int64_t t);
    void CheckLink(Adapter& a, int64_t t);
    void Associate(Adapter& a, size_t network, int64_t t);
    void Drop(Adapter& a, int64_t t, bool rejoin);
    void SettleCounters(Adapter& a, int64_t t);
    void PowerOn(Adapter& a);
    bool Heard(const Adapter& a, const Network& n, int64_t t) const;
    bool PassesData(const Adapter& a) const;
    bool AwaitsKeys(const Adapter& a) const;
    int RssiAt(size_t network, int64_t t) const;
    StationSettings SettingsOf(const Adapter& a) const;
    size_t StationsUp(const Adapter& a, int64_t t, MacList* list) const;
    Adapter* FindAdapter(const std::string& driver_key);
    Network* FindNetwork(const MacAddress& bssid);
    // The open, plugged adapter of the context after the refusal check of call; null
    // when the call must fail.
    Adapter* Open(AdapterContext* ctx, const char* call);
    template <typename Fn>
    int32_t Query(AdapterContext* ctx, const char* call, Fn fn);
    template <typename Fn>
    int32_t Set(AdapterContext* ctx, const char* call, Fn fn);

    std::mutex mutex_;
    Clock* clock_;
    Scenario scenario_;
    int64_t start_ms_ = 0;
    size_t next_event_ = 0;
    std::vector<std::unique_ptr<Adapter>> adapters_;
    std::vector<Network> networks_;
    bool service_running_ = false;
    int32_t next_handle_ = 1;
    AuthenticatorFactory authenticator_factory_;
    std::unique_ptr<Registry> registry_;
};

}  // namespace airvane::sim
