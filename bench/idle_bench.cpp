// What the program costs while nothing moves: CPU time and voluntary context switches of the
// whole process, read from /proc, over a few seconds in each state.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "Application.h"
#include "BenchWindow.h"
#include "GameSetup.h"

namespace {

struct Counters {
    double cpums = 0;
    long switches = 0;
};

Counters counters() {
    Counters c;
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15) {
            stime = std::stol(field);
            break;
        }
    }
    c.cpums = 1000.0 * (utime + stime) / sysconf(_SC_CLK_TCK);
    for (const QString& task :
         QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream status(("/proc/self/task/" + task + "/status").toStdString());
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0) {
                c.switches += std::stol(line.substr(24));
            }
        }
    }
    return c;
}

void measure(const char* state, double seconds) {
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);  // let the state settle
    loop.exec();
    const Counters before = counters();
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    const Counters after = counters();
    std::printf("%-34s %10.1f %14.2f\n", state, after.cpums - before.cpums,
                (after.switches - before.switches - 1) / seconds);  // minus our own wake-up
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareapplication(app);
    BenchWindow bench;
    MainWindow& window = bench.window;
    Game& game = window.game();
    const double seconds = 5;

    // Sound on, as a player has it: the sound server, when there is one, is reached after the
    // first paint, and a sound has played before each state is measured.
    game.setsound(true);
    QEventLoop loop;
    QTimer::singleShot(1500, &loop, &QEventLoop::quit);
    loop.exec();
    window.playsound(ui::Sound::rotate);

    std::printf("%-34s %10s %14s\n", "state (5 s each)", "CPU (ms)", "wake-ups / s");
    measure("idle", seconds);
    game.start();
    window.render();
    measure("running, level 1 (2.5 ticks/s)", seconds);
    game.keydown(game.keys().rotate);  // a sound, then the pause
    game.pause();
    window.render();
    measure("paused", seconds);
    // No record: the name box and its cursor stay hidden.
    for (int n = 1; n <= 10; ++n) {
        bench.store.write("TopScores", "Record " + std::to_string(n), "1000000");
    }
    game.loadsettings(bench.store);
    game.setsound(true);
    for (int y = 2; y < 15; ++y) {
        set(game).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
    }
    game.keydown(game.keys().drop);
    window.render();
    measure("game over window open", seconds);
    return 0;
}
