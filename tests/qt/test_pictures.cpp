// The main window's client as the player sees it during a game, frame by frame, against the
// pictures in tests/pictures/frames/. Exact: the suite renders offscreen with the machine's own
// fonts. A picture that differs is written to pictures/ beside the suite with NAME-diff.png
// beside it (differing pixels in red); TARVELO_ACCEPT_PICTURES=1 takes the new ones on purpose.
#include <QDir>
#include <QImage>
#include <vector>

#include "GameSetup.h"
#include "GuiTest.h"

namespace {

struct Frame {
    QImage picture;
    int milliseconds;
};

// Empty when the picture is its reference.
std::string against(const QImage& taken, const char* name) {
    const QString reference = QStringLiteral(TARVELO_PICTURES_DIR "/%1.png").arg(name);
    const QImage image = taken.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("TARVELO_ACCEPT_PICTURES") == 1) {
        image.save(reference);
        return {};
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    if (expected == image) {
        return {};
    }
    QDir().mkpath("pictures");
    image.save(QStringLiteral("pictures/%1.png").arg(name));
    int differ = 0;
    if (expected.size() == image.size()) {
        QImage diff =
            image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != expected.pixel(x, y)) {
                    diff.setPixel(x, y, qRgb(255, 0, 0));
                    ++differ;
                }
            }
        }
        diff.save(QStringLiteral("pictures/%1-diff.png").arg(name));
    }
    return std::string(name) + ": " + std::to_string(differ) + " pixels differ (sizes " +
           std::to_string(image.width()) + "x" + std::to_string(image.height()) + " and " +
           std::to_string(expected.width()) + "x" + std::to_string(expected.height()) +
           "), see pictures/ in the build";
}

}  // namespace

class PicturesTest : public GuiTest {
protected:
    QImage client() const { return window->centralWidget()->grab().toImage(); }

    // Each frame of the blinks under way, as the blink's timer would show them.
    std::vector<Frame> film() {
        std::vector<Frame> frames;
        for (int guard = 0; game().blinkclock().running && guard < 100; ++guard) {
            frames.push_back({client(), game().blinkclock().period});
            window->form().blink_Timer();
        }
        return frames;
    }
};

// A laid-out board, the 100th group blinking away and the level-up message blinking after it.
TEST_F(PicturesTest, TheWellInPlayAndEveryBlinkFrame) {
    game().setanim(true);
    key(Qt::Key_F2);
    setrows(game(), {
                        "3...2.",
                        "3.1.24",
                        "421432",
                    });
    set(game()).display.col = 99;
    set(game()).display.perc = ui::mainform["percfull"].place.width * 0.99;
    set(game()).display.score = 1234;
    set(game()).paircolor1 = set(game()).paircolor2 = 1;
    set(game()).nextcolor = {3, 4};
    set(game()).display.next = {game().palette()[3], game().palette()[4]};
    set(game()).pairx = 3;
    set(game()).pairdir = 1;  // lying, ball 2 on the left: both markers
    game().drawboard();
    game().showpair();
    window->render();
    EXPECT_EQ(against(client(), "board"), "");

    // Upright over column 2: with the two ones there, four.
    set(game()).pairx = 2;
    set(game()).pairdir = 0;
    game().showpair();
    key(Qt::Key_Down);
    const std::vector<Frame> f = film();
    ASSERT_EQ(f.size(), 15u);
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(f[i].milliseconds, i < 7 ? 75 : 100) << "frame " << i;
    }
    for (std::size_t i = 2; i < 7; ++i) {
        EXPECT_TRUE(f[i].picture == f[i - 2].picture) << "frame " << i;
    }
    for (std::size_t i = 9; i < 15; ++i) {
        EXPECT_TRUE(f[i].picture == f[i - 2].picture) << "frame " << i;
    }
    EXPECT_EQ(against(f[0].picture, "blink-hidden"), "");
    EXPECT_EQ(against(f[1].picture, "blink-shown"), "");
    EXPECT_EQ(against(f[7].picture, "levelup-shown"), "");
    EXPECT_EQ(against(f[8].picture, "levelup-hidden"), "");
    EXPECT_EQ(game().display().level, 2);
}
