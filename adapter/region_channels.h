#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "adapter/adapter_context.h"

namespace airvane {

// RegionChannelTable: the 16-bit mask of permitted 2.4 GHz channels of a region code
// (bit i set: channel i + 1 permitted); nothing for a code not in the table.
std::optional<uint16_t> RegionChannelMask(int32_t region);

// The channels of a mask in ascending order, bit 0 to bit 15.
std::vector<uint8_t> ChannelsOfMask(uint16_t mask);

// Opens the context (QxOpenAdapter; normally open already), looks the region up, then
// ApplyOperationRegion and, only when DeviceKind is 1, ApplySupportChannel with the
// region's channel list (which may be empty). -1 without changing anything when the
// context cannot be opened or the region is not in the table; otherwise 0, whatever
// the two appliers answer.
int32_t ApplyRegionChannels(AdapterContext* ctx, int32_t region);

}  // namespace airvane
