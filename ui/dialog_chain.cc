#include "ui/dialog_chain.h"

#include <array>

#include "ui/dialog.h"
#include "ui/dialog_ids.h"

namespace airvane {
namespace {

constexpr int kChainSize = 9;

struct DialogChain {
    int active_id = kDialogMainPage;
    std::array<Dialog*, kChainSize> open{};
};

DialogChain& Chain() {
    static DialogChain chain;
    return chain;
}

bool JoinsChain(int id) {
    return id >= 0 && id < kChainSize && id != kDialogDot1xSetting;
}

}  // namespace

int& ActiveDialogId() {
    return Chain().active_id;
}

void RegisterOpenDialog(Dialog* dialog) {
    if (dialog == nullptr || !JoinsChain(dialog->Id())) {
        return;
    }
    Chain().open[dialog->Id()] = dialog;
    Chain().active_id = dialog->Id();
}

void UnregisterOpenDialog(Dialog* dialog) {
    if (dialog == nullptr || !JoinsChain(dialog->Id())) {
        return;
    }
    Dialog*& slot = Chain().open[dialog->Id()];
    if (slot == dialog) {
        slot = nullptr;
    }
}

Dialog* FindOpenDialog(int id) {
    return JoinsChain(id) ? Chain().open[id] : nullptr;
}

void ResetDialogChain() {
    Chain() = DialogChain{};
}

// Both walks take at most one step per chain entry, so links that form a loop (a
// dialog that names a dialog opened after it as its opener) cannot hang the program.
void RefreshOpenDialogTexts(int start_id) {
    int id = start_id;
    for (int step = 0; step < kChainSize; ++step) {
        Dialog* dialog = FindOpenDialog(id);
        if (dialog == nullptr) {
            return;
        }
        dialog->RefreshTexts();
        if (id == kDialogMainPage) {
            return;
        }
        id = dialog->m_nOpenerId;
    }
}

void CloseOpenDialogs(int result, const std::function<void(Dialog& main_page)>& at_main_page) {
    int id = ActiveDialogId();
    for (int step = 0; step < kChainSize; ++step) {
        Dialog* dialog = FindOpenDialog(id);
        if (dialog == nullptr) {
            return;
        }
        if (id == kDialogMainPage) {
            if (at_main_page) {
                at_main_page(*dialog);
            }
            return;
        }
        if (dialog->HasHost()) {
            dialog->Host().EndDialog(result);
        }
        id = dialog->m_nOpenerId;
    }
}

}  // namespace airvane
