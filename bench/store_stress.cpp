// Many copies of the game on one records store, at once and under every fault: copies killed at
// random moments, a reader parsing the store all along, and (with --full-disk, on a small
// tmpfs) a disk that fills and empties, now and then just as a copy begins its draft, so that
// writes fail after the copy has merged the others' records as well as before. Each copy enters
// records as the game-over window does and logs which it was told are on disk; at the end the store
// must hold exactly the best ten of the original list and those, each once. Run it with
// tools/stress.sh.
//
//   store_stress [--long] [--full-disk] DIR      the run; DIR is emptied and used as the store's
//   store_stress writer DIR ID RECORDS SEED      one copy of the game
//   store_stress reader DIR                      parses the store until killed
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Game.h"
#include "GameHost.h"
#include "GameSetup.h"
#include "QtSettingsStore.h"
#include "SilentHost.h"

namespace {

using Clock = std::chrono::steady_clock;

// Lines go straight to the kernel, so a SIGKILL loses none that were written.
void logline(int fd, const std::string& line) {
    const std::string text = line + "\n";
    [[maybe_unused]] const auto written = ::write(fd, text.data(), text.size());
}

// What the game is told: whether the update that carried a record reached the disk.
struct TellingStore : SettingsStore {
    explicit TellingStore(SettingsStore& store) : store_(store) {}
    std::optional<std::string> read(std::string_view section, std::string_view key) const override {
        return store_.read(section, key);
    }
    void write(std::string_view section, std::string_view key, std::string_view text) override {
        store_.write(section, key, text);
    }
    bool update(const std::function<void()>& change) override {
        bool ran = false;
        told = store_.update([&] {
            ran = true;
            change();
        });
        if (!told) {
            logline(log, ran ? "failed after-the-change" : "failed before-the-change");
        }
        return told;
    }
    SettingsStore& store_;
    int log = -1;
    bool told = false;
};

QString storefile(const QString& dir) {
    return dir + "/Tarvelo.conf";
}

// Scores are unique: seconds since the run began in the high digits, so most new records
// enter the list, and the copy and its record number below.
std::int32_t scorefor(int seconds, int id, int n) {
    return static_cast<std::int32_t>(seconds) * 1000000 + id * 1000 + n;
}

int writer(const QString& dir, int id, int records, unsigned seed, long long startms) {
    const int log = ::open(QFile::encodeName(dir + "/../../log-" + QString::number(id)).constData(),
                           O_WRONLY | O_CREAT | O_APPEND, 0644);
    std::mt19937 random(seed);
    SilentHost host;
    QtSettingsStore qtstore(storefile(dir));
    TellingStore store(qtstore);
    store.log = log;
    Game game(host);
    game.loadsettings(store);
    for (int n = 0; n < records; ++n) {
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 10));
        const long long nowms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
                .count();
        const int seconds = static_cast<int>((nowms - startms) / 1000) + 1;
        // Now and then a score from earlier in the run, which may not enter the list.
        set(game).display.score =
            scorefor(random() % 4 == 0 ? static_cast<int>(random() % seconds) : seconds, id, n);
        if (!game.qualifies()) {
            continue;
        }
        const std::string name = "copy" + std::to_string(id) + "-" + std::to_string(n);
        logline(log, "try " + name + " " + std::to_string(game.display().score));
        game.storerecord(store, name);
        logline(log, (store.told ? "disk " : "late ") + name);
    }
    game.savesettings(store);  // closing the window
    logline(log, store.told ? "closed disk" : "closed late");
    return 0;
}

// The store as its own text: every line a section or a key=value, 31 values in all, and no record
// twice (each name is entered once in the whole run).
struct Reading {
    int values = 0;  // -1: a line that is neither
    std::string twice;
};

Reading readstore(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    Reading r;
    std::set<std::string> names;
    while (std::getline(lines, line)) {
        if (line.empty() || (line.front() == '[' && line.back() == ']')) {
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            return {-1, {}};
        }
        ++r.values;
        const std::string name = line.substr(eq + 1);
        if (line.starts_with("Name%20") && name != "-" && !names.insert(name).second &&
            r.twice.empty()) {
            r.twice = name;
        }
    }
    return r;
}

volatile sig_atomic_t stopreading = 0;

