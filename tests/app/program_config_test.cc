#include "app/program_config.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/app/installed_ini_file.h"

namespace airvane {
namespace {

class ProgramConfigTest : public test::InstalledIniFile {
protected:
    void TearDown() override {
        ResetProgramConfig();
        InstalledIniFile::TearDown();
    }
    // Writes the configuration file of the module stem dir_/airvane. and reads it.
    void ReadFile(const std::string& contents) {
        Write("airvane.INI", contents);
        ASSERT_EQ(ReadProgramConfig(dir_ + "/airvane."), 0);
    }
};

TEST_F(ProgramConfigTest, DefaultsWithoutAFile) {
    ASSERT_EQ(ReadProgramConfig(dir_ + "/absent."), 0);
    const ProgramConfig& c = Config();
    EXPECT_EQ(c.Program_Main_Page_Title, "Airvane Plus");
    EXPECT_EQ(c.Company_Abbrev, "Varnex");
    EXPECT_EQ(c.Main_Page_Update_Time_ms, 1000);
    EXPECT_EQ(c.PERStopSilenceTime, 5);
    EXPECT_EQ(c.PseudoIBSSSupport, 1);
    EXPECT_EQ(c.Enable_802_11d, 1);
    EXPECT_EQ(c.TrayIconAnimation, 1);
    EXPECT_EQ(c.EnableAccessPoint, 0);
    EXPECT_EQ(c.ML_SBCS_File, "QXMLa.INI");
    EXPECT_EQ(c.ML_Unicode_File, "QXMLu.INI");
    EXPECT_EQ(c.Bridge_Program, "QXBrgApp.EXE");
    EXPECT_EQ(c.QXStrengthMin_dB, -105);
    EXPECT_EQ(c.QXStrengthMax_dB, -40);
    EXPECT_EQ(c.QXQualityMin, 0);
    EXPECT_EQ(c.QXQualityMax, 100);
    EXPECT_EQ(c.ReleaseChipMode, "GENERAL");
    for (const std::string& id : c.MatchingDeviceId)
        EXPECT_EQ(id, "");
}

TEST_F(ProgramConfigTest, ReadsKeysAndOrdersTheBounds) {
    ReadFile(
        "[MAIN_INFO]\n"
        "Company_Abbrev=Acme\n"
        "Enable_802.11d=0\n"
        "Main_Page_Update_Time_ms=250\n"
        "ML_Unicode_File=Lang.INI\n"
        "QXStrengthMin_dB=-30\n"
        "QXStrengthMax_dB=-90\n"
        "QXQualityMin=80\n"
        "QXQualityMax=80\n"
        "Bridge_Program=" +
        std::string(300, 'b') +
        "\n"
        "[ADAPTER_INFORMATION]\n"
        "ReleaseChipMode=general\n");
    const ProgramConfig& c = Config();
    EXPECT_EQ(c.Company_Abbrev, "Acme");
    EXPECT_EQ(c.Enable_802_11d, 0);
    EXPECT_EQ(c.Main_Page_Update_Time_ms, 250);
    EXPECT_EQ(c.ML_Unicode_File, "Lang.INI");
    EXPECT_EQ(c.ML_SBCS_File, "QXMLa.INI");
    EXPECT_EQ(c.QXStrengthMin_dB, -90);
    EXPECT_EQ(c.QXStrengthMax_dB, -30);
    EXPECT_EQ(c.QXQualityMin, 80);
    EXPECT_EQ(c.QXQualityMax, 80);
    EXPECT_EQ(c.Bridge_Program, std::string(255, 'b'));
    EXPECT_EQ(c.ReleaseChipMode, "general");
}

TEST_F(ProgramConfigTest, SwapsTheQualityBounds) {
    ReadFile("[MAIN_INFO]\nQXQualityMin=90\nQXQualityMax=10\n");
    EXPECT_EQ(Config().QXQualityMin, 10);
    EXPECT_EQ(Config().QXQualityMax, 90);
}

TEST_F(ProgramConfigTest, EmptyChipModeStaysEmpty) {
    ReadFile("[ADAPTER_INFORMATION]\nReleaseChipMode=\n");
    EXPECT_EQ(Config().ReleaseChipMode, "");
}

TEST_F(ProgramConfigTest, DeviceIdListEndsAtTheFirstEmptySlot) {
    ReadFile(
        "[ADAPTER_INFORMATION]\n"
        "MatchingDeviceId0=USB\\VID_1234&PID_0001\n"
        "MatchingDeviceId1=PCI\\VEN_1234&DEV_0002\n"
        "MatchingDeviceId3=USB\\VID_1234&PID_0003\n");
    const ProgramConfig& c = Config();
    EXPECT_EQ(c.MatchingDeviceId[0], "USB\\VID_1234&PID_0001");
    EXPECT_EQ(c.MatchingDeviceId[1], "PCI\\VEN_1234&DEV_0002");
    for (int i = 2; i < ProgramConfig::kDeviceIdSlots; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(c.MatchingDeviceId[i], "");
    }
}

TEST_F(ProgramConfigTest, HoldsTwentyIdsAndNeverReadsSlotTwenty) {
    std::string file = "[ADAPTER_INFORMATION]\n";
    for (int i = 0; i <= 20; ++i)
        file += "MatchingDeviceId" + std::to_string(i) + "=ID" + std::to_string(i) + "\n";
    ReadFile(file);
    const ProgramConfig& c = Config();
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(c.MatchingDeviceId[i], "ID" + std::to_string(i));
    }
    EXPECT_EQ(c.MatchingDeviceId[20], "");
}

TEST_F(ProgramConfigTest, RereadStartsFromTheDefaults) {
    ReadFile("[ADAPTER_INFORMATION]\nMatchingDeviceId0=A\nMatchingDeviceId1=B\n");
    ReadFile("[ADAPTER_INFORMATION]\nMatchingDeviceId0=C\n");
    EXPECT_EQ(Config().MatchingDeviceId[0], "C");
    EXPECT_EQ(Config().MatchingDeviceId[1], "");
}

}  // namespace
}  // namespace airvane
