#include "KeysPage.h"

#include "Forms.h"
#include "Page.h"

namespace {
const ui::Form& f = ui::keys;
}

KeysPage::KeysPage(Game& game) : DialogPage(FormId::keys, f), choice_(game) {
    int n = 0;
    for (const ui::Control& c : f.controls) {
        if (c.kind == ui::Kind::KeyField) {
            fields_[n] = controls_(c);
            tv_settext(fields_[n], choice_.name(n).c_str());
            ++n;
        }
    }
}

DialogPage::Result KeysPage::clicked(int handle) {
    if (handle == controls_(f["Command1"])) {
        choice_.ok();
    }
    return Result::close;
}

// Enter and Esc are keys to bind here; Tab still moves between the fields.
DialogPage::Key KeysPage::keydown(int handle, std::optional<std::int32_t> code) {
    for (int n = 0; n < 4; ++n) {
        if (handle != fields_[n]) {
            continue;
        }
        if (code == 9) {
            return {};
        }
        if (code && choice_.press(n, *code)) {
            tv_settext(fields_[n], choice_.name(n).c_str());
        } else {
            tv_beep();
        }
        return {true};
    }
    return DialogPage::keydown(handle, code);
}
