// The MAC address filter dialog (resource 191).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;

// Sixteen address fields in two columns of eight, each with its fixed number beside it.
constexpr ControlTemplate kControls[] = {
    {1552, K::kLabel, "Filter Type:", 7, 7, 43, 8, kStyleNone, 0},
    {1453, K::kDropDownList, "", 51, 7, 77, 97, kStyleNone, 0},
    {1553, K::kGroupBox, "Filte MAC Address", 7, 25, 205, 171, kStyleNone, 0},
    {kStaticId, K::kLabel, "00.", 13, 44, 16, 8, kStyleNone, 0},
    {1281, K::kEdit, "", 30, 42, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "01.", 13, 60, 16, 8, kStyleNone, 0},
    {1282, K::kEdit, "", 30, 58, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "02.", 13, 76, 16, 8, kStyleNone, 0},
    {1283, K::kEdit, "", 30, 74, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "03.", 13, 92, 16, 8, kStyleNone, 0},
    {1284, K::kEdit, "", 30, 90, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "04.", 13, 108, 16, 8, kStyleNone, 0},
    {1285, K::kEdit, "", 30, 106, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "05.", 13, 124, 16, 8, kStyleNone, 0},
    {1286, K::kEdit, "", 30, 122, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "06.", 13, 140, 16, 8, kStyleNone, 0},
    {1287, K::kEdit, "", 30, 138, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "07.", 13, 156, 16, 8, kStyleNone, 0},
    {1288, K::kEdit, "", 30, 154, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "08.", 111, 44, 16, 8, kStyleNone, 0},
    {1289, K::kEdit, "", 128, 42, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "09.", 111, 60, 16, 8, kStyleNone, 0},
    {1290, K::kEdit, "", 128, 58, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "10.", 111, 76, 16, 8, kStyleNone, 0},
    {1291, K::kEdit, "", 128, 74, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "11.", 111, 92, 16, 8, kStyleNone, 0},
    {1292, K::kEdit, "", 128, 90, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "12.", 111, 108, 16, 8, kStyleNone, 0},
    {1293, K::kEdit, "", 128, 106, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "13.", 111, 124, 16, 8, kStyleNone, 0},
    {1294, K::kEdit, "", 128, 122, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "14.", 111, 140, 16, 8, kStyleNone, 0},
    {1295, K::kEdit, "", 128, 138, 75, 12, kStyleAutoHScroll, 0},
    {kStaticId, K::kLabel, "15.", 111, 156, 16, 8, kStyleNone, 0},
    {1296, K::kEdit, "", 128, 154, 75, 12, kStyleAutoHScroll, 0},
    {1308, K::kPushButton, "Change", 153, 175, 50, 14, kStyleNone, 0},
};

}  // namespace

const DialogTemplate kApMacFilterTemplate = {
    kIddApMacFilter,
    219,
    203,
    "Verdana",
    8,
    "MAC Address Filter",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
