#include "resources/dialog_template.h"

namespace airvane {
namespace {

const DialogTemplate* const kAll[] = {
    &kBasicSettingTemplate,    &kMainPageTemplate,     &kWepSettingTemplate,
    &kAdvancedSettingTemplate, &kInformationTemplate,  &kApBasicSettingTemplate,
    &kApMacFilterTemplate,     &kDot1xSettingTemplate, &kWepInfoTemplate,
};

}  // namespace

std::span<const DialogTemplate* const> AllDialogTemplates() {
    return kAll;
}

const DialogTemplate* FindDialogTemplate(int resource_id) {
    for (const DialogTemplate* t : kAll) {
        if (t->resource_id == resource_id) {
            return t;
        }
    }
    return nullptr;
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
    if (id == kStaticId) {
        return nullptr;
    }
    for (const ControlTemplate& c : dialog.controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace airvane
