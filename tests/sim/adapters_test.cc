// Adapters in the machine: the lists, open and close, plug and unplug, the driver
// registry, the driver information, settings remembered and refused.
#include <gtest/gtest.h>

#include "adapter/layouts.h"
#include "tests/sim/sim_fixture.h"

namespace airvane::sim::test {
namespace {

const char* kTwoAdapters = R"({
  "adapters": [
    {"device_name": "\\DEVICE\\{A}", "description": "First", "driver_key": "0007",
     "hardware_id": "USB\\VID_F1A0&PID_7A21", "mac": "02:00:00:00:AA:01",
     "driver_version": "1.2.163.5", "chip_kind": 4, "chip_sub_kind": 3, "dual_band": true},
    {"device_name": "\\DEVICE\\{B}", "description": "Second", "driver_key": "0011",
     "hardware_id": "PCI\\VEN_F1A0&DEV_7B02", "mac": "02:00:00:00:AA:02",
     "channels_24": [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11], "refuse": ["SetWL_Channel"]},
    {"device_name": "\\DEVICE\\{C}", "description": "Later", "driver_key": "0012",
     "hardware_id": "USB\\VID_F1A0&PID_7A01", "mac": "02:00:00:00:AA:03", "plugged": false}
  ],
  "other_adapters": [
    {"device_name": "\\DEVICE\\{E}", "description": "Wired", "driver_key": "0001",
     "hardware_id": "PCI\\VEN_F1A0&DEV_E100"}
  ],
  "networks": [{"ssid": "Net", "bssid": "02:00:00:00:00:01", "channel": 1}],
  "events": [{"at_ms": 60000, "action": "replug", "adapter": "0012"},
             {"at_ms": 90000, "action": "unplug", "adapter": "0007"}]
})";

class AdaptersTest : public SimFixture {
protected:
    std::vector<AdapterListEntry> List() {
        std::vector<AdapterListRecord> records(kMaxAdapterListEntries);
        int32_t n = lib_->CreateAllNICAdapterList(records);
        std::vector<AdapterListEntry> out;
        for (int32_t i = 0; i < n; ++i) {
            out.push_back(ReadAdapterListEntry(records[i]));
        }
        return out;
    }

    AdapterContext OpenNamed(const std::string& name) {
        AdapterContext ctx;
        ctx.device_name = name;
        EXPECT_NE(lib_->QxOpenAdapter(&ctx), 0);
        return ctx;
    }
};

TEST_F(AdaptersTest, ListsThePluggedAdaptersAndTheOtherNetworkAdapters) {
    Load(kTwoAdapters);
    std::vector<AdapterListEntry> list = List();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].device_name, "\\DEVICE\\{A}");
    EXPECT_EQ(list[0].description, "First");
    EXPECT_EQ(list[0].driver_key, "0007");
    EXPECT_EQ(list[1].driver_key, "0011");
    EXPECT_EQ(list[2].description, "Wired");
    std::vector<AdapterListRecord> two(2);
    EXPECT_EQ(lib_->CreateNICAdapterList(two), 2) << "no more than the room given";

    AdapterContext wired;
    wired.device_name = "\\DEVICE\\{E}";
    EXPECT_EQ(lib_->QxOpenAdapter(&wired), 0) << "the library drives only wireless adapters";
}

