// The settings file, the process, the sounds and the icon's files: the wrong store or an
// unhandled signal loses settings and records; a bad sound must stay silent; a broken PNG leaves
// the menu entry without its icon.
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <fstream>

#include "GameSetup.h"
#include "GuiTest.h"
#include "Icon.h"
#include "MainWindow.h"
#include "SilentHost.h"
#include "SoundPlayer.h"
#include "TwoCopies.h"

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

// Two copies of the game on one store: the one that saves last must not write over the other's
// record, and none may be stored twice.
TEST(QtSettingsStoreTest, TwoCopiesKeepEachOthersRecords) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Tarvelo.conf");
    QtSettingsStore storea(file), storeb(file);
    TwoCopies copies;
    copies.play(storea, storeb);
    auto& [host, a, b] = copies;

    QtSettingsStore again(file);
    Game c(host);
    c.loadsettings(again);
    EXPECT_EQ(c.topname()[0], "Борис");
    EXPECT_EQ(c.topscore()[0], 300);
    EXPECT_EQ(c.topname()[1], "Аня");
    EXPECT_EQ(c.topscore()[1], 200);
    EXPECT_EQ(c.topname()[2], "-");
    EXPECT_EQ(c.topscore()[2], 0);
    EXPECT_EQ(a.topname(), c.topname());  // each copy now shows both
    EXPECT_FALSE(QFile::exists(file + ".update.lock"));

    // A copy that looked before the list filled up: its score no longer enters the list and
    // must not take the tenth place from a better record.
    QtSettingsStore stored(file);
    Game d(host);
    d.loadsettings(stored);
    for (int i = 0; i < 8; ++i) {
        set(b).display.score = 1000 + i;
        b.storerecord(storeb, "B" + std::to_string(i));
    }
    set(d).display.score = 100;
    ASSERT_TRUE(d.qualifies());
    d.storerecord(stored, "Дима");
    EXPECT_EQ(d.topname()[9], "Аня");
    EXPECT_EQ(d.topscore()[9], 200);
    EXPECT_EQ(QtSettingsStore(file).read("TopScores", "Name 10"), "Аня");
}

// A write that fails (a full disk, here a file size limit) must neither cut the store short nor
// leave anything behind: no draft, and nothing in memory that a later write of ours puts over
// another copy's records or stores twice. QSettings notices a write that fails at once, but not
// one cut short after the other copy's records were merged in. The folder is named in Russian,
// as a player's home folder may be.
TEST(QtSettingsStoreTest, FailedWriteLeavesNothingBehindUnderACyrillicFolder) {
    for (const bool cutshort : {false, true}) {
        QTemporaryDir dir(QDir::tempPath() + "/Тарвело-XXXXXX");
        const QString file = dir.filePath("Tarvelo.conf"), theirs = dir.filePath("theirs.conf");
        SilentHost host;
        // Another copy stores a record; its file replaces ours, as its own write would.
        const auto anothercopystores = [&](std::int64_t score, const char* name) {
            ASSERT_TRUE(QFile::copy(file, theirs));
            {
                QtSettingsStore store(theirs);
                Game b(host);
                b.loadsettings(store);
                set(b).display.score = score;
                b.storerecord(store, name);
            }
            ASSERT_TRUE(QFile::remove(file) && QFile::rename(theirs, file));
        };
        const auto stored = [&](const char* key) {
            return QSettings(file, QSettings::IniFormat).value(key).toString();
        };
        const QStringList onlythestore{"Tarvelo.conf"};
        QtSettingsStore ours(file);
        Game a(host);
        a.loadsettings(ours);
        a.savesettings(ours);
        anothercopystores(300, "Борис");
        {
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit saved = limit;
            limit.rlim_cur = cutshort ? static_cast<rlim_t>(QFileInfo(file).size()) + 2 : 0;
            const auto handler = signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limit);
            set(a).display.score = 200;
            a.storerecord(ours, "Аня");
            setrlimit(RLIMIT_FSIZE, &saved);
            signal(SIGXFSZ, handler);
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), onlythestore);
        EXPECT_EQ(stored("TopScores/Name 2"), "-") << cutshort;
        anothercopystores(100, "Вера");
        a.savesettings(ours);

        EXPECT_EQ(QSettings(file, QSettings::IniFormat).allKeys().size(), 31) << cutshort;
        const QStringList expected{"Борис", "Аня", "Вера", "-"};
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(stored(qPrintable(QString("TopScores/Name %1").arg(n))), expected[n - 1])
                << cutshort << " " << n;
        }
        EXPECT_EQ(stored("TopScores/Record 2"), "200") << cutshort;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), onlythestore);
    }
}

