#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace airvane {

// The kinds of control a dialog template can hold.
enum class ControlKind {
    kLabel,
    kGroupBox,
    kPushButton,
    kDefPushButton,
    kCheckBox,
    kRadioButton,
    kEdit,
    kDropDownList,   // list only, no typing
    kDropDownCombo,  // list with an edit field
    kListView,
    kSlider,
    kProgressBar,
    kIcon,
};

// Control style bits, as far as the window-system layer needs them.
enum ControlStyle : uint32_t {
    kStyleNone = 0,
    kStyleHidden = 1u << 0,     // created hidden
    kStyleDisabled = 1u << 1,   // created disabled
    kStyleRight = 1u << 2,      // text right-aligned
    kStyleCenter = 1u << 3,     // text centred
    kStyleGroup = 1u << 4,      // first radio button of its group
    kStylePassword = 1u << 5,   // edit shows its characters masked
    kStyleReport = 1u << 6,     // list view in report (columns) view
    kStyleSingleSel = 1u << 7,  // list view with single selection
    kStyleBorder = 1u << 8,     // bordered list view
    kStyleAutoHScroll = 1u << 9,
    kStyleHorizontal = 1u << 10,  // horizontal slider
};

// Window style bits of a dialog template.
enum DialogStyle : uint32_t {
    kDialogPopup = 1u << 0,
    kDialogCaption = 1u << 1,
    kDialogSysMenu = 1u << 2,
    kDialogMinimizeBox = 1u << 3,
    kDialogModalFrame = 1u << 4,
};

// The id of controls that no code addresses (captions, frames, icons).
inline constexpr int kStaticId = -1;

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;  // template text; never null
    int x, y, w, h;    // dialog units
    uint32_t style;
    int image;  // image resource of an icon control, 0 otherwise
};

struct DialogTemplate {
    int resource_id;
    int width, height;  // dialog units
    const char* font;
    int point_size;
    const char* caption;
    uint32_t style;
    std::span<const ControlTemplate> controls;
};

// Every dialog template of the program, in resource id order.
std::span<const DialogTemplate* const> AllDialogTemplates();
// The template with this resource id, or nullptr.
const DialogTemplate* FindDialogTemplate(int resource_id);
// The first control of the template with this id, or nullptr (kStaticId is never found).
const ControlTemplate* FindControl(const DialogTemplate& dialog, int id);

// The dialog templates by name, each in the file named after its dialog.
extern const DialogTemplate kMainPageTemplate;         // 156
extern const DialogTemplate kBasicSettingTemplate;     // 130
extern const DialogTemplate kWepSettingTemplate;       // 157
extern const DialogTemplate kWepInfoTemplate;          // 196
extern const DialogTemplate kAdvancedSettingTemplate;  // 159
extern const DialogTemplate kInformationTemplate;      // 161
extern const DialogTemplate kDot1xSettingTemplate;     // 195
extern const DialogTemplate kApBasicSettingTemplate;   // 190
extern const DialogTemplate kApMacFilterTemplate;      // 191

}  // namespace airvane
