// Starts Tarvelo's start-up probe and the floor program in turn and compares their first
// paint and peak memory. Usage: startup_driver <tarvelo probe> <floor probe> [runs]
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
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_driver <tarvelo probe> <floor probe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    std::vector<double> paint[2], peak[2];
    for (int i = 0; i < 2 * runs; ++i) {
        const int which = i % 2;  // alternate, so both see the same machine
        Sample s{};
        if (!run(argv[1 + which], s)) {
            std::fprintf(stderr, "run of %s failed\n", argv[1 + which]);
            return 1;
        }
        paint[which].push_back(s.paintms);
        peak[which].push_back(s.peakmib);
    }
    std::printf("%-10s %6s %18s %18s\n", "program", "runs", "first paint (ms)", "peak RSS (MiB)");
    const char* names[] = {"tarvelo", "floor"};
    for (int w = 0; w < 2; ++w) {
        std::printf("%-10s %6d %18.1f %18.1f\n", names[w], runs, median(paint[w]), median(peak[w]));
    }
    std::printf("ratio of medians: first paint %.2f x floor, peak memory floor %+.1f MiB\n",
                median(paint[0]) / median(paint[1]), median(peak[0]) - median(peak[1]));
    return 0;
}
