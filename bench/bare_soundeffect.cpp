// The bare use of Qt's sound effect: a window that plays rotate.wav on every key press, for
// tools/soundcheck.sh to compare with the game.
#include <QApplication>
#include <QSoundEffect>
#include <QUrl>
#include <QWidget>

namespace {
class Window : public QWidget {
public:
    Window() {
        sound_.setSource(QUrl::fromLocalFile(TARVELO_SOUNDS_DIR "/rotate.wav"));
        setWindowTitle("bare");
        resize(200, 100);
    }

protected:
    void keyPressEvent(QKeyEvent*) override { sound_.play(); }

private:
    QSoundEffect sound_;
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Window window;
    window.show();
    return app.exec();
}
