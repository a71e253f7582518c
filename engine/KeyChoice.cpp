#include "KeyChoice.h"

#include "KeyNames.h"

KeyChoice::KeyChoice(Game& game)
    : game_(game),
      pending_{game.keys().left, game.keys().right, game.keys().rotate, game.keys().drop} {}

std::string KeyChoice::name(int field) const {
    return ui::keyname(code(field));
}

bool KeyChoice::press(int field, std::int32_t code) {
    if (ui::keyname(code).empty()) {
        return false;
    }
    pending_.at(static_cast<std::size_t>(field)) = code;
    return true;
}

void KeyChoice::ok() {
    game_.setkeys({pending_[0], pending_[1], pending_[2], pending_[3]});
}
