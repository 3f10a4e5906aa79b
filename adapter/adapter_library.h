#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "adapter/adapter_context.h"

namespace airvane {

using MacAddress = std::array<uint8_t, 6>;
// Sixteen rate bytes in units of 500 kbit/s; bit 7 marks a basic rate; 0-terminated
// when shorter.
using RateSet = std::array<uint8_t, 16>;

inline constexpr size_t kAdapterListEntrySize = 525;
using AdapterListRecord = std::array<uint8_t, kAdapterListEntrySize>;
inline constexpr size_t kMaxAdapterListEntries = 100;

// The private OIDs and the one standard OID the program uses.
inline constexpr uint32_t kOidAssociationInformation = 0x0D01011F;
inline constexpr uint32_t kOidAddKey = 0xFF12FF1D;
inline constexpr uint32_t kOidAddWepKey = 0xFF12FF13;
inline constexpr uint32_t kOidPmkidList = 0xFF12FF23;

// The NDIS 802.11 numbering the library takes and returns.
namespace ndis {
inline constexpr int32_t kNetworkAdHoc = 0;
inline constexpr int32_t kNetworkInfrastructure = 1;

inline constexpr int32_t kAuthOpen = 0;
inline constexpr int32_t kAuthShared = 1;
inline constexpr int32_t kAuthAutoSwitch = 2;
inline constexpr int32_t kAuthWpa = 3;
inline constexpr int32_t kAuthWpaPsk = 4;
inline constexpr int32_t kAuthWpaNone = 5;
inline constexpr int32_t kAuthWpa2 = 6;
inline constexpr int32_t kAuthWpa2Psk = 7;

inline constexpr int32_t kWepEnabled = 0;
inline constexpr int32_t kWepDisabled = 1;
inline constexpr int32_t kWepKeyAbsent = 2;
inline constexpr int32_t kWepNotSupported = 3;
inline constexpr int32_t kTkipEnabled = 4;
inline constexpr int32_t kTkipKeyAbsent = 5;
inline constexpr int32_t kAesEnabled = 6;
inline constexpr int32_t kAesKeyAbsent = 7;

// Network type in use (the radio's modulation family).
inline constexpr int32_t kTypeInUse5GHz = 2;
inline constexpr int32_t kTypeInUse24GHz = 3;
inline constexpr int32_t kTypeInUseAutomatic = 4;
}  // namespace ndis

// Band capability codes of SetWL_QXWirelessMode / QueryWL_QXWirelessMode.
inline constexpr int32_t kBandCapability5GHz = 2;
inline constexpr int32_t kBandCapability24GHz = 3;
inline constexpr int32_t kBandCapabilityBoth = 4;

// The adapter control library. Every per-adapter call takes the process's adapter
// context by address; the library finds the adapter through the context's handle, which
// QxOpenAdapter sets. Results, as the program reads them:
//   QxOpenAdapter         non-zero when opened
//   set calls             0 accepted, -1 refused
//   number queries        the number, -1 on failure
//   buffer calls          0 (or a length where stated) on success, -1 on failure
//   adapter lists         the number of entries filled; CreateNICAdapterList -1 on failure
// Implementations are safe for calls from several threads at once (the main thread and
// the authentication session thread both call it).
class AdapterLibrary {
public:
    virtual ~AdapterLibrary() = default;

    // Operating system.
    virtual int32_t QueryWL_IsWindows2000() = 0;
    virtual int32_t IsAdmin() = 0;
    virtual int32_t NonAdminUserEnabler() = 0;
    virtual int32_t CheckOSWinNT() = 0;
    virtual int32_t QueryWL_IsWindows95() = 0;
    // (major << 24) | (minor << 16) | (build & 0xFFFF).
    virtual int32_t QX_GetOSVersion() = 0;

    // The operating system's wireless service.
    virtual int32_t QXStartWZCService() = 0;
    virtual int32_t QXStopWZCService() = 0;
    // 1 while the service runs and controls the adapter, 0 otherwise, or the library's
    // third answer 2.
    virtual int32_t QueryWL_CheckWZCStatus(AdapterContext* ctx) = 0;

