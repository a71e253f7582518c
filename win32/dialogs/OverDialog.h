#pragma once

#include <string>

#include "Dialog.h"

class Game;

// "GameOver": the final score and level, and in record mode the player's name.
class OverDialog : public Dialog {
public:
    // ok: "Ok", with the name box's text.
    OverDialog(const Game& game, HWND owner, std::function<void(const std::string&)> ok,
               std::function<void()> unloaded);

    // Record mode is exactly while the name box is shown; the window comes forward.
    void setrecordmode(bool on);
    bool recordmode() const;

protected:
    std::wstring caption(const ui::Control& c, int i) const override;
    bool shown(const ui::Control& c, int i) const override;
    void pressed(const ui::Control& c, int i) override;
    LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

private:
    void focusname();

    std::wstring score_, level_;
    std::function<void(const std::string&)> ok_;
};
