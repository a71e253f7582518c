#pragma once

#include <functional>
#include <string>

#include "DialogPage.h"

// The game-over window: the result, and in record mode the name for it.
class OverPage : public DialogPage {
public:
    // ok is told the name box's text once, when "Ok" is pressed; it closes the window itself.
    OverPage(const Game& game, std::function<void(const std::string&)> ok);
    void setrecordmode(bool on);
    std::string name() const;
    Result clicked(int handle) override;

private:
    std::function<void(const std::string&)> ok_;
    bool pressed_ = false;
};
