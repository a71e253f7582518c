#include "OverDialog.h"

#include "Forms.h"
#include "Game.h"
#include "Utf.h"

OverDialog::OverDialog(const Game& game, HWND owner, std::function<void(const std::string&)> ok,
                       std::function<void()> unloaded)
    : Dialog(ui::overform, owner, std::move(unloaded)),
      score_(std::to_wstring(game.display.score)),
      level_(std::to_wstring(game.display.level)),
      ok_(std::move(ok)) {
    open();
}

std::wstring OverDialog::caption(const ui::Control& c, int i) const {
    if (c.name == "score") {
        return score_;
    }
    if (c.name == "level") {
        return level_;
    }
    return Dialog::caption(c, i);
}

bool OverDialog::shown(const ui::Control& c, int i) const {
    return c.name == "Label4" ? recordmode() : Dialog::shown(c, i);
}

void OverDialog::setrecordmode(bool on) {
    ShowWindow(control("yourname"), on ? SW_SHOW : SW_HIDE);
    InvalidateRect(hwnd(), nullptr, FALSE);  // the prompt is painted
    SetForegroundWindow(hwnd());
    if (on) {
        focusname();
    }
}

bool OverDialog::recordmode() const {
    return IsWindowVisible(control("yourname")) != FALSE;
}

void OverDialog::pressed(const ui::Control&, int) {
    const HWND name = control("yourname");
    std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(name)) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(
        GetWindowTextW(name, typed.data(), static_cast<int>(typed.size()))));
    ok_(narrow(typed));  // the main form knows whether it is a record
    close();
}

LRESULT OverDialog::handle(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_ACTIVATE && LOWORD(w) != WA_INACTIVE && recordmode()) {
        focusname();
        return 0;
    }
    return Dialog::handle(message, w, l);
}

// Typing replaces the name offered.
void OverDialog::focusname() {
    const HWND name = control("yourname");
    SetFocus(name);
    SendMessageW(name, EM_SETSEL, 0, -1);
}
