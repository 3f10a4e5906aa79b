#pragma once
#include <cstdint>
#include <string>

namespace airvane {

using AdapterHandle = int32_t;
inline constexpr AdapterHandle kNoAdapterHandle = -1;

// The record handed by address to every per-adapter call of the adapter library. The
// names come from the 525-byte adapter-list entry; AdapterKey is the adapter's
// four-character instance key name, which also names its branch in the settings store.
struct AdapterContext {
    AdapterHandle handle = kNoAdapterHandle;
    std::string device_name;  // at most 259 bytes
    std::string description;  // at most 259 bytes
    std::string adapter_key;  // at most 4 bytes, e.g. "0007"
    // Words the library keeps for itself; zero at start.
    uint32_t library_words[8] = {};
};

}  // namespace airvane
