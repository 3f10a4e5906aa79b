// The main window (resource 156).
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

using K = ControlKind;
constexpr uint32_t kList = kStyleReport | kStyleSingleSel | kStyleBorder | kStyleDisabled;

constexpr ControlTemplate kControls[] = {
    {kStaticId, K::kIcon, "", 6, 10, 20, 20, kStyleNone, kIconProgram},
    {1430, K::kLabel, "Network Adapter:", 32, 9, 92, 9, kStyleNone, 0},
    {1181, K::kDropDownList, "", 33, 20, 227, 55, kStyleNone, 0},
    {1441, K::kLabel, "Mode:", 145, 7, 56, 8, kStyleRight, 0},
    {1292, K::kDropDownList, "", 204, 5, 56, 72, kStyleNone, 0},
    {1244, K::kLabel, "Available Network:", 6, 40, 131, 8, kStyleNone, 0},
    {1243, K::kListView, "", 6, 49, 99, 80, kList, 0},
    {1179, K::kPushButton, "Refresh", 6, 130, 99, 13, kStyleNone, 0},
    {1182, K::kGroupBox, "Current Network Information", 113, 46, 146, 97, kStyleNone, 0},
    {1183, K::kLabel, "Channel:", 115, 63, 39, 8, kStyleRight, 0},
    {1184, K::kLabel, "Type:", 115, 78, 39, 8, kStyleRight, 0},
    {1185, K::kLabel, "SSID:", 115, 93, 39, 8, kStyleRight, 0},
    {1186, K::kLabel, "Tx Rate:", 115, 108, 39, 8, kStyleRight, 0},
    {1187, K::kLabel, "Encrypt:", 115, 123, 39, 8, kStyleRight, 0},
    {1188, K::kLabel, "", 157, 63, 98, 8, kStyleNone, 0},
    {1189, K::kLabel, "", 157, 78, 100, 8, kStyleNone, 0},
    {1190, K::kLabel, "", 157, 93, 100, 8, kStyleNone, 0},
    {1191, K::kLabel, "", 157, 108, 100, 8, kStyleNone, 0},
    {1192, K::kLabel, "", 157, 123, 30, 8, kStyleNone, 0},
    {1180, K::kPushButton, "More Setting", 190, 123, 64, 14, kStyleHidden, 0},
    {1442, K::kLabel, "Link Status:", 2, 155, 63, 8, kStyleRight, 0},
    {1195, K::kLabel, "", 71, 155, 191, 8, kStyleNone, 0},
    {1365, K::kLabel, "Signal Strength:", 2, 168, 63, 8, kStyleRight, 0},
    {1130, K::kProgressBar, "", 71, 168, 156, 8, kStyleNone, 0},
    {1196, K::kLabel, "0%", 229, 168, 31, 8, kStyleRight, 0},
    {1366, K::kLabel, "Link Quality:", 2, 181, 63, 8, kStyleRight, 0},
    {1140, K::kProgressBar, "", 71, 181, 156, 8, kStyleNone, 0},
    {1197, K::kLabel, "0%", 229, 181, 31, 8, kStyleRight, 0},
    {1133, K::kLabel, "Tx Frame:", 14, 196, 51, 8, kStyleHidden, 0},
    {1198, K::kLabel, "", 69, 196, 46, 8, kStyleHidden, 0},
    {1134, K::kLabel, "Rx Frame:", 124, 196, 44, 8, kStyleRight | kStyleHidden, 0},
    {1199, K::kLabel, "", 171, 196, 50, 8, kStyleHidden, 0},
    {1410, K::kIcon, "", 246, 193, 20, 20, kStyleHidden, kIconNotShown},
    {1411, K::kLabel, "*** Wireless LAN is controlled by Windows Zero Configuration ***", 6, 199,
     237, 8, kStyleHidden, 0},
};

}  // namespace

const DialogTemplate kMainPageTemplate = {
    kIddMainPage,
    267,
    214,
    "Verdana",
    8,
    "Airvane Plus",
    kDialogPopup | kDialogCaption | kDialogSysMenu | kDialogMinimizeBox | kDialogModalFrame,
    kControls,
};

}  // namespace airvane
