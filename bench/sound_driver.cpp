// Plays a removal, a level-up and a game over through the real main window and its sound
// player, then one sound cut off by another, and prints when each sound was asked for
// (wall-clock seconds, name), for tools/soundcheck.sh to set against what was heard.
#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "GameSetup.h"
#include "MainWindow.h"
#include "QtSettingsStore.h"

namespace {

class TimedWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    void playsound(ui::Sound sound) override {
        const std::string_view name = ui::soundname(sound);
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("%.6f %.*s\n", static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9,
                    static_cast<int>(name.size()), name.data());
        std::fflush(stdout);
        MainWindow::playsound(sound);
    }
};

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A column of three balls of the first colour under the pair, which is of that colour too.
void stack(Game& game) {
    set(game).board = {};
    for (int y = 12; y < 15; ++y) {
        set(game).board[0][y] = 1;
    }
    set(game).pairx = 0;
    set(game).paircolor1 = set(game).paircolor2 = 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QtSettingsStore store(dir.filePath("driver.conf"));
    TimedWindow window(store, TARVELO_SOUNDS_DIR);
    Game& game = window.game();
    game.setanim(false);
    window.show();
    wait(2000);  // the sounds are read and reach the server after the first paint

    game.start();
    stack(game);
    game.keydown(game.keys().drop);  // a drop that removes a group
    wait(1500);
    stack(game);
    set(game).display.col = 99;  // the hundredth group
    game.keydown(game.keys().drop);
    wait(2000);
    set(game).board = {};
    for (int y = 2; y < 15; ++y) {
        set(game).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
    }
    game.keydown(game.keys().drop);  // the well is full
    wait(2000);
    window.playsound(ui::Sound::level);
    wait(250);
    window.playsound(ui::Sound::rotate);  // cuts the level-up sound off
    wait(1000);
    return 0;
}
