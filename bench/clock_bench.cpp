// How evenly the real main window's clock ticks: intervals against the period, per level.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "Application.h"
#include "BenchCommon.h"
#include "BenchWindow.h"
#include "GameSetup.h"

namespace {

struct Result {
    double median, p99, meaninterval;
};

Result measure(MainWindow& window, int level, int ticks, Qt::TimerType type) {
    Game& game = window.game();
    auto* timer1 = window.findChild<QTimer*>("Timer1");
    game.setstartlevel(level);
    game.restart();
    timer1->setTimerType(type);
    window.render();
    std::vector<double> intervals;
    QElapsedTimer clock;
    QEventLoop loop;
    qint64 last = -1;
    clock.start();
    // Connected after the window's own handler, so it runs once the tick is done.
    auto connection = QObject::connect(timer1, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0) {
            intervals.push_back((now - last) / 1e6);
        }
        last = now;
        if (game.pairy() > 10) {
            set(game).pairy = 0;  // keep the pair falling: the game must not end mid-measure
        }
        if (static_cast<int>(intervals.size()) >= ticks) {
            loop.quit();
        }
    });
    loop.exec();
    QObject::disconnect(connection);
    timer1->setTimerType(Qt::PreciseTimer);
    const double period = game.clock().period;
    std::vector<double> errors;
    for (double interval : intervals) {
        errors.push_back(std::abs(interval - period));
    }
    return {median(errors), percentile(errors, 0.99), mean(intervals)};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareapplication(app);
    BenchWindow bench;
    MainWindow& window = bench.window;
    window.game().setanim(false);

    std::printf("%-28s %6s %6s %12s %10s %12s %10s\n", "clock", "period", "ticks", "median |err|",
                "p99 |err|", "mean (ms)", "mean/period");
    struct Run {
        const char* name;
        int level, ticks;
        Qt::TimerType type;
    } runs[] = {
        {"level 1, Qt::PreciseTimer", 1, 200, Qt::PreciseTimer},
        {"level 8, Qt::PreciseTimer", 8, 400, Qt::PreciseTimer},
        {"level 1, Qt::CoarseTimer", 1, 100, Qt::CoarseTimer},
    };
    for (const Run& run : runs) {
        const Result r = measure(window, run.level, run.ticks, run.type);
        const int period = 450 - 50 * run.level;
        std::printf("%-28s %6d %6d %9.3f ms %7.3f ms %12.3f %9.4f%%\n", run.name, period, run.ticks,
                    r.median, r.p99, r.meaninterval, 100.0 * (r.meaninterval - period) / period);
    }
    return 0;
}
