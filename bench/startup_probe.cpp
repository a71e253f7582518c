// Starts a window, reports the moment of its first paint and the peak memory, and quits.
// Built twice: as Tarvelo's start-up, and as the floor, a bare window of the same shape.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <ctime>

#include "BenchCommon.h"

#ifdef TARVELO_FLOOR
#include "Twips.h"
#else
#include "Application.h"
#include "MainWindow.h"
#include "QtSettingsStore.h"
#endif

namespace {

long long monotonicns() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// Reports the first paint of the widget it watches, then ends the program.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%lld %ld\n", monotonicns(), peakkib());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

#ifdef TARVELO_FLOOR
class Area : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(255, 255, 192));
    }
};
#endif

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint probe;
#ifdef TARVELO_FLOOR
    QMainWindow window;
    for (const char* title : {"&Игра", "Нач. &уровень", "&Настройки", "&Справка"}) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (int i = 0; i < 4; ++i) {
            menu->addAction(QString("&%1").arg(i + 1));
        }
    }
    auto* area = new Area(&window);
    area->setFixedSize(tw(4332), tw(4104));
    window.setCentralWidget(area);
    QSoundEffect sound;
    sound.setSource(QUrl::fromLocalFile(TARVELO_SOUNDS_DIR "/drop.wav"));
    QWidget* watched = area;
#else
    prepareapplication(app);
    QTemporaryDir dir;
    QtSettingsStore store(dir.filePath("bench.conf"));
    MainWindow window(store, TARVELO_SOUNDS_DIR);
    QWidget* watched = window.findChild<QWidget*>("well");
#endif
    watched->installEventFilter(&probe);
    window.show();
    return app.exec();
}
