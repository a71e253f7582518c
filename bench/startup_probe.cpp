// Starts a window, says when it first paints, reports the peak memory and quits.
// Built three times: as Tarvelo's start-up, and as two floors, a bare window of the same shape
// with one loaded sound effect (TARVELO_FLOOR) and without any (TARVELO_BARE, which does not
// even link Qt Multimedia).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "BenchCommon.h"

#if defined(TARVELO_FLOOR) || defined(TARVELO_BARE)
#define BARE_WINDOW
#include "Twips.h"
#ifdef TARVELO_FLOOR
#include <QSoundEffect>
#include <QUrl>
#endif
#else
#include "Application.h"
#include "MainWindow.h"
#include "QtSettingsStore.h"
#endif

namespace {

// Says so on stdout at the first paint of the widget it watches, for the driver to time; a
// moment later, when whatever follows the first paint has loaded too, reports the peak memory
// and ends the program.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            std::printf("painted\n");
            std::fflush(stdout);
            QTimer::singleShot(500, [] {
                std::printf("%ld\n", peakkib());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

#ifdef BARE_WINDOW
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
#ifdef BARE_WINDOW
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
#ifdef TARVELO_FLOOR
    QSoundEffect sound;
    sound.setSource(QUrl::fromLocalFile(TARVELO_SOUNDS_DIR "/drop.wav"));
#endif
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
