#include "OverDialog.h"

#include "Forms.h"
#include "Game.h"
#include "Utf.h"

namespace {
constexpr const ui::Control& kScore = ui::overform["score"];
constexpr const ui::Control& kLevel = ui::overform["level"];
constexpr const ui::Control& kLabel4 = ui::overform["Label4"];
constexpr const ui::Control& kYourname = ui::overform["yourname"];
}  // namespace

OverDialog::OverDialog(const Game& game, HWND owner, std::function<void(const std::string&)> ok,
                       std::function<void()> unloaded)
    : Dialog(ui::overform, owner, std::move(unloaded)),
      score_(std::to_wstring(game.display().score)),
      level_(std::to_wstring(game.display().level)),
      ok_(std::move(ok)) {
    open();
}

std::wstring OverDialog::caption(const ui::Control& c, int i) const {
    if (&c == &kScore) {
        return score_;
    }
    if (&c == &kLevel) {
        return level_;
    }
    return Dialog::caption(c, i);
}

bool OverDialog::shown(const ui::Control& c, int i) const {
    return &c == &kLabel4 ? recordmode() : Dialog::shown(c, i);
}

void OverDialog::setrecordmode(bool on) {
    ShowWindow(control(kYourname), on ? SW_SHOW : SW_HIDE);
    InvalidateRect(hwnd(), nullptr, FALSE);  // the prompt is painted
    SetForegroundWindow(hwnd());
    if (on) {
        focusname();
    }
}

bool OverDialog::recordmode() const {
    return IsWindowVisible(control(kYourname)) != FALSE;
}

void OverDialog::pressed(const ui::Control&, int) {
    const HWND name = control(kYourname);
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
    const HWND name = control(kYourname);
    SetFocus(name);
    SendMessageW(name, EM_SETSEL, 0, -1);
}