TEST_F(AdaptersTest, UnplugEndsEveryCallAndReplugStartsAfresh) {
    Load(kTwoAdapters);
    AdapterContext ctx = OpenNamed("\\DEVICE\\{A}");
    ASSERT_EQ(lib_->SetWL_PSMode(&ctx, 2), 0);
    ASSERT_EQ(lib_->QueryWL_DriverVersion(&ctx), 0x0102A305);

    clock_.Advance(89999);
    EXPECT_EQ(List().size(), 4u) << "the third adapter was plugged in at 60 s";
    clock_.Advance(1);
    EXPECT_EQ(lib_->QueryWL_DriverVersion(&ctx), -1);
    EXPECT_EQ(lib_->QueryWL_PSMode(&ctx), -1);
    EXPECT_EQ(lib_->SetWL_PSMode(&ctx, 1), -1);
    MacAddress mac{};
    EXPECT_EQ(lib_->GetNICAdapterMAC(&ctx, &mac), -1);
    for (const AdapterListEntry& e : List()) {
        EXPECT_NE(e.driver_key, "0007");
    }
    AdapterContext again;
    again.device_name = "\\DEVICE\\{A}";
    EXPECT_EQ(lib_->QxOpenAdapter(&again), 0);

    ASSERT_EQ(lib_->Replug("0007"), 0);
    EXPECT_EQ(lib_->QueryWL_DriverVersion(&ctx), -1)
        << "a handle from before the unplug stays dead";
    again = OpenNamed("\\DEVICE\\{A}");
    EXPECT_EQ(lib_->QueryWL_PSMode(&again), 0) << "the driver starts with its defaults";
    EXPECT_EQ(lib_->QxCloseAdapter(&again), 0);
    EXPECT_EQ(again.handle, kNoAdapterHandle);
    EXPECT_EQ(lib_->QueryWL_PSMode(&again), -1);
}

TEST_F(AdaptersTest, DriverKeysAnswerTheHardwareIdInEitherFamilysPath) {
    Load(kTwoAdapters);
    MachineRegistry* reg = lib_->machine_registry();
    RegistryValue v;
    ASSERT_EQ(reg->GetValue("SYSTEM\\CurrentControlSet\\Control\\Class\\"
                            "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007",
                            "MatchingDeviceId", &v),
              0);
    EXPECT_EQ(v.text, "USB\\VID_F1A0&PID_7A21");
    ASSERT_EQ(reg->GetValue("system\\currentcontrolset\\services\\class\\net\\0001\\",
                            "matchingdeviceid", &v),
              0);
    EXPECT_EQ(v.text, "PCI\\VEN_F1A0&DEV_E100");
    EXPECT_EQ(reg->GetValue("System\\CurrentControlSet\\Services\\Class\\Net\\0099",
                            "MatchingDeviceId", &v),
              -1);
    EXPECT_EQ(reg->ListSubkeys("System\\CurrentControlSet\\Services\\Class\\Net"),
              std::vector<std::string>({"0001", "0007", "0011", "0012"}));
}

TEST_F(AdaptersTest, DriverInformationCarriesChipKindAndSubKind) {
    Load(kTwoAdapters);
    AdapterContext ctx = OpenNamed("\\DEVICE\\{A}");
    std::vector<uint8_t> record(kDriverInfoSize);
    EXPECT_EQ(lib_->Query_QXDriverInfo(&ctx, record), 4);
    EXPECT_EQ(record[12], 4) << "chip kind in the fourth 32-bit field";
    EXPECT_EQ(record[16], 3) << "sub-kind in the fifth";
    std::vector<uint8_t> small(12);
    EXPECT_EQ(lib_->Query_QXDriverInfo(&ctx, small), -1);
}