int reader(const QString& dir) {
    const std::string path = QFile::encodeName(storefile(dir)).toStdString();
    long reads = 0, bad = 0, twice = 0;
    signal(SIGTERM, [](int) { stopreading = 1; });
    std::string firstbad;
    while (!stopreading) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        ++reads;
        const Reading reading = file ? readstore(text.str()) : Reading{-1, {}};
        if (reading.values != 31) {
            ++bad;
            if (firstbad.empty()) {
                firstbad = file ? "values " + std::to_string(reading.values) : "missing";
            }
        }
        if (!reading.twice.empty()) {
            ++twice;
            if (firstbad.empty()) {
                firstbad = reading.twice + " twice";
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::ofstream(QFile::encodeName(dir + "/../../reads").toStdString())
        << reads << ' ' << bad << ' ' << twice << ' ' << firstbad << '\n';
    return 0;
}

// ---- the run ----

struct Record {
    std::int32_t score;
    std::string name;
};

// Another process of this program; what it says on stderr (a copy warning that it could not
// write) goes to a file.
pid_t spawn(const std::vector<std::string>& args, const std::string& errors) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(fd, STDERR_FILENO);
        std::vector<char*> argv;
        for (const auto& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    return pid;
}

// The pid a lock file names; 0 for one that names nobody yet, -1 for none.
long lockholder(const QString& file) {
    std::ifstream lock(QFile::encodeName(file).toStdString());
    long pid = 0;
    lock >> pid;
    return lock || lock.eof() ? pid : -1;
}

struct Figures {
    int spawned = 0, kills = 0, killsholdinglock = 0, killstakinglock = 0, killswriting = 0,
        episodes = 0, draftepisodes = 0;
    double longesttakeover = 0;
};

// Fills the tmpfs up to a random few pages, holds it full a while, then frees it.
class Filler {
public:
    explicit Filler(const QString& disk)
        : path_(QFile::encodeName(disk + "/filler").toStdString()) {}
    // Leaves the given number of pages free.
    void fill(int spare) {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<char> block(4096, 'x');
        long size = 0;
        // At most a megabyte, so that a mistake never fills a real disk.
        for (ssize_t n; size < (1 << 20) && (n = ::write(fd, block.data(), block.size())) > 0;) {
            size += n;
        }
        [[maybe_unused]] const int r = ::ftruncate(fd, std::max(0L, size - spare * 4096L));
        ::close(fd);
    }
    void empty() { ::unlink(path_.c_str()); }

private:
    std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 7 && args[1] == "writer") {
        return writer(args[2], args[3].toInt(), args[4].toInt(), args[5].toUInt(),
                      args[6].toLongLong());
    }
    if (args.size() >= 3 && args[1] == "reader") {
        return reader(args[2]);
    }
    const bool longrun = args.contains("--long");
    const bool fulldisk = args.contains("--full-disk");
    const QString base = args.last();
    if (args.size() < 2 || base.startsWith("--")) {
        std::fprintf(stderr, "usage: store_stress [--long] [--full-disk] DIR\n");
        return 2;
    }
    QDir(base).removeRecursively();
    // The store's folder sits on its own disk: with --full-disk a small tmpfs that the run fills.
    const QString disk = base + "/disk";
    QDir().mkpath(disk);
    if (fulldisk &&
        ::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=96k") != 0) {
        std::perror("store_stress: mounting a small tmpfs");
        return 2;
    }
    const QString dir = disk + "/store";
    QDir().mkpath(dir);
    // The logs and the reader's count live beside the store's folder, off its disk.

    const int processes = 6;
    const int records = 40;
    const auto duration = std::chrono::seconds(longrun ? 290 : fulldisk ? 15 : 20);
    std::mt19937 random(20261207);

    // The original list: two that stay at the top all along, eight that are soon pushed out.
    std::vector<Record> original;
    {
        SilentHost host;
        QtSettingsStore store(storefile(dir));
        Game game(host);
        game.loadsettings(store);
        for (int k = 0; k < 10; ++k) {
            set(game).display.score = k < 2 ? 2100000000 + k : k + 1;
            game.storerecord(store, "original-" + std::to_string(k));
        }
        for (int k = 0; k < 10; ++k) {
            original.push_back({game.topscore()[k], game.topname()[k]});
        }
    }

    const long long startms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
            .count();
    const std::string errors = (base + "/errors").toStdString();
    const pid_t readerpid = spawn({"store_stress", "reader", dir.toStdString()}, errors);
    std::map<pid_t, int> running;  // pid to copy number
    Figures f;
    int nextid = 1;
    auto start = [&] {
        const int id = nextid++;
        running[spawn({"store_stress", "writer", dir.toStdString(), std::to_string(id),
                       std::to_string(records), std::to_string(random()), std::to_string(startms)},
                      errors)] = id;
        ++f.spawned;
    };
    for (int i = 0; i < processes; ++i) {
        start();
    }

    Filler filler(disk);
    std::mutex diskmutex;  // the filler and full: the main loop and the watcher
    bool full = false;
    const auto begun = Clock::now();
    auto nextkill = begun + std::chrono::milliseconds(100 + random() % 400);
    auto nextfill = begun + std::chrono::milliseconds(200 + random() % 500);
    std::atomic<bool> killing = true;
    // Now and then fills the disk to the last page just as a copy's draft is about to be written
    // (QSettings takes a lock file of its own for it then), and empties it as soon as the draft is
    // gone: the write fails after the copy has taken the lock and merged the others' records, and
    // its next write, soon after, finds those records still in the list.
    std::atomic<bool> watching = fulldisk;
    std::thread watcher([&] {
        const int fd = inotify_init1(IN_CLOEXEC);
        inotify_add_watch(fd, QFile::encodeName(dir).constData(),
                          IN_CREATE | IN_DELETE | IN_MOVED_FROM);
        std::mt19937 chance(20261208);
        std::string filledfor;  // the draft the disk was filled for
        alignas(inotify_event) char events[4096];
        pollfd ready{fd, POLLIN, 0};
        while (watching) {
            if (::poll(&ready, 1, 50) <= 0) {
                continue;
            }
            const ssize_t length = ::read(fd, events, sizeof events);
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                const std::string name = event->len > 0 ? event->name : "";
                if (!name.starts_with("Tarvelo.conf.update-")) {
                    continue;
                }
                std::lock_guard hold(diskmutex);
                if ((event->mask & IN_CREATE) && name.ends_with(".lock") && !full && killing &&
                    chance() % 8 == 0) {
                    filler.fill(0);
                    full = true;
                    filledfor = name.substr(0, name.size() - 5);
                    ++f.draftepisodes;
                } else if ((event->mask & (IN_DELETE | IN_MOVED_FROM)) && name == filledfor) {
                    filler.empty();
                    full = false;
                    filledfor.clear();
                }
            }
        }
        ::close(fd);
    });
    while (!running.empty()) {
        killing = Clock::now() - begun < duration;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        int status = 0;
        for (pid_t pid; (pid = waitpid(-1, &status, WNOHANG)) > 0;) {
            if (running.erase(pid) && killing) {
                start();
            }
        }
        if (killing && Clock::now() >= nextkill && !running.empty()) {
            auto victim = running.begin();
            std::advance(victim, random() % running.size());
            const pid_t pid = victim->first;
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);  // as a desktop reaps a killed game: no zombie holds the lock
            running.erase(victim);
            ++f.kills;
            start();
            const QString lockfile = storefile(dir) + ".update.lock";
            // A lock file that names nobody is one the copy was killed while making.
            const long holder = lockholder(lockfile);
            if (holder == pid || holder == 0) {
                // Only the lock's holder writes: any other file is what it was writing.
                ++(holder == pid ? f.killsholdinglock : f.killstakinglock);
                const QStringList files = QDir(dir).entryList(QDir::Files | QDir::Hidden);
                if (std::any_of(files.begin(), files.end(), [](const QString& name) {
                        return name != "Tarvelo.conf" && name != "Tarvelo.conf.update.lock";
                    })) {
                    ++f.killswriting;
                }
                // The next copy that wants the store takes the dead copy's lock over, given the
                // room to write its own: this loop holds up the emptying of a full disk.
                {
                    std::lock_guard hold(diskmutex);
                    if (full) {
                        filler.empty();
                        full = false;
                    }
                }
                const auto killed = Clock::now();
                while (lockholder(lockfile) == holder &&
                       Clock::now() - killed < std::chrono::seconds(60)) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
                f.longesttakeover =
                    std::max(f.longesttakeover,
                             std::chrono::duration<double>(Clock::now() - killed).count());
            }
            nextkill = Clock::now() + std::chrono::milliseconds(50 + random() % 400);
        }
        std::lock_guard hold(diskmutex);
        if (fulldisk && Clock::now() >= nextfill) {
            if (full) {
                filler.empty();
                full = false;
                nextfill = Clock::now() + std::chrono::milliseconds(100 + random() % 500);
            } else if (killing) {
                filler.fill(static_cast<int>(random() % 3));  // room for a lock file, or not
                full = true;
                ++f.episodes;
                nextfill = Clock::now() + std::chrono::milliseconds(50 + random() % 300);
            }
        }
    }
    watching = false;
    watcher.join();
    filler.empty();
    ::kill(readerpid, SIGTERM);
    waitpid(readerpid, nullptr, 0);
    const double seconds = std::chrono::duration<double>(Clock::now() - begun).count();

    // What the copies logged.
    std::map<std::string, std::int32_t> tried;
    std::map<std::string, int> failures;  // writes that failed, before or after the change ran
    std::set<std::string> ondisk, late;
    for (int id = 1; id < nextid; ++id) {
        std::ifstream log(QFile::encodeName(base + "/log-" + QString::number(id)).toStdString());
        std::vector<std::string> waiting;  // told not written: merged into this copy's next write
        std::string what, name;
        while (log >> what >> name) {
            if (what == "failed") {
                ++failures[name];
            } else if (what == "try") {
                log >> tried[name];
            } else if (what == "late") {
                waiting.push_back(name);
                late.insert(name);
            } else if (name == "late") {
                // closed late
            } else {  // "disk NAME" or "closed disk"
                if (what == "disk") {
                    waiting.push_back(name);
                }
                for (const auto& n : waiting) {
                    ondisk.insert(n);
                    late.erase(n);
                }
                waiting.clear();
            }
        }
    }

    // What the store holds.
    SilentHost host;
    QtSettingsStore store(storefile(dir));
    Game final(host);
    final.loadsettings(store);
    std::vector<Record> stored;
    for (int k = 0; k < 10; ++k) {
        stored.push_back({final.topscore()[k], final.topname()[k]});
    }

    // Expected: the best ten of the original, every record told on disk, and those told late
    // that made it after all (late is allowed, lost or twice is not).
    std::vector<Record> candidates = original;
    for (const auto& name : ondisk) {
        candidates.push_back({tried[name], name});
    }
    for (const auto& r : stored) {
        if (tried.count(r.name) && !ondisk.count(r.name)) {
            candidates.push_back({tried[r.name], r.name});
        }
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Record& a, const Record& b) { return a.score > b.score; });
    candidates.resize(10);

    bool exact = true;
    for (int k = 0; k < 10; ++k) {
        exact =
            exact && candidates[k].name == stored[k].name && candidates[k].score == stored[k].score;
    }
    std::set<std::string> names;
    bool unique = true, known = true;
    for (const auto& r : stored) {
        unique = names.insert(r.name).second && unique;
        const bool fromoriginal =
            std::any_of(original.begin(), original.end(),
                        [&](const Record& o) { return o.name == r.name && o.score == r.score; });
        known = known && (fromoriginal || (tried.count(r.name) && tried[r.name] == r.score));
    }
    long reads = 0, bad = 0, twice = 0;
    std::string firstbad;
    std::ifstream counts(QFile::encodeName(base + "/reads").toStdString());
    counts >> reads >> bad >> twice;
    std::getline(counts >> std::ws, firstbad);

    QLockFile lock(storefile(dir) + ".update.lock");
    const auto locking = Clock::now();
    const bool lockable = lock.tryLock(lock.staleLockTime());
    const double lockwait = std::chrono::duration<double>(Clock::now() - locking).count();
    lock.unlock();

    int lost = 0;
    for (const auto& c : candidates) {
        if (std::none_of(stored.begin(), stored.end(),
                         [&](const Record& s) { return s.name == c.name; })) {
            ++lost;
        }
    }
    std::printf(
        "%s run: %.0f s, %d copies at a time, %d started, %d killed (%d holding the lock, "
        "%d while taking it, %d while writing; longest stale-lock takeover %.3f s)%s\n",
        fulldisk ? "Full-disk" : "Kill", seconds, processes, f.spawned, f.kills, f.killsholdinglock,
        f.killstakinglock, f.killswriting, f.longesttakeover,
        fulldisk ? (", " + std::to_string(f.episodes) + " full-disk episodes, and " +
                    std::to_string(f.draftepisodes) + " as a draft was begun")
                       .c_str()
                 : "");
    std::printf("  writes that failed: %d before the change ran, %d after it\n",
                failures["before-the-change"], failures["after-the-change"]);
    std::printf("  records entered %zu: told on disk %zu, told not written and never after %zu\n",
                tried.size(), ondisk.size(), late.size());
    const auto check = [](bool ok, const std::string& what) {
        std::printf("  %s  %s\n", ok ? "ok  " : "FAIL", what.c_str());
        return ok;
    };
    bool passed = true;
    passed &= check(bad == 0 && twice == 0 && reads > 0,
                    "the store parsed with 31 values and no record twice every time it was read (" +
                        std::to_string(reads) + " reads, " + std::to_string(bad) + " bad, " +
                        std::to_string(twice) + " with a record twice" +
                        (firstbad.empty() ? "" : ", first: " + firstbad) + ")");
    passed &=
        check(exact, "the list is the best ten of the original and every record told on disk (" +
                         std::to_string(lost) + " lost)");
    passed &= check(unique, "no name twice");
    passed &= check(known, "nothing but entered records");
    passed &= check(
        lockable, "the lock is free for a new copy (taken in " + std::to_string(lockwait) + " s)");
    if (!exact) {
        for (int k = 0; k < 10; ++k) {
            std::printf("    %2d  expected %-14s %11d   stored %-14s %11d\n", k + 1,
                        candidates[k].name.c_str(), candidates[k].score, stored[k].name.c_str(),
                        stored[k].score);
        }
    }
    if (fulldisk) {
        ::umount(QFile::encodeName(disk).constData());
    }
    return passed ? 0 : 1;
}
