// The advanced setting dialog (resource 159).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {1501, K::kGroupBox, "User Interface", 6, 7, 133, 32, kStyleNone, 0},
    {1502, K::kLabel, "Language:", 13, 21, 41, 8, kStyleNone, 0},
    {1503, K::kDropDownList, "", 61, 19, 71, 86, kStyleNone, 0},
    {1566, K::kGroupBox, "", 7, 39, 133, 41, kStyleNone, 0},
    {1558, K::kCheckBox, "PSP XLink Mode", 14, 49, 67, 11, kStyleNone, 0},
    {1559, K::kCheckBox, "WMM QoS Mode", 14, 65, 68, 9, kStyleNone, 0},
    {1477, K::kGroupBox, "Power Consumption Setting", 149, 7, 147, 73, kStyleNone, 0},
    {1094, K::kRadioButton, "Continuous Access Mode (CAM).", 155, 27, 130, 10, kStyleGroup, 0},
    {1097, K::kRadioButton, "Maximum Power-Saving Mode.", 155, 41, 130, 10, kStyleNone, 0},
    {1095, K::kRadioButton, "Fast Power-Saving Mode.", 155, 55, 130, 10, kStyleNone, 0},
    {1478, K::kGroupBox, "Fragmentation Threshold", 7, 85, 290, 41, kStyleNone, 0},
    {1224, K::kSlider, "", 10, 97, 280, 10, kStyleHorizontal | kStyleGroup, 0},
    {1493, K::kLabel, "256", 13, 111, 20, 8, kStyleNone, 0},
    {1494, K::kLabel, "2346", 272, 111, 20, 8, kStyleNone, 0},
    {1226, K::kLabel, "", 113, 111, 78, 8, kStyleCenter, 0},
    {1479, K::kGroupBox, "RTS / CTS Threshold", 7, 135, 290, 41, kStyleNone, 0},
    {1225, K::kSlider, "", 11, 148, 280, 10, kStyleHorizontal | kStyleGroup, 0},
    {1495, K::kLabel, "0", 13, 161, 20, 8, kStyleNone, 0},
    {1496, K::kLabel, "2347", 272, 161, 20, 8, kStyleNone, 0},
    {1227, K::kLabel, "", 113, 161, 78, 8, kStyleCenter, 0},
    {1480, K::kGroupBox, "Country Roaming", 71, 186, 203, 10, kStyleHidden, 0},
    {1093, K::kRadioButton, "User Select", 19, 186, 60, 10, kStyleGroup | kStyleHidden, 0},
    {1092, K::kRadioButton, "World Mode", 132, 186, 84, 10, kStyleHidden, 0},
    {1292, K::kDropDownList, "", 197, 184, 106, 80, kStyleHidden | kStyleGroup, 0},
};

}  // namespace

const DialogTemplate kAdvancedSettingTemplate = {
    kIddAdvancedSetting,
    303,
    201,
    "Verdana",
    8,
    "Advanced Setting...",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
