#pragma once

#include <array>
#include <cstdint>

#include "Dialog.h"
#include "KeyChoice.h"

class Game;

// "Клавиши": rebinding the four game keys by pressing them. A field takes no typed text: it
// shows the name of the key pressed in it, Enter, Esc and the Menu key included, and beeps at a
// key without one.
class KeysDialog : public Dialog {
public:
    KeysDialog(Game& game, HWND owner, std::function<void()> unloaded);

    const KeyChoice& choice() const { return choice_; }

protected:
    std::wstring caption(const ui::Control& c, int i) const override;
    void pressed(const ui::Control& c, int i) override;

private:
    static LRESULT CALLBACK field(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    void capture(HWND field, std::int32_t code);

    KeyChoice choice_;
    std::array<HWND, 4> fields_{};
    WNDPROC edit_ = nullptr;  // the system's own procedure of the fields
};
