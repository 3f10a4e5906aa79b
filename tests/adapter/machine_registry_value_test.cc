#include "adapter/machine_registry_value.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/adapter/store_fixture.h"

namespace airvane {
namespace {

using test::StoreTest;

constexpr const char* kDriver =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007";

TEST_F(StoreTest, MachineValuesIntoTheCallersBuffer) {
    machine_.SetString(kDriver, "MatchingDeviceId", "usb\\vid_0b05&pid_1706");
    machine_.SetString(kDriver, "Name", "caf\xC3\xA9");  // é is two bytes
    machine_.SetDword(kDriver, "Flags", 0x01020304);
    struct Row {
        const char* name;
        const char* value;
        size_t size;
        int rc;
        std::string bytes;  // the buffer's first bytes when rc is 0
    };
    const Row rows[] = {
        {"text with NUL", "MatchingDeviceId", 64, 0, std::string("usb\\vid_0b05&pid_1706\0", 22)},
        {"text cut to the buffer", "MatchingDeviceId", 4, 0, std::string("usb\0", 4)},
        {"cut keeps whole characters", "Name", 5, 0, std::string("caf\0", 4)},
        {"whole character fits", "Name", 6, 0, std::string("caf\xC3\xA9\0", 6)},
        {"no room for the NUL", "Name", 0, -1, ""},
        {"number little-endian", "Flags", 4, 0, std::string("\x04\x03\x02\x01", 4)},
        {"number in a short buffer", "Flags", 3, -1, ""},
        {"absent value", "Missing", 16, -1, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[65];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(ReadMachineRegistryValue(kDriver, row.value, buffer, row.size), row.rc);
        if (row.rc == 0) {
            EXPECT_EQ(std::string(buffer, row.bytes.size()), row.bytes);
        }
        EXPECT_EQ(buffer[row.size], 'x') << "wrote past the buffer";
    }
}

TEST_F(StoreTest, MachineKeyThatCannotBeOpened) {
    char buffer[16];
    EXPECT_EQ(ReadMachineRegistryValue("SYSTEM\\Nowhere", "Name", buffer, sizeof buffer), -1);
    ResetServices();
    EXPECT_EQ(ReadMachineRegistryValue(kDriver, "Name", buffer, sizeof buffer), -1);
}

}  // namespace
}  // namespace airvane
