// The top ten: which result qualifies and where it goes.
#include <algorithm>
#include <limits>

#include "Game.h"

bool Game::qualifies() const {
    return display.score >= topscore[9];
}

void Game::insertrecord(const std::string& name) {
    // A line break or other control character typed or pasted into the name would break the
    // table's single line and the store's text.
    std::string plain = name;
    std::replace_if(
        plain.begin(), plain.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    placerecord(display.score, plain);
}

// Above every entry with an equal score; the tenth drops out.
void Game::placerecord(std::int64_t score, const std::string& name) {
    int pos = 9;
    for (int i = 9; i >= 0; --i) {
        if (score >= topscore[i]) {
            pos = i;
        }
    }
    for (int i = 9; i > pos; --i) {
        topscore[i] = topscore[i - 1];
        topname[i] = topname[i - 1];
    }
    topscore[pos] = static_cast<std::int32_t>(
        std::min<std::int64_t>(score, std::numeric_limits<std::int32_t>::max()));
    topname[pos] = name;
}
