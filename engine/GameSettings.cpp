// Loading and saving the options, palette, starting level, key bindings and records.
#include <string>

#include "Game.h"
#include "StoreRows.h"
#include "StoreText.h"

void Game::loadsettings(const SettingsStore& store) {
    sound_ = parsebool(store.read(ui::kOptions, ui::kSound)).value_or(true);
    anim_ = parsebool(store.read(ui::kOptions, ui::kAnimation)).value_or(true);
    for (int n = 1; n <= 4; ++n) {
        const auto value = parseint(store.read(ui::kColors, ui::colorkey(n)), 0, 0xFFFFFF);
        palette_[n] = value ? static_cast<std::uint32_t>(*value) : ui::kDefaultColors[n - 1];
    }
    startlevel_ = static_cast<int>(
        parseint(store.read(ui::kOptions, ui::kLevel), 1, kMaxLevel).value_or(ui::kDefaultLevel));
    std::int32_t* bindings[] = {&keys_.left, &keys_.right, &keys_.rotate, &keys_.drop};
    for (int i = 0; i < 4; ++i) {
        // Only 1..255 can be bound in the dialog; anything else would leave the action dead.
        const auto value = parseint(store.read(ui::kKeys, ui::kKeyNames[i]), 1, 255);
        *bindings[i] = static_cast<std::int32_t>(value.value_or(ui::kDefaultKeys[i]));
    }
    readrecords(store, topscore_, topname_);
    storedscore_ = topscore_;
    storedname_ = topname_;
}

void Game::savesettings(SettingsStore& store) {
    const bool written = store.update([&] {
        mergerecords(store);
        writesettings(store);
    });
    if (written) {
        storedscore_ = topscore_;
        storedname_ = topname_;
    }
}

void Game::writesettings(SettingsStore& store) const {
    store.write(ui::kOptions, ui::kSound, sound_ ? ui::kTrue : ui::kFalse);
    store.write(ui::kOptions, ui::kAnimation, anim_ ? ui::kTrue : ui::kFalse);
    for (int n = 1; n <= 4; ++n) {
        store.write(ui::kColors, ui::colorkey(n), std::to_string(palette_[n]));
    }
    store.write(ui::kOptions, ui::kLevel, std::to_string(startlevel_));
    const std::int32_t bindings[] = {keys_.left, keys_.right, keys_.rotate, keys_.drop};
    for (int i = 0; i < 4; ++i) {
        store.write(ui::kKeys, ui::kKeyNames[i], std::to_string(bindings[i]));
    }
    for (int n = 1; n <= 10; ++n) {
        store.write(ui::kTopScores, ui::recordkey(n), std::to_string(topscore_[n - 1]));
    }
    for (int n = 1; n <= 10; ++n) {
        store.write(ui::kTopScores, ui::namekey(n), topname_[n - 1]);
    }
}
