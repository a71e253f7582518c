#pragma once

#include <array>
#include <cstdint>
#include <string>

// What the main window shows. The engine writes it; the window only paints it.
struct DisplayState {
    static constexpr double kDesignPercWidth = 12;  // twips, before the first group of a run
    static constexpr double kPercFullWidth = 972;   // twips, the frame of the progress bar
    static constexpr std::uint32_t kWellColor = 0x00C0FFFF;

    struct Circle {
        bool visible = false;
        std::uint32_t color = 0;  // 0x00BBGGRR
    };
    struct Marker {
        bool visible = false;
        int column = 0;  // the marker's left edge is that of this column's cells
    };

    std::array<Circle, 90> ball{};  // cell (x, y) is ball[y * 6 + x]
    std::array<std::uint32_t, 2> next{kWellColor, kWellColor};
    std::array<Marker, 2> curs{Marker{false, 2}, Marker{false, 3}};

    std::int64_t score = 0;
    std::int64_t col = 0;  // groups removed in this game
    int level = 1;
    bool countersvisible = true;     // score, col, level and the progress bar
    double perc = kDesignPercWidth;  // width of the progress bar in twips

    std::string info = "Вы можете задать начальный уровень в меню.";
    bool infovisible = true;

    bool command1 = true;       // "Начать(F2)"
    bool command2 = false;      // "Продолжить"
    bool pauseenabled = false;  // m_pause: a game is under way
};