// Two copies must never write at once: while another holds the lock, an update does nothing
// and says so.
TEST(QtSettingsStoreTest, UpdateRefusedWhileAnotherCopyHoldsTheLock) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Tarvelo.conf");
    QtSettingsStore store(file);
    store.write("Options", "Sound", "False");
    QLockFile held(file + ".update.lock");
    ASSERT_TRUE(held.lock());
    bool ran = false;
    EXPECT_FALSE(store.update([&] {
        ran = true;
        store.write("Options", "Sound", "True");
    }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(QtSettingsStore(file).read("Options", "Sound"), "False");
    held.unlock();
    EXPECT_TRUE(store.update([&] { store.write("Options", "Sound", "True"); }));
    EXPECT_EQ(QtSettingsStore(file).read("Options", "Sound"), "True");
}

// A logout sends SIGTERM: the real program must save a complete store and end normally.
TEST(Process, SigtermSavesAndEnds) {
    QTemporaryDir config;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    // As in every desktop session: the sound server's client library keeps its runtime files
    // there, and without it under the config folder.
    QTemporaryDir runtime;
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(TARVELO_PROGRAM, {});
    ASSERT_TRUE(program.waitForStarted());
    // Wait until the program catches SIGTERM: bit 15 of the mask of caught signals.
    const auto catches = [&] {
        std::ifstream status("/proc/" + std::to_string(program.processId()) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("SigCgt:", 0) == 0) {
                return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
            }
        }
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor(catches, 20000));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QSettings stored(config.filePath("Tarvelo/Tarvelo.conf"), QSettings::IniFormat);
    EXPECT_EQ(stored.allKeys().size(), 31);
    EXPECT_EQ(stored.value("TopScores/Name 10").toString(), "-");
    EXPECT_EQ(QDir(config.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"Tarvelo"});
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

namespace {
// What the player asks of its output.
struct RecordingOutput : SoundOutput {
    explicit RecordingOutput(std::vector<std::string>& calls) : calls(calls) {}
    unsigned play(const std::string& name) override {
        calls.push_back("play " + name);
        return ++sounds;
    }
    void stop(unsigned sound) override { calls.push_back("stop " + std::to_string(sound)); }
    std::vector<std::string>& calls;
    unsigned sounds = 0;
};
}  // namespace

// Nothing is opened before a sound is wanted, and with the Sound option off nothing at all; a
// sound stops the one before it; a missing or broken file is silent.
TEST(Sounds, OpenedOnlyWhenWantedEachCutsOffTheLastBrokenOnesSilent) {
    QTemporaryDir dir;
    for (const char* name : {"rotate.wav", "drop.wav"}) {
        ASSERT_TRUE(QFile::copy(QString(TARVELO_SOUNDS_DIR) + "/" + name, dir.filePath(name)));
    }
    QFile broken(dir.filePath("got.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF\x10\0\0\0WAVEfmt not a wave at all");
    broken.close();

    std::vector<std::string> calls;
    int opened = 0;
    SoundPlayer player(dir.path(), nullptr, [&](SoundPlayer::Waves waves) {
        ++opened;
        EXPECT_EQ(waves.size(), 2u);
        return std::make_unique<RecordingOutput>(calls);
    });
    EXPECT_TRUE(player.loaded("rotate"));
    EXPECT_FALSE(player.loaded("got"));
    EXPECT_FALSE(player.loaded("level"));
    player.play("got");
    player.play("level");
    EXPECT_FALSE(player.opened());
    player.play("rotate");
    player.play("drop");
    player.play("rotate");
    EXPECT_EQ(calls, (std::vector<std::string>{"play rotate", "play drop", "stop 1", "play rotate",
                                               "stop 2"}));
    EXPECT_EQ(opened, 1);

    QtSettingsStore store(dir.filePath("Tarvelo.conf"));
    store.write("Options", "Sound", "False");
    MainWindow window(store, dir.path());
    window.show();
    SoundPlayer* sounds = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (sounds = window.findChild<SoundPlayer*>()); }));
    window.game().start();
    window.game().keydown(window.game().keys().drop);
    EXPECT_FALSE(sounds->opened());
}

namespace {
// A PulseAudio server of our own with a null sink, as a desktop's sound server but silent.
class PulseServer {
public:
    PulseServer() { start(); }
    ~PulseServer() { stop(); }

    bool start() {
        QFile config(dir_.filePath("server.pa"));
        if (!config.open(QIODevice::WriteOnly)) {
            return false;
        }
        config.write(QString("load-module module-native-protocol-unix socket=%1 auth-anonymous=1\n"
                             "load-module module-null-sink sink_name=check\n"
                             "set-default-sink check\n")
                         .arg(dir_.filePath("native"))
                         .toUtf8());
        config.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", dir_.path());
        environment.insert("HOME", dir_.path());
        server_.setProcessEnvironment(environment);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start("pulseaudio", {"-n", "-F", config.fileName(), "--daemonize=no",
                                     "--exit-idle-time=-1", "--use-pid-file=no"});
        return QTest::qWaitFor([this] { return pactl({"info"}).has_value(); }, 10000);
    }
    void stop() {
        server_.terminate();
        server_.waitForFinished(5000);
    }
    QByteArray address() const { return "unix:" + QFile::encodeName(dir_.filePath("native")); }
    QString log() { return QString::fromLocal8Bit(server_.readAll()); }