    // Adapters. The lists are filled with 525-byte entries (adapter/layouts.h); the
    // span's size is the room the caller has.
    virtual int32_t CreateAllNICAdapterList(std::span<AdapterListRecord> entries) = 0;
    virtual int32_t CreateNICAdapterList(std::span<AdapterListRecord> entries) = 0;
    virtual int32_t QxOpenAdapter(AdapterContext* ctx) = 0;
    virtual int32_t QxCloseAdapter(AdapterContext* ctx) = 0;
    virtual int32_t GetNICAdapterMAC(AdapterContext* ctx, MacAddress* mac) = 0;
    // Packed driver version (four bytes, highest first), -1 when the adapter is gone.
    virtual int32_t QueryWL_DriverVersion(AdapterContext* ctx) = 0;
    // Fills the driver information record (adapter/layouts.h); returns its chip kind,
    // -1 on failure.
    virtual int32_t Query_QXDriverInfo(AdapterContext* ctx, std::span<uint8_t> record) = 0;
    virtual int32_t Query_FixWindisPnPBug() = 0;

    // Status.
    virtual int32_t QueryWL_ConnectState(AdapterContext* ctx) = 0;  // 0 connected, 1 not
    virtual int32_t QueryWL_BSSID(AdapterContext* ctx, MacAddress* bssid) = 0;
    // Fills up to 32 bytes; returns the SSID length.
    virtual int32_t QueryWL_SSID(AdapterContext* ctx, std::span<uint8_t> ssid) = 0;
    virtual int32_t QueryWL_Channel(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_RSSI(AdapterContext* ctx) = 0;  // dBm
    virtual int32_t QueryWL_CommQuality(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_CurrentLinkSpeed(AdapterContext* ctx) = 0;  // kbit/s
    virtual int32_t QueryWL_WEPStatus(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_NetworkType(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_AuthenticationMode(AdapterContext* ctx) = 0;
    virtual int32_t GetTxRxFrameCount(AdapterContext* ctx, uint32_t* transmitted,
                                      uint32_t* received) = 0;

    // Queries.
    virtual int32_t QueryWL_802_11_NetworkTypeInUse(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_FragmentationThreshold(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_RTS_CTS_Threshold(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_PSMode(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_MultiDomainCapability(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_OperationRegionCode(AdapterContext* ctx) = 0;
    // The 2.4 GHz channels, one byte 0xFF, the 5 GHz channels. *count holds the room on
    // entry (at most the span's size) and the bytes written on return; 0 on success.
    virtual int32_t QueryWL_SupportChannel(AdapterContext* ctx, std::span<uint8_t> channels,
                                           int32_t* count) = 0;
    virtual int32_t QueryWL_SupportedRate(AdapterContext* ctx, RateSet* rates) = 0;
    // The rates the user may pick; *count as for QueryWL_SupportChannel (room at most 16).
    virtual int32_t QueryWL_UISupportTxRate(AdapterContext* ctx, RateSet* rates,
                                            int32_t* count) = 0;
    virtual int32_t QueryWL_QXAdhocMode(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_QXWirelessMode(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_OperationMode_STA_AP(AdapterContext* ctx) = 0;
    virtual int32_t QueryWL_QXUseQXXOidState(AdapterContext* ctx) = 0;

    // Settings.
    virtual int32_t SetWL_SSID(AdapterContext* ctx, std::span<const uint8_t> ssid) = 0;
    virtual int32_t SetWL_BSSID(AdapterContext* ctx, const MacAddress& bssid) = 0;
    virtual int32_t SetWL_Channel(AdapterContext* ctx, int32_t channel) = 0;
    virtual int32_t SetWL_NetworkType(AdapterContext* ctx, int32_t type) = 0;
    virtual int32_t SetWL_802_11_NetworkTypeInUse(AdapterContext* ctx, int32_t type) = 0;
    virtual int32_t SetWL_AuthenticationMode(AdapterContext* ctx, int32_t mode) = 0;
    virtual int32_t SetWL_WEPStatus(AdapterContext* ctx, int32_t status) = 0;
    // Length index 0: 5 bytes, 1: 13, 2: 29, any other 5; key holds at least that many.
    virtual int32_t SetWL_WriteKey(AdapterContext* ctx, int32_t key_index, int32_t length_index,
                                   int32_t is_default, std::span<const uint8_t> key) = 0;
    virtual int32_t SetWL_DesiredRate(AdapterContext* ctx, const RateSet& rates) = 0;
    virtual int32_t SetWL_BasicRate(AdapterContext* ctx, const RateSet& rates) = 0;
    virtual int32_t SetWL_PSMode(AdapterContext* ctx, int32_t mode) = 0;
    virtual int32_t SetWL_FragmentationThreshold(AdapterContext* ctx, int32_t threshold) = 0;
    virtual int32_t SetWL_RTS_CTS_Threshold(AdapterContext* ctx, int32_t threshold) = 0;
    virtual int32_t SetWL_PreambleMode(AdapterContext* ctx, int32_t mode) = 0;
    virtual int32_t SetWL_MultiDomainCapability(AdapterContext* ctx, int32_t enabled) = 0;
    virtual int32_t SetWL_OperationRegionCode(AdapterContext* ctx, int32_t region) = 0;
    // An empty list lifts any restriction (all channels of the hardware).
    virtual int32_t SetWL_SupportChannel(AdapterContext* ctx,
                                         std::span<const uint8_t> channels) = 0;
    virtual int32_t SetWL_RegionAndSupportChannel(AdapterContext* ctx, int32_t region) = 0;
    virtual int32_t SetWL_QXWirelessMode(AdapterContext* ctx, int32_t band_capability) = 0;
    virtual int32_t SetWL_QXPSPXLinkMode(AdapterContext* ctx, int32_t enabled) = 0;
    virtual int32_t SetWL_QXWMMQosMode(AdapterContext* ctx, int32_t enabled) = 0;
    virtual int32_t SetWL_QXUseQXXOidState(AdapterContext* ctx, int32_t state) = 0;
    virtual int32_t SetWL_OperationMode_STA_AP(AdapterContext* ctx, int32_t mode) = 0;

    // Access point.
    virtual int32_t SetWL_ApWirelessMode(AdapterContext* ctx, int32_t mode) = 0;
    virtual int32_t SetWL_ApProtectionMode(AdapterContext* ctx, int32_t mode) = 0;
    virtual int32_t SetWLAP_HideSSIDState(AdapterContext* ctx, int32_t hidden) = 0;
    virtual int32_t SetWLAP_TxPowerLevel(AdapterContext* ctx, int32_t level) = 0;
    virtual int32_t SetWLAP_FilterMode(AdapterContext* ctx, int32_t mode) = 0;
    // The 112-byte MAC filter list (adapter/layouts.h).
    virtual int32_t SetWLAP_FilterList(AdapterContext* ctx, std::span<const uint8_t> list) = 0;

    // Scans.
    virtual int32_t WL_SiteSurveyStart(AdapterContext* ctx) = 0;
    // The survey buffer (adapter/layouts.h); -1 when it does not fit.
    virtual int32_t WL_RetrieveSiteSurveyData(AdapterContext* ctx, std::span<uint8_t> buffer) = 0;
    // The 112-byte station list.
    virtual int32_t WL_RetrieveStationList(AdapterContext* ctx, std::span<uint8_t> buffer) = 0;

    // Raw OIDs; 0 on success.
    virtual int32_t ReadOid(AdapterContext* ctx, uint32_t oid, std::span<uint8_t> buffer) = 0;
    virtual int32_t WriteOid(AdapterContext* ctx, uint32_t oid,
                             std::span<const uint8_t> record) = 0;
};

// The process-wide record naming the installed library (the simulator, or a hardware
// backend). Nothing is installed at start; the record never owns the library.
AdapterLibrary* InstalledAdapterLibrary();
void InstallAdapterLibrary(AdapterLibrary* library);
void ResetAdapterLibrary();

}  // namespace airvane
