#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Forms.h"

// What the main window shows. The engine writes it; the window only paints it.
struct DisplayState {
    struct Circle {
        bool visible = false;
        std::uint32_t color = 0;  // 0x00BBGGRR
    };
    struct Marker {
        bool visible = false;
        int column = 0;  // the marker's left edge is that of this column's cells
    };

    std::array<Circle, ui::mainform["ball"].count> ball{};  // cell (x, y) is ball[y * 6 + x]
    std::array<std::uint32_t, 2> next{ui::kLightYellow, ui::kLightYellow};
    std::array<Marker, 2> curs{Marker{false, 2}, Marker{false, 3}};

    std::int64_t score = 0;
    std::int64_t col = 0;  // groups removed in this game
    int level = 1;
    bool countersvisible = true;                     // score, col, level and the progress bar
    double perc = ui::mainform["perc"].place.width;  // the progress bar's width in twips

    std::string info{ui::mainform["info"].caption};  // the hint, or a level reached
    bool infovisible = true;

    bool command1 = true;       // "Начать(F2)"
    bool command2 = false;      // "Продолжить"
    bool pauseenabled = false;  // m_pause: a game is under way
};
