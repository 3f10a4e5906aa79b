#include "adapter/region_channels.h"

#include <initializer_list>

#include "adapter/adapter_library.h"
#include "adapter/appliers.h"
#include "adapter/process_state.h"

namespace airvane {
namespace {

struct RegionRange {
    int32_t first;
    int32_t last;
};

struct RegionRow {
    uint16_t mask;
    std::initializer_list<RegionRange> codes;
};

// Grouped by mask; a range stands for every code from first to last.
const RegionRow kRegionChannelTable[] = {
    {0x0000, {{0, 0}}},
    {0x07FF,
     {{16, 16}, {32, 34}, {51, 51}, {66, 70}, {105, 105}, {111, 112}, {121, 121}, {125, 130}}},
    {0x1FFF,
     {{48, 49}, {52, 54}, {72, 72}, {82, 104}, {106, 110}, {113, 120}, {122, 123}, {131, 133}}},
    {0x1E00, {{50, 50}, {71, 71}}},
    {0x3FFF, {{64, 65}}},
    {0x01FC, {{80, 80}}},
    {0x0200, {{81, 81}}},
};

// The adapter whose channel list the support-channel call restricts.
constexpr int kRestrictedDeviceKind = 1;

}  // namespace

std::optional<uint16_t> RegionChannelMask(int32_t region) {
    for (const RegionRow& row : kRegionChannelTable) {
        for (const RegionRange& range : row.codes) {
            if (region >= range.first && region <= range.last) {
                return row.mask;
            }
        }
    }
    return std::nullopt;
}

std::vector<uint8_t> ChannelsOfMask(uint16_t mask) {
    std::vector<uint8_t> channels;
    for (int bit = 0; bit < 16; ++bit) {
        if ((mask & (1u << bit)) != 0) {
            channels.push_back(static_cast<uint8_t>(bit + 1));
        }
    }
    return channels;
}

int32_t ApplyRegionChannels(AdapterContext* ctx, int32_t region) {
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library == nullptr || library->QxOpenAdapter(ctx) == 0) {
        return -1;
    }
    const std::optional<uint16_t> mask = RegionChannelMask(region);
    if (!mask) {
        return -1;
    }
    const std::vector<uint8_t> channels = ChannelsOfMask(*mask);
    ApplyOperationRegion(ctx, region);
    if (AdapterState().device_kind == kRestrictedDeviceKind) {
        ApplySupportChannel(ctx, channels);
    }
    return 0;
}

}  // namespace airvane