    // What pactl answers this server, or nothing when it cannot reach it.
    std::optional<QString> pactl(const QStringList& arguments) const {
        QProcess client;
        client.setProcessEnvironment(clientenvironment());
        client.start("pactl", arguments);
        if (!client.waitForFinished(5000) || client.exitCode() != 0) {
            return std::nullopt;
        }
        return QString::fromUtf8(client.readAllStandardOutput());
    }
    QProcessEnvironment clientenvironment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PULSE_SERVER", address());
        return environment;
    }

private:
    QTemporaryDir dir_;
    QProcess server_;
};

// Counts the sounds the server starts, as they start.
class SinkInputs {
public:
    explicit SinkInputs(const PulseServer& server) {
        events_.setProcessEnvironment(server.clientenvironment());
        events_.start("pactl", {"subscribe"});
        events_.waitForStarted();
        QTest::qWait(200);  // subscribed
    }
    ~SinkInputs() {
        events_.kill();
        events_.waitForFinished();
    }
    int started() {
        seen_ += QString::fromUtf8(events_.readAllStandardOutput());
        return static_cast<int>(seen_.count("'new' on sink-input"));
    }

private:
    QProcess events_;
    QString seen_;
};

// The names of the sounds the server is playing now.
std::string playing(const PulseServer& server) {
    QStringList names;
    for (const QString& line : server.pactl({"list", "sink-inputs"}).value_or("").split('\n')) {
        if (line.trimmed().startsWith("media.name = ")) {
            names << line.section('"', 1, 1);
        }
    }
    return names.join(' ').toStdString();
}
}  // namespace

// Through a real sound server only the last sound asked for is heard: one asked for while the
// samples are still on their way stays silent once they arrive, and one cut off by the next
// ends as that one begins. A server that goes away and comes back is found again.
TEST(Sounds, ThroughAPulseAudioServerOnlyTheLastSoundAskedPlays) {
    PulseServer server;
    ASSERT_TRUE(server.pactl({"info"}))
        << "no private PulseAudio server could be started (Debian's package pulseaudio): "
        << server.log().toStdString();
    qputenv("PULSE_SERVER", server.address());
    {
        SinkInputs inputs(server);
        SoundPlayer player(TARVELO_SOUNDS_DIR);
        player.play("got");
        player.play("gameover");  // both before their samples reach the server
        ASSERT_TRUE(QTest::qWaitFor([&] { return inputs.started() >= 1; }, 5000));
        QTest::qWait(200);
        EXPECT_EQ(inputs.started(), 1);
        EXPECT_EQ(playing(server), "gameover");

        // On a busy machine the other samples may still be on their way; here they must be there.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return server.pactl({"list", "samples", "short"}).value_or("").count("tarvelo-") ==
                       5;
            },
            5000));
        player.play("level");
        player.play("gameover");
        // "level" may be started and ended before the server sends its events; it then sends
        // neither, so only the second "gameover" is sure to be counted.
        ASSERT_TRUE(QTest::qWaitFor([&] { return inputs.started() >= 2; }, 5000));
        QTest::qWait(200);
        EXPECT_EQ(playing(server), "gameover");

        server.stop();
        player.play("rotate");  // no server: silent
        ASSERT_TRUE(server.start());
        SinkInputs again(server);
        QTest::qWait(2100);  // a missing server is asked again after two seconds
        player.play("gameover");
        EXPECT_TRUE(QTest::qWaitFor([&] { return again.started() == 1; }, 5000));
        EXPECT_EQ(playing(server), "gameover");
    }
    qunsetenv("PULSE_SERVER");
}

// The PNGs the desktop's icon theme shows, each the icon the program draws, pixel for pixel
// (a channel may differ by one, premultiplied and back).
TEST(IconFiles, EachSizeIsTheIconTheProgramDraws) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(TARVELO_ICONS_DIR "/tarvelo-%1.png").arg(size);
        const QImage image = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(image.size(), QSize(size, size)) << file.toStdString();
        const std::vector<std::uint32_t> drawn = ui::iconpixels(size);
        int differ = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb png = image.pixel(x, y);
                const std::uint32_t want = drawn[static_cast<std::size_t>(y) * size + x];
                for (const int shift : {0, 8, 16, 24}) {
                    differ += std::abs(static_cast<int>((png >> shift) & 0xFF) -
                                       static_cast<int>((want >> shift) & 0xFF)) > 1;
                }
            }
        }
        EXPECT_EQ(differ, 0) << size;
    }
}
