// The settings file and the sounds: the wrong store loses settings; a bad sound must stay silent.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <QSoundEffect>

#include "GuiTest.h"
#include "SoundPlayer.h"

TEST(QtSettingsStoreTest, NativeStoreIsTheConfFileUnderXdgConfigHome) {
    {
        QtSettingsStore store;
        store.write("TopScores", "Name 1", "Пётр, Первый");
        store.write("Options", "Sound", "False");
    }
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tarvelo/Tarvelo.conf";
    EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
    QtSettingsStore again;
    EXPECT_EQ(again.read("TopScores", "Name 1"), "Пётр, Первый");
    EXPECT_EQ(again.read("Options", "Sound"), "False");
    EXPECT_FALSE(again.read("Options", "Level").has_value());
    QFile::remove(file);
}

// Names are kept exactly as typed, whatever the INI format makes of them.
TEST(QtSettingsStoreTest, AwkwardNamesRoundTrip) {
    QTemporaryDir dir;
    const std::string names[] = {"",           "  spaced  ", "a=b; c # d", "line\nbreak",
                                 "\"quoted\"", "Ёлка, ель",  "[Section]",  "back\\slash"};
    {
        QtSettingsStore store(dir.filePath("t.conf"));
        for (int i = 0; i < 8; ++i) {
            store.write("TopScores", "Name " + std::to_string(i + 1), names[i]);
        }
    }
    QtSettingsStore again(dir.filePath("t.conf"));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(again.read("TopScores", "Name " + std::to_string(i + 1)), names[i]) << i;
    }
}

TEST(QtSettingsStoreTest, HandEditedListsReadAsTheirText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.conf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[TopScores]\nName%201=a,b\nRecord%201=12\n");
    file.close();
    QtSettingsStore store(path);
    EXPECT_EQ(store.read("TopScores", "Name 1"), "a,b");
    EXPECT_EQ(store.read("TopScores", "Record 1"), "12");
}

TEST(Sounds, OurFiveSoundsAreShortWaves) {
    for (const char* name : {"drop", "rotate", "got", "level", "gameover"}) {
        QFile file(QString(TARVELO_SOUNDS_DIR) + "/" + name + ".wav");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray head = file.read(44);
        EXPECT_EQ(head.mid(0, 4), "RIFF");
        EXPECT_EQ(head.mid(8, 8), "WAVEfmt ");
        const double seconds = (file.size() - 44) / (22050.0 * 2);
        EXPECT_GT(seconds, 0.03) << name;
        EXPECT_LT(seconds, 1.5) << name;
    }
}

TEST(Sounds, MissingOrBrokenFilesAreSilent) {
    SoundPlayer none(QDir::tempPath() + "/no-such-folder");
    EXPECT_FALSE(none.loaded("drop"));
    none.play("drop");

    QTemporaryDir dir;
    QFile broken(dir.filePath("got.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a wave at all");
    broken.close();
    SoundPlayer bad(dir.path());
    EXPECT_TRUE(bad.loaded("got"));
    EXPECT_FALSE(bad.loaded("drop"));
    bad.play("got");
    bad.play("drop");
    QTest::qWait(50);

    SoundPlayer real(TARVELO_SOUNDS_DIR);
    for (const char* name : {"drop", "rotate", "got", "level", "gameover"}) {
        EXPECT_TRUE(real.loaded(name));
        real.play(name);  // no audio device here: silence, no hang
    }
    // Qt decodes on a thread of its own; let it finish before the players go.
    auto settled = [](const SoundPlayer& player) {
        for (const QSoundEffect* effect : player.findChildren<QSoundEffect*>()) {
            if (effect->status() == QSoundEffect::Loading) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return settled(real) && settled(bad); }));
    EXPECT_EQ(bad.findChild<QSoundEffect*>()->status(), QSoundEffect::Error);
}
