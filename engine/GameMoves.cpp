// The player's moves: left, right, turn and drop, and the picture of the falling pair.
#include "Game.h"

namespace {

// A turn from each pairdir: the cells, from ball 1, that must be free. The turn from below to
// left sweeps the cell below-left as well; the turn from left to above tests no cell.
struct Turn {
    Game::Cell cells[2];
    int count;
};
constexpr Turn kTurns[] = {
    {{{-1, 0}, {-1, 1}}, 2},  // below to left
    {{}, 0},                  // left to above: only row 0 refuses it
    {{{1, 0}}, 1},            // above to right
    {{{0, 1}}, 1},            // right to below
};

}  // namespace

// A move is allowed when both balls' new cells are free; the cell a ball leaves to the other is
// free in the board, since the pair is not in it.
void Game::moveleft() {
    const Cell b2 = ball2();
    if (!landing_ && free(pairx_ - 1, pairy_) && free(b2.x - 1, b2.y)) {
        --pairx_;
        showpair();
    }
}

void Game::moveright() {
    const Cell b2 = ball2();
    if (!landing_ && free(pairx_ + 1, pairy_) && free(b2.x + 1, b2.y)) {
        ++pairx_;
        showpair();
    }
}

void Game::rotatepair() {
    if (landing_) {
        return;
    }
    if (sound_) {
        host_.playsound(ui::Sound::rotate);  // also when the turn is refused
    }
    const Turn& turn = kTurns[pairdir_];
    bool allowed = pairdir_ != 1 || pairy_ != 0;
    for (int i = 0; i < turn.count; ++i) {
        allowed = allowed && free(pairx_ + turn.cells[i].x, pairy_ + turn.cells[i].y);
    }
    if (allowed) {
        pairdir_ = (pairdir_ + 1) % 4;
        showpair();
    }
}

void Game::droppair() {
    if (landing_) {
        return;
    }
    if (sound_) {
        host_.playsound(ui::Sound::drop);
    }
    while (tick() == 1) {
    }
}

void Game::showpair() {
    hideemptycells();
    const Cell b2 = ball2();
    showball({pairx_, pairy_}, paircolor1_);
    showball(b2, paircolor2_);
    display_.curs[0] = {true, pairx_};
    display_.curs[1].visible = pairdir_ == 1 || pairdir_ == 3;
    if (display_.curs[1].visible) {
        display_.curs[1].column = b2.x;
    }
}
