#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "adapter/adapter_context.h"
#include "adapter/adapter_library.h"

namespace airvane {

// The setting appliers. Each pushes one setting to the open adapter through the
// installed adapter library and, when the adapter accepts it, records it in the
// settings store under the branch of the current OperatingMode, so that the store
// always holds what the adapter last accepted. Every applier returns 0 when the library
// accepted the setting and -1 when it refused (or no library is installed); a refused
// setting is not stored unless stated below. The store write's own result is ignored.
// The appliers keep no state; they are called from the main thread and, for ApplySSID,
// ApplyAuthenticationMode and ApplyWEPStatus, from the authentication session thread.

inline constexpr size_t kMaxSsidBytes = 32;

// Clears WasDisconnected first, whatever the outcome. At most 32 bytes are pushed
// (longer input is cut to 32). Stored as "SSID": the bytes up to the first zero byte,
// widened with the system code page.
int32_t ApplySSID(AdapterContext* ctx, std::span<const uint8_t> ssid);
int32_t ApplyHideSSID(AdapterContext* ctx, int32_t hidden);
int32_t ApplyWirelessMode(AdapterContext* ctx, int32_t type_in_use);
int32_t ApplyChannel(AdapterContext* ctx, int32_t channel);
int32_t ApplyApWirelessMode(AdapterContext* ctx, int32_t mode);
int32_t ApplyApProtectionMode(AdapterContext* ctx, int32_t mode);
// Also records the type as CurrentNetworkType on acceptance.
int32_t ApplyNetworkType(AdapterContext* ctx, int32_t type);
// "DesiredRate": the 16 bytes as blank-separated hex text.
int32_t ApplyDesiredRate(AdapterContext* ctx, const RateSet& rates);
int32_t ApplyWEPStatus(AdapterContext* ctx, int32_t status);
int32_t ApplyAuthenticationMode(AdapterContext* ctx, int32_t mode);

// Key size of a WEP length index: 0 gives 5 bytes, 1 gives 13, 2 gives 29, any other 5.
size_t WepKeySize(int32_t length_index);
// On acceptance stores the key under WEPKey<bits>_<index> (bits = size * 8 + 24),
// "WEPKeyLength" as the bits and, when is_default is set, "WEPDefaultKeyId" as the
// index. A key shorter than its size, or an index outside 0 to 3, is refused (-1)
// without reaching the library.
int32_t ApplyWEPKey(AdapterContext* ctx, int32_t key_index, int32_t length_index,
                    int32_t is_default, std::span<const uint8_t> key);
int32_t ApplyPowerSaveMode(AdapterContext* ctx, int32_t mode);
int32_t ApplyFragmentationThreshold(AdapterContext* ctx, int32_t threshold);
int32_t ApplyRTSThreshold(AdapterContext* ctx, int32_t threshold);
int32_t ApplyPreambleMode(AdapterContext* ctx, int32_t mode);
// Stores "TxPowerLevel" whether or not the library accepts it; -1 when refused.
int32_t ApplyTxPowerLevel(AdapterContext* ctx, int32_t level);
int32_t ApplyMACFilterMode(AdapterContext* ctx, int32_t mode);
// list: the 112-byte MAC filter list (16 entries of 7 bytes; adapter/layouts.h). On
// acceptance stores MACFilterAddr0 to MACFilterAddr15, the six address bytes of every
// entry, marked or not. A list shorter than 112 bytes is refused without reaching the
// library.
int32_t ApplyMACFilterList(AdapterContext* ctx, std::span<const uint8_t> list);
int32_t ApplyMultiDomainCapability(AdapterContext* ctx, int32_t enabled);
// Stores "OperationRegion" in the station and the access-point branch, whatever the
// current mode.
int32_t ApplyOperationRegion(AdapterContext* ctx, int32_t region);
// Pushes the permitted channel list; stores nothing.
int32_t ApplySupportChannel(AdapterContext* ctx, std::span<const uint8_t> channels);
int32_t ApplyPSPXLinkMode(AdapterContext* ctx, int32_t enabled);
int32_t ApplyWMMQosMode(AdapterContext* ctx, int32_t enabled);

}  // namespace airvane
