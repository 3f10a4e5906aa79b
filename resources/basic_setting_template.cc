// The basic setting dialog with its profile panel (resource 130).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {1461, K::kGroupBox, "General Connection Setting", 5, 5, 229, 135, kStyleNone, 0},
    {1565, K::kLabel, "WirelessMode", 10, 23, 48, 12, kStyleNone, 0},
    {1021, K::kDropDownList, "", 61, 21, 120, 48, kStyleNone, 0},
    {1462, K::kLabel, "Channel", 10, 43, 48, 12, kStyleNone, 0},
    {1014, K::kDropDownList, "", 61, 43, 30, 151, kStyleNone, 0},
    {1465, K::kLabel, "Tx Rate", 92, 43, 33, 12, kStyleHidden, 0},
    {1015, K::kDropDownList, "", 127, 43, 54, 83, kStyleHidden, 0},
    {1463, K::kLabel, "SSID", 10, 63, 48, 12, kStyleNone, 0},
    {1016, K::kEdit, "", 61, 63, 120, 12, kStyleAutoHScroll, 0},
    {1235, K::kCheckBox, "any", 186, 65, 44, 10, kStyleNone, 0},
    {1464, K::kLabel, "Network Type", 10, 81, 48, 12, kStyleNone, 0},
    {1017, K::kDropDownList, "", 61, 81, 120, 48, kStyleNone, 0},
    {1505, K::kLabel, "Authentication", 10, 102, 48, 12, kStyleNone, 0},
    {1500, K::kDropDownList, "", 61, 102, 120, 79, kStyleNone, 0},
    {1504, K::kLabel, "Encryption", 10, 121, 48, 12, kStyleNone, 0},
    {1294, K::kDropDownList, "", 61, 121, 120, 64, kStyleNone, 0},
    {1020, K::kPushButton, "Change", 186, 119, 42, 14, kStyleNone, 0},
    {1459, K::kGroupBox, "WEP Encryption Setting", 5, 149, 229, 37, kStyleNone, 0},
    {1205, K::kPushButton, "WEP Encryption Key Setting", 14, 162, 103, 14, kStyleNone, 0},
    {1204, K::kPushButton, "WPA Encryption Setting", 122, 162, 103, 14, kStyleNone, 0},
    // The profile panel.
    {1458, K::kGroupBox, "Profile", 5, 192, 229, 48, kStyleNone, 0},
    {1466, K::kLabel, "Profile Name", 10, 201, 48, 13, kStyleNone, 0},
    {1213, K::kDropDownCombo, "", 61, 201, 120, 70, kStyleAutoHScroll, 0},
    {1308, K::kPushButton, "Load", 74, 219, 48, 14, kStyleNone, 0},
    {1506, K::kPushButton, "Save Current", 127, 219, 48, 14, kStyleNone, 0},
    {1295, K::kPushButton, "Delete", 181, 219, 48, 14, kStyleNone, 0},
    // Other.
    {1456, K::kGroupBox, "Other", 5, 246, 229, 48, kStyleNone, 0},
    {1457, K::kLabel, "For more advanced setting, information...", 13, 258, 216, 8, kStyleNone, 0},
    {1005, K::kPushButton, "Advanced Setting...", 86, 273, 70, 14, kStyleNone, 0},
    {1222, K::kPushButton, "Information", 161, 273, 70, 14, kStyleNone, 0},
};

}  // namespace

const DialogTemplate kBasicSettingTemplate = {
    kIddBasicSetting,
    243,
    298,
    "Verdana",
    8,
    "More Setting...  ",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
