#pragma once

#include <array>
#include <cstdint>

#include "Dialog.h"

class Game;

// "Клавиши": rebinding the four game keys by pressing them. A field takes no typed text: it
// shows the name of the key pressed in it, Enter, Esc and the Menu key included, and beeps at a
// key without one.
class KeysDialog : public Dialog {
public:
    KeysDialog(Game& game, HWND owner, std::function<void()> unloaded);

    // The pending codes of the four fields: left, right, rotate, drop.
    const std::array<std::int32_t, 4>& pending() const { return pending_; }

protected:
    std::wstring caption(const ui::Control& c, int i) const override;
    void pressed(const ui::Control& c, int i) override;

private:
    static LRESULT CALLBACK field(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    void capture(HWND field, std::int32_t code);

    Game& game_;
    std::array<std::int32_t, 4> pending_;
    std::array<HWND, 4> fields_{};
    WNDPROC edit_ = nullptr;  // the system's own procedure of the fields
};
