// The player's moves: left, right, turn and drop, and the picture of the falling pair.
#include "Game.h"

void Game::moveleft() {
    if (landing_) {
        return;
    }
    const int x = pairx;
    const int y = pairy;
    bool allowed = false;
    switch (pairdir) {
        case 0:
            allowed = x != 0 && free(x - 1, y) && free(x - 1, y + 1);
            break;
        case 1:
            allowed = x != 1 && free(x - 2, y);
            break;
        case 2:
            allowed = x != 0 && free(x - 1, y) && free(x - 1, y - 1);
            break;
        default:
            allowed = x != 0 && free(x - 1, y);
            break;
    }
    if (allowed) {
        --pairx;
        showpair();
    }
}

void Game::moveright() {
    if (landing_) {
        return;
    }
    const int x = pairx;
    const int y = pairy;
    bool allowed = false;
    switch (pairdir) {
        case 0:
            allowed = x != 5 && free(x + 1, y) && free(x + 1, y + 1);
            break;
        case 1:
            allowed = x != 5 && free(x + 1, y);
            break;
        case 2:
            allowed = x != 5 && free(x + 1, y) && free(x + 1, y - 1);
            break;
        default:
            allowed = x != 4 && free(x + 2, y);
            break;
    }
    if (allowed) {
        ++pairx;
        showpair();
    }
}

void Game::rotatepair() {
    if (landing_) {
        return;
    }
    if (sound) {
        host_.playsound("rotate");  // also when the turn is refused
    }
    const int x = pairx;
    const int y = pairy;
    bool allowed = false;
    switch (pairdir) {
        case 0:
            allowed = x != 0 && free(x - 1, y) && free(x - 1, y + 1);
            break;  // sweeps below-left
        case 1:
            allowed = y != 0;
            break;
        case 2:
            allowed = x != 5 && free(x + 1, y);
            break;
        default:
            allowed = y != 14 && free(x, y + 1);
            break;
    }
    if (allowed) {
        pairdir = (pairdir + 1) % 4;
        showpair();
    }
}

void Game::droppair() {
    if (landing_) {
        return;
    }
    if (sound) {
        host_.playsound("drop");
    }
    while (tick() == 1) {
    }
}

void Game::showpair() {
    hideemptycells();
    const Cell b2 = ball2();
    showball(pairx, pairy, paircolor1);
    showball(b2.x, b2.y, paircolor2);
    display.curs[0] = {true, pairx};
    display.curs[1].visible = pairdir == 1 || pairdir == 3;
    if (display.curs[1].visible) {
        display.curs[1].column = b2.x;
    }
}
