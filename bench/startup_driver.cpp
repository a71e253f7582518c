// Starts Tarvelo's start-up probe and the two floors in turn and compares their first paint and
// peak memory. Usage: startup_driver <runs> <tarvelo probe> <floor with sound> <bare floor>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

bool run(const char* program, Sample& sample) {
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
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    FILE* out = fdopen(fds[0], "r");
    long long painted = 0;
    long peak = 0;
    const bool ok = std::fscanf(out, "%lld %ld", &painted, &peak) == 2;
    std::fclose(out);
    int status = 0;
    waitpid(pid, &status, 0);
    sample = {(painted - start) / 1e6, peak / 1024.0};
    return ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: startup_driver <runs> <tarvelo> <floor with sound> <bare floor>\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    constexpr int kPrograms = 3;
    const char* names[kPrograms] = {"tarvelo", "bare window + 1 sound", "bare window"};
    std::vector<double> paint[kPrograms], peak[kPrograms];
    for (int i = 0; i < kPrograms * runs; ++i) {
        const int which = i % kPrograms;  // alternate, so all see the same machine
        Sample s{};
        if (!run(argv[2 + which], s)) {
            std::fprintf(stderr, "run of %s failed\n", argv[2 + which]);
            return 1;
        }
        paint[which].push_back(s.paintms);
        peak[which].push_back(s.peakmib);
    }
    std::printf("%-22s %5s %17s %15s %15s\n", "program", "runs", "first paint (ms)",
                "x bare window", "peak RSS (MiB)");
    for (int w = 0; w < kPrograms; ++w) {
        std::printf("%-22s %5d %17.1f %15.2f %15.1f\n", names[w], runs, median(paint[w]),
                    median(paint[w]) / median(paint[2]), median(peak[w]));
    }
    std::printf(
        "tarvelo: first paint %.2f x the bare window, peak memory %+.1f MiB against the bare "
        "window with one sound (medians)\n",
        median(paint[0]) / median(paint[2]), median(peak[0]) - median(peak[1]));
    return 0;
}
