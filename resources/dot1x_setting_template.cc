// The WPA / 802.1X setting dialog (resource 195).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {1509, K::kGroupBox, "Connect Infomation", 13, 14, 187, 100, kStyleNone, 0},
    {1511, K::kLabel, "Protocol:", 19, 28, 48, 10, kStyleNone, 0},
    {1520, K::kDropDownList, "", 83, 27, 107, 66, kStyleNone, 0},
    {1523, K::kLabel, "Phase2Auth:", 19, 47, 48, 10, kStyleNone, 0},
    {1524, K::kDropDownList, "", 83, 46, 107, 66, kStyleNone, 0},
    {1512, K::kLabel, "User Name:", 19, 67, 48, 10, kStyleNone, 0},
    {1281, K::kEdit, "", 83, 66, 107, 12, kStyleAutoHScroll, 0},
    {1513, K::kLabel, "Password:", 19, 85, 48, 10, kStyleNone, 0},
    {1027, K::kEdit, "", 83, 84, 107, 12, kStyleAutoHScroll | kStylePassword, 0},
    {1567, K::kCheckBox, "Validate Server Certificate", 19, 100, 169, 10, kStyleNone, 0},
    {1517, K::kGroupBox, "Pre-shared Key", 13, 122, 187, 50, kStyleNone, 0},
    {1514, K::kLabel, "Passphrase:", 19, 134, 56, 10, kStyleNone, 0},
    {1521, K::kEdit, "", 83, 134, 107, 12, kStyleAutoHScroll | kStylePassword, 0},
    {1515, K::kLabel, "Key Format:", 19, 154, 56, 10, kStyleNone, 0},
    {1518, K::kRadioButton, "ASCII", 83, 154, 50, 11, kStyleGroup, 0},
    {1519, K::kRadioButton, "Hexadecimal", 133, 154, 55, 11, kStyleNone, 0},
    {1516, K::kGroupBox, "Certificate", 13, 178, 187, 35, kStyleNone, 0},
    {1522, K::kDropDownList, "", 27, 191, 165, 74, kStyleGroup, 0},
    {1510, K::kPushButton, "Change", 158, 220, 50, 14, kStyleNone, 0},
};

}  // namespace

const DialogTemplate kDot1xSettingTemplate = {
    kIddDot1xSetting,
    215,
    241,
    "Verdana",
    8,
    "WPA Setting...  ",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
