// Starts start-up probes in turn and compares their first paint and peak memory: each probe says
// "painted" on stdout at its first paint, timed here from just before the exec, and then its peak
// memory in KiB. The last probe is the floor the others are measured against. With --launcher,
// each probe runs through that program (Wine for the Windows ones).
//   startup_driver [--launcher PROGRAM] <runs> <probe>...
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "BenchCommon.h"

namespace {

long long monotonicns() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

struct Sample {
    double paintms;
    double peakmib;
};

bool run(const char* launcher, const char* program, Sample& sample) {
    int fds[2];
    if (pipe(fds) != 0) {
        return false;
    }
    const long long start = monotonicns();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        if (launcher != nullptr) {
            execlp(launcher, launcher, program, static_cast<char*>(nullptr));
        } else {
            execl(program, program, static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    close(fds[1]);
    FILE* out = fdopen(fds[0], "r");
    char word[16] = {};
    long peak = 0;
    const bool painted = std::fscanf(out, "%15s", word) == 1 && std::strcmp(word, "painted") == 0;
    const long long paintedat = monotonicns();
    const bool ok = painted && std::fscanf(out, "%ld", &peak) == 1;
    std::fclose(out);
    int status = 0;
    waitpid(pid, &status, 0);
    sample = {(paintedat - start) / 1e6, peak / 1024.0};
    return ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string nameof(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

}  // namespace

int main(int argc, char** argv) {
    const char* launcher = nullptr;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--launcher") == 0) {
        launcher = argv[2];
        first = 3;
    }
    if (argc - first < 3) {
        std::fprintf(stderr, "usage: startup_driver [--launcher PROGRAM] <runs> <probe>...\n");
        return 2;
    }
    const int runs = std::atoi(argv[first]);
    const std::vector<const char*> probes(argv + first + 1, argv + argc);
    const size_t n = probes.size();
    std::vector<std::vector<double>> paint(n), peak(n);
    // One run of each unmeasured first, so that none pays for filling the caches.
    for (size_t i = 0; i < n * (runs + 1); ++i) {
        const size_t which = i % n;  // alternate, so all see the same machine
        Sample s{};
        if (!run(launcher, probes[which], s)) {
            std::fprintf(stderr, "run of %s failed\n", probes[which]);
            return 1;
        }
        if (i >= n) {
            paint[which].push_back(s.paintms);
            peak[which].push_back(s.peakmib);
        }
    }
    const std::string floor = nameof(probes.back());
    std::printf("%-22s %5s %17s %20s %17s\n", "probe", "runs", "first paint (ms)",
                ("x " + floor).c_str(), "peak memory (MiB)");
    for (size_t w = 0; w < n; ++w) {
        std::printf("%-22s %5d %17.1f %20.2f %17.1f\n", nameof(probes[w]).c_str(), runs,
                    median(paint[w]), median(paint[w]) / median(paint.back()), median(peak[w]));
    }
    for (size_t w = 0; w + 1 < n; ++w) {
        std::printf("%s: first paint %.2f x %s, peak memory %+.1f MiB against it (medians)\n",
                    nameof(probes[w]).c_str(), median(paint[w]) / median(paint.back()),
                    floor.c_str(), median(peak[w]) - median(peak.back()));
    }
    return 0;
}
