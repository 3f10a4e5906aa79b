// The dialog templates, the tray menu and the images as tables.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/dialog_template.h"
#include "resources/icons.h"
#include "resources/menu_template.h"
#include "resources/resource_ids.h"

namespace airvane {
namespace {

bool IsDropDown(ControlKind kind) {
    return kind == ControlKind::kDropDownList || kind == ControlKind::kDropDownCombo;
}

TEST(TemplatesTest, EveryDialogIsThereWithUniqueIdsInsideItsArea) {
    std::set<int> resources;
    for (const DialogTemplate* t : AllDialogTemplates()) {
        SCOPED_TRACE(t->resource_id);
        resources.insert(t->resource_id);
        EXPECT_EQ(FindDialogTemplate(t->resource_id), t);
        EXPECT_STREQ(t->font, "Verdana");
        EXPECT_EQ(t->point_size, 8);
        std::set<int> ids;
        for (const ControlTemplate& c : t->controls) {
            SCOPED_TRACE(c.id);
            if (c.id != kStaticId) {
                EXPECT_TRUE(ids.insert(c.id).second) << "duplicate id";
            }
            EXPECT_NE(c.text, nullptr);
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            // Drop-down heights include the opened list, which may reach past the frame;
            // the country list of the advanced dialog hangs over the edge in its template.
            bool known_overhang = t->resource_id == kIddAdvancedSetting && c.id == 1292;
            if (!known_overhang) {
                EXPECT_LE(c.x + c.w, t->width);
            }
            if (!IsDropDown(c.kind)) {
                EXPECT_LE(c.y + c.h, t->height);
            }
        }
    }
    EXPECT_EQ(resources, (std::set<int>{130, 156, 157, 159, 161, 190, 191, 195, 196}));
    EXPECT_EQ(FindDialogTemplate(999), nullptr);
}

TEST(TemplatesTest, SpotChecksAgainstTheControlTables) {
    struct Row {
        const char* name;
        int dialog;
        int id;
        ControlKind kind;
        const char* text;
        int x, y, w, h;
        uint32_t style;
    } rows[] = {
        {"main list", 156, 1243, ControlKind::kListView, "", 6, 49, 99, 80,
         kStyleReport | kStyleSingleSel | kStyleBorder | kStyleDisabled},
        {"main more button", 156, 1180, ControlKind::kPushButton, "More Setting", 190, 123, 64, 14,
         kStyleHidden},
        {"main fifth value", 156, 1192, ControlKind::kLabel, "", 157, 123, 30, 8, 0},
        {"basic profile combo", 130, 1213, ControlKind::kDropDownCombo, "", 61, 201, 120, 70,
         kStyleAutoHScroll},
        {"basic hidden rate", 130, 1015, ControlKind::kDropDownList, "", 127, 43, 54, 83,
         kStyleHidden},
        {"wep 256 radio", 157, 1092, ControlKind::kRadioButton, "256 bit", 160, 21, 41, 10, 0},
        {"wep info OK", 196, 1, ControlKind::kDefPushButton, "OK", 7, 60, 50, 14, 0},
        {"advanced rts slider", 159, 1225, ControlKind::kSlider, "", 11, 148, 280, 10,
         kStyleHorizontal | kStyleGroup},
        {"information title", 161, 1481, ControlKind::kLabel, "S Y S T E M   I N F O R M A T I O N",
         9, 7, 209, 8, kStyleCenter},
        {"wpa passphrase", 195, 1521, ControlKind::kEdit, "", 83, 134, 107, 12,
         kStyleAutoHScroll | kStylePassword},
        {"ap bridge list", 190, 1555, ControlKind::kDropDownList, "", 13, 228, 223, 83, 0},
        {"mac field 15", 191, 1296, ControlKind::kEdit, "", 128, 154, 75, 12, kStyleAutoHScroll},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DialogTemplate* t = FindDialogTemplate(row.dialog);
        ASSERT_NE(t, nullptr);
        const ControlTemplate* c = FindControl(*t, row.id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, row.kind);
        EXPECT_STREQ(c->text, row.text);
        EXPECT_EQ(c->x, row.x);
        EXPECT_EQ(c->y, row.y);
        EXPECT_EQ(c->w, row.w);
        EXPECT_EQ(c->h, row.h);
        EXPECT_EQ(c->style, row.style);
    }
}

TEST(TemplatesTest, TrayMenuAndImages) {
    const MenuTemplate* menu = FindMenuTemplate(kMenuTray);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 3u);
    EXPECT_EQ(menu->items[0].command, 32771);
    EXPECT_EQ(menu->items[1].command, 32772);
    EXPECT_EQ(menu->items[2].command, 32773);
    EXPECT_STREQ(menu->items[2].text, "Exit DEZadere");
    EXPECT_EQ(FindMenuTemplate(174), nullptr);
    for (int id : {128, 174, 175, 178, 189, 192, 193}) {
        SCOPED_TRACE(id);
        ASSERT_NE(IconSvg(id), nullptr);
        EXPECT_NE(std::string(IconSvg(id)).find("<svg"), std::string::npos);
    }
    EXPECT_EQ(IconSvg(1), nullptr);
    EXPECT_STRNE(IconSvg(189), IconSvg(192)) << "the two traffic frames must differ";
}

}  // namespace
}  // namespace airvane
