#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace airvane {

// The values of the program configuration file, read once at start-up and read-only
// afterwards. One field per key, named as the key ("Enable_802.11d" becomes
// Enable_802_11d). Switches hold 0 or 1.
struct ProgramConfig {
    static constexpr int kDeviceIdSlots = 21;

    // [MAIN_INFO]
    std::string Program_Main_Page_Title = "Airvane Plus";
    std::string Company_Abbrev = "Varnex";
    int32_t Release_Mode = 0;
    int32_t Show_BSSID = 0;
    int32_t Show_dBm = 0;
    int32_t Show_Current_Tx_Data_Rate = 0;
    int32_t Main_Page_Update_Time_ms = 1000;
    int32_t NoStartSiteSurvey = 0;
    int32_t ProfessionalModeOnly = 0;
    int32_t PERStopSilenceTime = 5;
    int32_t PseudoIBSSSupport = 1;
    int32_t EnableAccessPoint = 0;
    int32_t Enable_802_11d = 1;
    int32_t Enable_WEP256 = 0;
    std::string ML_SBCS_File = "QXMLa.INI";
    std::string ML_Unicode_File = "QXMLu.INI";
    int32_t TrayIconAnimation = 1;
    int32_t WirelessMode = 0;
    int32_t QXXOidMode = 0;
    int32_t DebugMode = 0;
    int32_t WPAMode = 0;
    int32_t WPA2Mode = 0;
    int32_t RC4WEPSupport = 0;
    int32_t TxRateAutoShowMax = 0;
    int32_t TxRateShowMaxLimit = 0;
    std::string Bridge_Program = "QXBrgApp.EXE";
    int32_t QXStrengthMin_dB = -105;
    int32_t QXStrengthMax_dB = -40;
    int32_t QXQualityMin = 0;
    int32_t QXQualityMax = 100;
    int32_t IVTBlueToothSupport = 0;

    // [ADAPTER_INFORMATION]
    std::string ReleaseChipMode = "GENERAL";
    // Hardware ids of the supported adapters; the list ends at the first empty slot.
    std::array<std::string, kDeviceIdSlots> MatchingDeviceId{};
};

// The process-wide configuration record.
ProgramConfig& Config();
void ResetProgramConfig();

// Fills Config() from the file module_stem + "INI" (missing file, section or key: the
// defaults). Always 0.
int ReadProgramConfig(const std::string& module_stem);

}  // namespace airvane
