// The access point setting dialog (resource 190).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {1542, K::kGroupBox, "General Connection Setting", 7, 7, 229, 83, kStyleNone, 0},
    {1544, K::kLabel, "Wireless Mode", 10, 20, 47, 12, kStyleNone, 0},
    {1498, K::kDropDownList, "", 61, 20, 132, 73, kStyleNone, 0},
    {1543, K::kLabel, "Channel", 13, 39, 44, 12, kStyleNone, 0},
    {1447, K::kDropDownList, "", 61, 39, 34, 151, kStyleNone, 0},
    {1541, K::kLabel, "Tx Rate", 104, 39, 29, 12, kStyleHidden, 0},
    {1499, K::kDropDownList, "", 139, 39, 54, 98, kStyleHidden, 0},
    {1545, K::kLabel, "SSID", 13, 56, 44, 12, kStyleNone, 0},
    {1448, K::kEdit, "", 61, 56, 168, 12, kStyleAutoHScroll, 0},
    {1449, K::kCheckBox, "Hide SSID", 61, 74, 96, 10, kStyleNone, 0},
    {1450, K::kPushButton, "Change", 191, 73, 38, 14, kStyleNone, 0},
    {kStaticId, K::kIcon, "", 211, 14, 20, 20, kStyleNone, kIconProgram},
    {1491, K::kLabel, "Authentication", 13, 101, 47, 8, kStyleNone, 0},
    {1492, K::kDropDownList, "", 61, 99, 93, 92, kStyleNone, 0},
    {1547, K::kLabel, "WEP", 13, 123, 43, 12, kStyleNone, 0},
    {1292, K::kDropDownList, "", 61, 123, 62, 76, kStyleNone, 0},
    {1295, K::kPushButton, "Setting", 125, 123, 50, 12, kStyleNone, 0},
    {1548, K::kLabel, "Fragment", 13, 144, 40, 8, kStyleNone, 0},
    {1445, K::kSlider, "", 55, 144, 158, 11, kStyleHorizontal | kStyleGroup, 0},
    {1451, K::kLabel, "", 213, 144, 24, 8, kStyleNone, 0},
    {1549, K::kLabel, "RTS/CTS", 13, 162, 40, 8, kStyleNone, 0},
    {1446, K::kSlider, "", 55, 162, 158, 11, kStyleHorizontal | kStyleGroup, 0},
    {1452, K::kLabel, "", 213, 161, 24, 8, kStyleNone, 0},
    {1550, K::kLabel, "Preamble", 13, 179, 40, 8, kStyleNone, 0},
    {1497, K::kDropDownList, "", 61, 178, 59, 64, kStyleNone, 0},
    {1551, K::kLabel, "MAC Address Filter:", 13, 195, 72, 14, kStyleNone, 0},
    {1308, K::kPushButton, "Setting", 89, 195, 60, 14, kStyleNone, 0},
    {1554, K::kLabel, "Bridge Adapter:", 13, 214, 136, 14, kStyleNone, 0},
    {1555, K::kDropDownList, "", 13, 228, 223, 83, kStyleNone, 0},
    {1546, K::kLabel, "Tx Power", 13, 241, 44, 12, kStyleHidden, 0},
    {1294, K::kDropDownList, "", 61, 241, 104, 94, kStyleHidden, 0},
};

}  // namespace

const DialogTemplate kApBasicSettingTemplate = {
    kIddApBasicSetting,
    243,
    258,
    "Verdana",
    8,
    "Access Point Setting",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
