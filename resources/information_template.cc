// The information dialog (resource 161).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {1481, K::kLabel, "S Y S T E M   I N F O R M A T I O N", 9, 7, 209, 8, kStyleCenter, 0},
    {1482, K::kLabel, "Driver Version:", 3, 24, 67, 8, kStyleRight, 0},
    {1230, K::kLabel, "", 75, 24, 145, 8, kStyleNone, 0},
    {1484, K::kLabel, "Utility Version:", 3, 39, 67, 8, kStyleRight, 0},
    {1232, K::kLabel, "", 75, 39, 145, 8, kStyleNone, 0},
    {1485, K::kLabel, "MAC Address:", 3, 54, 67, 8, kStyleRight, 0},
    {1229, K::kLabel, "", 75, 54, 145, 8, kStyleNone, 0},
    {1, K::kDefPushButton, "OK", 89, 80, 50, 14, kStyleNone, 0},
};

}  // namespace

const DialogTemplate kInformationTemplate = {
    kIddInformation,
    227,
    100,
    "Verdana",
    8,
    "Information...  ",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
