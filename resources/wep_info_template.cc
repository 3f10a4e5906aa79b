// The WEP key information notice (resource 196).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {1561, K::kLabel, "The WEP password does not contain the require number of  characters.", 7, 4,
     234, 8, kStyleNone, 0},
    {1562, K::kLabel,
     "64 bit - the Password is either 5 alphanumeric characters or 10 hexadecimal values.", 7, 22,
     276, 8, kStyleNone, 0},
    {1563, K::kLabel,
     "128 bit - the Password is either 13 alphanumeric characters or 26 hexadecimal values.", 5, 33,
     284, 8, kStyleNone, 0},
    {1564, K::kLabel,
     "256 bit - the Password is either 29 alphanumeric characters or 58 hexadecimal values.", 5, 44,
     284, 8, kStyleNone, 0},
    {1, K::kDefPushButton, "OK", 7, 60, 50, 14, kStyleNone, 0},
};

}  // namespace

const DialogTemplate kWepInfoTemplate = {
    kIddWepInfo,
    299,
    76,
    "Verdana",
    8,
    "WEP keyInformation...  ",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
