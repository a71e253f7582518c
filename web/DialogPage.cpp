#include "DialogPage.h"

#include "Page.h"

DialogPage::DialogPage(FormId id, const ui::Form& form)
    : form_(form), controls_(window(id), form), id_(id) {}

DialogPage::~DialogPage() {
    tv_closewindow(window(id_));
}

// Enter presses the default button, or the one with the keyboard if it is the default or the
// cancel button, which the browser presses itself; Esc presses the cancel button. A form
// without them takes both as keys like any other.
DialogPage::Key DialogPage::keydown(int handle, std::optional<std::int32_t> code) {
    const ui::Control* at = controls_.find(handle);
    const bool button = at != nullptr && at->kind == ui::Kind::Button;
    for (const ui::Control& c : form_.controls) {
        if (code == 13 && c.has(ui::kDefault)) {
            if (button && (at->has(ui::kDefault) || at->has(ui::kCancel))) {
                return {};
            }
            return {true, controls_(c)};
        }
        if (code == 27 && c.has(ui::kCancel)) {
            return {true, controls_(c)};
        }
    }
    if (code == 13 && button) {
        return {true};  // never the form's other buttons
    }
    return {};
}
