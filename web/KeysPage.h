#pragma once

#include <array>

#include "DialogPage.h"
#include "KeyChoice.h"

// The keys window: four fields that each show the key pressed in them.
class KeysPage : public DialogPage {
public:
    explicit KeysPage(Game& game);
    Result clicked(int handle) override;
    Key keydown(int handle, std::optional<std::int32_t> code) override;

private:
    KeyChoice choice_;
    std::array<int, 4> fields_{};
};