TEST_F(AdaptersTest, SettingsAreRememberedRefusedWhenOutOfRangeAndByTheScenario) {
    Load(kTwoAdapters);
    AdapterContext a = OpenNamed("\\DEVICE\\{A}");
    AdapterContext b = OpenNamed("\\DEVICE\\{B}");
    using Setter = int32_t (SimulatedAdapterLibrary::*)(AdapterContext*, int32_t);
    using Getter = int32_t (SimulatedAdapterLibrary::*)(AdapterContext*);
    struct Row {
        const char* name;
        Setter set;
        Getter get;
        int32_t good, bad;
    };
    const Row rows[] = {
        {"power save", &SimulatedAdapterLibrary::SetWL_PSMode,
         &SimulatedAdapterLibrary::QueryWL_PSMode, 1, 3},
        {"fragmentation", &SimulatedAdapterLibrary::SetWL_FragmentationThreshold,
         &SimulatedAdapterLibrary::QueryWL_FragmentationThreshold, 1024, 100},
        {"RTS", &SimulatedAdapterLibrary::SetWL_RTS_CTS_Threshold,
         &SimulatedAdapterLibrary::QueryWL_RTS_CTS_Threshold, 500, 2348},
        {"802.11d", &SimulatedAdapterLibrary::SetWL_MultiDomainCapability,
         &SimulatedAdapterLibrary::QueryWL_MultiDomainCapability, 1, 2},
        {"region", &SimulatedAdapterLibrary::SetWL_OperationRegionCode,
         &SimulatedAdapterLibrary::QueryWL_OperationRegionCode, 80, 255},
        {"channel", &SimulatedAdapterLibrary::SetWL_Channel,
         &SimulatedAdapterLibrary::QueryWL_Channel, 40, 15},
        {"authentication", &SimulatedAdapterLibrary::SetWL_AuthenticationMode,
         &SimulatedAdapterLibrary::QueryWL_AuthenticationMode, 7, 8},
        {"band", &SimulatedAdapterLibrary::SetWL_QXWirelessMode,
         &SimulatedAdapterLibrary::QueryWL_QXWirelessMode, 2, 5},
        {"type in use", &SimulatedAdapterLibrary::SetWL_802_11_NetworkTypeInUse,
         &SimulatedAdapterLibrary::QueryWL_802_11_NetworkTypeInUse, 2, 6},
        {"extended OIDs", &SimulatedAdapterLibrary::SetWL_QXUseQXXOidState,
         &SimulatedAdapterLibrary::QueryWL_QXUseQXXOidState, 1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ((lib_.get()->*row.set)(&a, row.good), 0);
        EXPECT_EQ((lib_.get()->*row.get)(&a), row.good);
        EXPECT_EQ((lib_.get()->*row.set)(&a, row.bad), -1);
        EXPECT_EQ((lib_.get()->*row.get)(&a), row.good) << "a refused value changes nothing";
    }
    EXPECT_EQ(lib_->SetWL_QXWirelessMode(&b, 4), -1) << "single band";
    EXPECT_EQ(lib_->SetWL_QXWMMQosMode(&b, 1), -1) << "chip kind 1 has no QoS";
    EXPECT_EQ(lib_->SetWL_Channel(&b, 6), -1) << "refused by the scenario";
    ASSERT_EQ(lib_->SetRefused("0011", "SetWL_Channel", false), 0);
    EXPECT_EQ(lib_->SetWL_Channel(&b, 6), 0);
    ASSERT_EQ(lib_->SetRefused("0007", "QueryWL_RSSI", true), 0);
    EXPECT_EQ(lib_->QueryWL_RSSI(&a), -1);

    uint8_t channels[100];
    int32_t count = 100;
    ASSERT_EQ(lib_->QueryWL_SupportChannel(&b, channels, &count), 0);
    EXPECT_EQ(std::vector<uint8_t>(channels, channels + count),
              std::vector<uint8_t>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0xFF}));
    ASSERT_EQ(lib_->SetWL_SupportChannel(&b, std::vector<uint8_t>{3, 4, 5}), 0);
    count = 100;
    ASSERT_EQ(lib_->QueryWL_SupportChannel(&b, channels, &count), 0);
    EXPECT_EQ(count, 4);
    ASSERT_EQ(lib_->SetWL_SupportChannel(&b, {}), 0) << "an empty list lifts the limit";
    count = 5;
    EXPECT_EQ(lib_->QueryWL_SupportChannel(&b, channels, &count), -1) << "room for 5 bytes only";

    RateSet rates{};
    ASSERT_EQ(lib_->QueryWL_SupportedRate(&a, &rates), 0);
    EXPECT_EQ(rates[0], 0x82);
    EXPECT_EQ(rates[11], 108);
    EXPECT_EQ(rates[12], 0);
}

}  // namespace
}  // namespace airvane::sim::test
