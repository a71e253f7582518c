// The top ten: which result qualifies, where it goes, and how the list of another copy of the
// game on the same store is merged with ours.
#include <algorithm>
#include <limits>
#include <vector>

#include "Game.h"
#include "StoreRows.h"
#include "StoreText.h"

bool Game::qualifies() const {
    return display_.score >= topscore_[9];
}

void Game::insertrecord(const std::string& name) {
    // A line break or other control character typed or pasted into the name would break the
    // table's single line and the store's text.
    std::string plain = name;
    std::replace_if(
        plain.begin(), plain.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    placerecord(display_.score, plain);
}

// Above every entry with an equal score; the tenth drops out.
void Game::placerecord(std::int64_t score, const std::string& name) {
    int pos = 9;
    for (int i = 9; i >= 0; --i) {
        if (score >= topscore_[i]) {
            pos = i;
        }
    }
    for (int i = 9; i > pos; --i) {
        topscore_[i] = topscore_[i - 1];
        topname_[i] = topname_[i - 1];
    }
    topscore_[pos] = static_cast<std::int32_t>(
        std::min<std::int64_t>(score, std::numeric_limits<std::int32_t>::max()));
    topname_[pos] = name;
}

void Game::readrecords(const SettingsStore& store, std::array<std::int32_t, 10>& scores,
                       std::array<std::string, 10>& names) {
    for (int n = 1; n <= 10; ++n) {
        const auto value = parseint(store.read(ui::kTopScores, ui::recordkey(n)),
                                    std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::int32_t>::max());
        scores[n - 1] = static_cast<std::int32_t>(value.value_or(0));
    }
    for (int n = 1; n <= 10; ++n) {
        names[n - 1] =
            store.read(ui::kTopScores, ui::namekey(n)).value_or(std::string(ui::kNoName));
    }
}

void Game::storerecord(SettingsStore& store, const std::string& name) {
    bool inserted = false;
    const bool written = store.update([&] {
        mergerecords(store);
        // Other copies' records may have filled the list since this one looked; the tenth
        // place goes to the better score.
        if (qualifies()) {
            insertrecord(name);
        }
        inserted = true;
        writesettings(store);
    });
    if (!inserted) {
        insertrecord(name);  // the store could not be had: kept here, merged at the next save
    }
    if (written) {
        storedscore_ = topscore_;
        storedname_ = topname_;
    }
}

// Another copy of the game may have stored records since this one last read or wrote them:
// its list is taken, and the records this copy added since go in on top of it.
void Game::mergerecords(const SettingsStore& store) {
    std::array<std::int32_t, 10> scores{};
    std::array<std::string, 10> names;
    readrecords(store, scores, names);
    if (scores == storedscore_ && names == storedname_) {
        return;  // nobody else wrote: ours stands
    }
    std::vector<int> added;  // ours that the list we last saw does not hold
    std::array<bool, 10> matched{};
    for (int i = 0; i < 10; ++i) {
        int j = 0;
        while (j < 10 &&
               (matched[j] || storedscore_[j] != topscore_[i] || storedname_[j] != topname_[i])) {
            ++j;
        }
        if (j < 10) {
            matched[j] = true;
        } else {
            added.push_back(i);
        }
    }
    // From here the store's list is the baseline, whether or not this update's write lands: a
    // write that fails leaves the store as it was read, and the next update merges against it.
    storedscore_ = scores;
    storedname_ = names;
    const auto ours = std::make_pair(topscore_, topname_);
    topscore_ = scores;
    topname_ = names;
    // Worst first, so that equal scores of ours keep their order.
    for (auto i = added.rbegin(); i != added.rend(); ++i) {
        if (ours.first[*i] >= topscore_[9]) {
            placerecord(ours.first[*i], ours.second[*i]);
        }
    }
}
