#include "platform/fake/memory_machine_registry.h"

#include <gtest/gtest.h>

namespace airvane {
namespace {

const char kClass[] =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

TEST(MemoryMachineRegistry, NamesCompareWithoutCaseAndKeepTheirSpelling) {
    MemoryMachineRegistry reg;
    reg.SetString(std::string(kClass) + "\\0007", "MatchingDeviceId", "usb\\vid_148f&pid_2573");
    reg.SetDword(std::string(kClass) + "\\0003", "Characteristics", 0x84);
    reg.CreateKey(std::string(kClass) + "\\0012");

    RegistryValue value;
    ASSERT_EQ(reg.GetValue("\\system\\CURRENTCONTROLSET\\control\\class\\"
                           "{4d36e972-e325-11ce-bfc1-08002be10318}\\\\0007\\",
                           "matchingdeviceid", &value),
              0);
    EXPECT_EQ(value.name, "MatchingDeviceId");
    EXPECT_EQ(value.type, RegistryValue::Type::kString);
    EXPECT_EQ(value.text, "usb\\vid_148f&pid_2573");
    EXPECT_EQ(reg.ListSubkeys(kClass), (std::vector<std::string>{"0003", "0007", "0012"}));
    EXPECT_TRUE(reg.KeyExists("system\\currentcontrolset"));
    EXPECT_TRUE(reg.KeyExists(""));
    EXPECT_FALSE(reg.KeyExists(std::string(kClass) + "\\0008"));
    EXPECT_EQ(reg.GetValue(std::string(kClass) + "\\0012", "MatchingDeviceId", &value), -1);
    EXPECT_EQ(reg.GetValue(std::string(kClass) + "\\0008", "MatchingDeviceId", &value), -1);

    // Writing a name again in other case replaces the value, type included.
    reg.SetDword(std::string(kClass) + "\\0007", "MATCHINGDEVICEID", 5);
    std::vector<RegistryValue> values = reg.ListValues(std::string(kClass) + "\\0007");
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].type, RegistryValue::Type::kDword);
    EXPECT_EQ(values[0].number, 5u);
}

TEST(MemoryMachineRegistry, DeletesAndWriteSwitch) {
    MemoryMachineRegistry reg;
    reg.SetString("SYSTEM\\Services\\WZCSVC\\Parameters", "ServiceDll", "wzcsvc.dll");
    reg.SetString("SYSTEM\\Services\\WZCSVC", "Start", "2");

    EXPECT_FALSE(reg.CanOpenForWrite("SYSTEM\\Services\\WZCSVC"));
    reg.SetWritable(true);
    EXPECT_TRUE(reg.CanOpenForWrite("system\\services\\wzcsvc"));
    EXPECT_FALSE(reg.CanOpenForWrite("SYSTEM\\Services\\Missing"));

    EXPECT_EQ(reg.DeleteValue("SYSTEM\\Services\\WZCSVC", "start"), 0);
    EXPECT_EQ(reg.DeleteValue("SYSTEM\\Services\\WZCSVC", "start"), -1);
    EXPECT_EQ(reg.DeleteKeyTree("SYSTEM\\SERVICES\\wzcsvc"), 0);
    EXPECT_FALSE(reg.KeyExists("SYSTEM\\Services\\WZCSVC\\Parameters"));
    EXPECT_TRUE(reg.KeyExists("SYSTEM\\Services"));
    EXPECT_EQ(reg.DeleteKeyTree("SYSTEM\\Services\\WZCSVC"), -1);
    EXPECT_EQ(reg.DeleteKeyTree(""), -1);

    reg.Clear();
    EXPECT_TRUE(reg.ListSubkeys("").empty());
}

}  // namespace
}  // namespace airvane
