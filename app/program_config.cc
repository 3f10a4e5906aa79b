#include "app/program_config.h"

#include <utility>

#include "platform/format.h"
#include "platform/services.h"

namespace airvane {

namespace {

// Text values are read into a buffer of 256 characters: at most 255 are kept.
constexpr size_t kTextBufferChars = 256;
constexpr int kConfiguredIdSlots = ProgramConfig::kDeviceIdSlots - 1;

ProgramConfig& ConfigRecord() {
    static ProgramConfig config;
    return config;
}

// Reads the keys of one section of one file, each with the default held in the field.
class SectionReader {
public:
    SectionReader(IniFile* ini, std::string path, std::string section)
        : ini_(ini), path_(std::move(path)), section_(std::move(section)) {}

    void Read(const char* key, std::string& field) {
        field = ini_ ? ini_->GetString(path_, section_, key, field, kTextBufferChars) : field;
    }
    void Read(const char* key, int32_t& field) {
        field = ini_ ? ini_->GetInt(path_, section_, key, field) : field;
    }

private:
    IniFile* ini_;
    std::string path_;
    std::string section_;
};

void OrderBounds(int32_t& min, int32_t& max) {
    if (min > max)
        std::swap(min, max);
}

}  // namespace

ProgramConfig& Config() {
    return ConfigRecord();
}

void ResetProgramConfig() {
    ConfigRecord() = ProgramConfig();
}

int ReadProgramConfig(const std::string& module_stem) {
    ProgramConfig& c = ConfigRecord();
    c = ProgramConfig();
    IniFile* ini = Services().ini_file;
    const std::string path = module_stem + "INI";

    SectionReader main(ini, path, "MAIN_INFO");
    main.Read("Program_Main_Page_Title", c.Program_Main_Page_Title);
    main.Read("Company_Abbrev", c.Company_Abbrev);
    main.Read("Release_Mode", c.Release_Mode);
    main.Read("Show_BSSID", c.Show_BSSID);
    main.Read("Show_dBm", c.Show_dBm);
    main.Read("Show_Current_Tx_Data_Rate", c.Show_Current_Tx_Data_Rate);
    main.Read("Main_Page_Update_Time_ms", c.Main_Page_Update_Time_ms);
    main.Read("NoStartSiteSurvey", c.NoStartSiteSurvey);
    main.Read("ProfessionalModeOnly", c.ProfessionalModeOnly);
    main.Read("PERStopSilenceTime", c.PERStopSilenceTime);
    main.Read("PseudoIBSSSupport", c.PseudoIBSSSupport);
    main.Read("EnableAccessPoint", c.EnableAccessPoint);
    main.Read("Enable_802.11d", c.Enable_802_11d);
    main.Read("Enable_WEP256", c.Enable_WEP256);
    main.Read("ML_SBCS_File", c.ML_SBCS_File);
    main.Read("ML_Unicode_File", c.ML_Unicode_File);
    main.Read("TrayIconAnimation", c.TrayIconAnimation);
    main.Read("WirelessMode", c.WirelessMode);
    main.Read("QXXOidMode", c.QXXOidMode);
    main.Read("DebugMode", c.DebugMode);
    main.Read("WPAMode", c.WPAMode);
    main.Read("WPA2Mode", c.WPA2Mode);
    main.Read("RC4WEPSupport", c.RC4WEPSupport);
    main.Read("TxRateAutoShowMax", c.TxRateAutoShowMax);
    main.Read("TxRateShowMaxLimit", c.TxRateShowMaxLimit);
    main.Read("Bridge_Program", c.Bridge_Program);
    main.Read("QXStrengthMin_dB", c.QXStrengthMin_dB);
    main.Read("QXStrengthMax_dB", c.QXStrengthMax_dB);
    OrderBounds(c.QXStrengthMin_dB, c.QXStrengthMax_dB);
    main.Read("QXQualityMin", c.QXQualityMin);
    main.Read("QXQualityMax", c.QXQualityMax);
    OrderBounds(c.QXQualityMin, c.QXQualityMax);
    main.Read("IVTBlueToothSupport", c.IVTBlueToothSupport);

    SectionReader adapter(ini, path, "ADAPTER_INFORMATION");
    adapter.Read("ReleaseChipMode", c.ReleaseChipMode);
    // Slots 0..19 are read in order up to and including the first empty one; the last
    // slot is never read, so the list always ends with an empty slot.
    for (int i = 0; i < kConfiguredIdSlots; ++i) {
        std::string& slot = c.MatchingDeviceId[i];
        adapter.Read(Format("%s%d", "MatchingDeviceId", i).c_str(), slot);
        if (slot.empty())
            break;
    }
    return 0;
}

}  // namespace airvane
