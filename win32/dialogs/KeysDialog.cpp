#include "KeysDialog.h"

#include "Forms.h"
#include "Game.h"
#include "KeyNames.h"
#include "Utf.h"

namespace {
// Left, right, turn, drop.
constexpr const ui::Control* kFields[] = {&ui::keys["Text1"], &ui::keys["Text2"],
                                          &ui::keys["Text3"], &ui::keys["Text5"]};
constexpr wchar_t kOwner[] = L"TarveloKeysDialog";
}  // namespace

KeysDialog::KeysDialog(Game& game, HWND owner, std::function<void()> unloaded)
    : Dialog(ui::keys, owner, std::move(unloaded)), choice_(game) {
    open();
    for (int i = 0; i < 4; ++i) {
        fields_[i] = control(*kFields[i]);
        SetPropW(fields_[i], kOwner, this);
        edit_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            fields_[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeysDialog::field)));
    }
}

std::wstring KeysDialog::caption(const ui::Control& c, int i) const {
    for (int n = 0; n < 4; ++n) {
        if (&c == kFields[n]) {
            return widen(choice_.name(n));
        }
    }
    return Dialog::caption(c, i);
}

void KeysDialog::pressed(const ui::Control& c, int) {
    if (&c == &ui::keys["Command1"]) {
        choice_.ok();
    }
    close();
}

void KeysDialog::capture(HWND field, std::int32_t code) {
    for (int i = 0; i < 4; ++i) {
        if (fields_[i] == field) {
            if (!choice_.press(i, code)) {
                MessageBeep(MB_OK);
                return;
            }
            SetWindowTextW(field, widen(choice_.name(i)).c_str());
        }
    }
}

LRESULT CALLBACK KeysDialog::field(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* dialog = static_cast<KeysDialog*>(GetPropW(hwnd, kOwner));
    if (dialog == nullptr) {
        return DefWindowProcW(hwnd, message, w, l);
    }
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;  // Tab, Enter and Esc are keys to bind as well
        case WM_SYSKEYDOWN:
            if (w == VK_F4) {
                break;  // Alt+F4 closes the window, as everywhere
            }
            [[fallthrough]];
        case WM_KEYDOWN:
            dialog->capture(hwnd, static_cast<std::int32_t>(w));
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CONTEXTMENU:  // the Menu key too is a key to bind
            return 0;
        case WM_NCDESTROY:
            RemovePropW(hwnd, kOwner);
            break;
        default:
            break;
    }
    return CallWindowProcW(dialog->edit_, hwnd, message, w, l);
}
