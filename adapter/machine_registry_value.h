#pragma once
#include <cstddef>
#include <string>

namespace airvane {

// Reads a value of a machine key (below HKEY_LOCAL_MACHINE) into buffer. A text value
// becomes its UTF-8 bytes and a terminating NUL, cut to the buffer without splitting a
// character; a number value becomes 4 little-endian bytes. 0 when read; -1 when the
// key cannot be opened, the value is absent, or the buffer cannot hold it at all (no
// room for the NUL, less than 4 bytes for a number).
int ReadMachineRegistryValue(const std::string& key_path, const std::string& value_name,
                             void* buffer, size_t buffer_size_bytes);

}  // namespace airvane
