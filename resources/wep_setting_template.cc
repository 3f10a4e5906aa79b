// The WEP key setting dialog (resource 157).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {1468, K::kGroupBox, "WEP Key Setting", 7, 6, 231, 153, kStyleNone, 0},
    {1469, K::kLabel, "Key Length:", 15, 21, 45, 10, kStyleNone, 0},
    {1207, K::kRadioButton, "64 bit", 72, 21, 41, 10, kStyleGroup, 0},
    {1208, K::kRadioButton, "128 bit", 114, 21, 41, 10, kStyleNone, 0},
    {1092, K::kRadioButton, "256 bit", 160, 21, 41, 10, kStyleNone, 0},
    {1470, K::kLabel, "Default Key ID:", 15, 37, 52, 12, kStyleNone, 0},
    {1202, K::kDropDownList, "", 73, 37, 41, 81, kStyleGroup, 0},
    {1508, K::kLabel, "Key Format:", 15, 54, 52, 12, kStyleNone, 0},
    {1093, K::kRadioButton, "Hexadecimal", 72, 54, 76, 12, kStyleGroup, 0},
    {1094, K::kRadioButton, "ASCII", 152, 54, 76, 12, kStyleNone, 0},
    {1471, K::kLabel, "Key Value:", 15, 71, 40, 12, kStyleNone, 0},
    {1472, K::kLabel, "#1:", 58, 71, 13, 12, kStyleNone, 0},
    {1473, K::kLabel, "#2:", 58, 88, 13, 12, kStyleNone, 0},
    {1474, K::kLabel, "#3:", 58, 105, 13, 12, kStyleNone, 0},
    {1475, K::kLabel, "#4:", 58, 122, 13, 12, kStyleNone, 0},
    {1044, K::kEdit, "", 73, 71, 157, 12, kStyleAutoHScroll | kStyleGroup, 0},
    {1046, K::kEdit, "", 73, 88, 157, 12, kStyleAutoHScroll, 0},
    {1048, K::kEdit, "", 73, 105, 157, 12, kStyleAutoHScroll, 0},
    {1050, K::kEdit, "", 73, 122, 157, 12, kStyleAutoHScroll, 0},
    {1212, K::kCheckBox, "The key is provided via 802.1x authentication", 15, 142, 171, 10,
     kStyleNone, 0},
    {1203, K::kPushButton, "Change", 188, 139, 42, 14, kStyleNone, 0},
};

}  // namespace

const DialogTemplate kWepSettingTemplate = {
    kIddWepSetting,
    247,
    166,
    "Verdana",
    8,
    "WEP Key Setting...  ",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
