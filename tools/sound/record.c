// Records a sound server's sink monitor into a raw file of 16-bit mono samples at 48 kHz until
// it is told to stop (SIGTERM), then prints the wall-clock time of its first sample, so that
// what was heard can be set against when it was asked for. That time is the latest the samples'
// arrival allows, so an onset measured against it is never too short.
//
//   record SOURCE FILE
#include <pulse/error.h>
#include <pulse/simple.h>
#include <signal.h>
#include <stdio.h>
#include <time.h>

static volatile sig_atomic_t stopping = 0;

static void stop(int signal) {
    (void)signal;
    stopping = 1;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: record SOURCE FILE\n");
        return 2;
    }
    const pa_sample_spec format = {PA_SAMPLE_S16LE, 48000, 1};
    // Small fragments, so each read is timed closely.
    const pa_buffer_attr attr = {(uint32_t)-1, (uint32_t)-1, (uint32_t)-1, (uint32_t)-1, 480 * 2};
    int error = 0;
    pa_simple* s = pa_simple_new(NULL, "soundcheck", PA_STREAM_RECORD, argv[1], "monitor", &format,
                                 NULL, &attr, &error);
    if (!s) {
        fprintf(stderr, "record: %s\n", pa_strerror(error));
        return 1;
    }
    FILE* out = fopen(argv[2], "wb");
    signal(SIGTERM, stop);
    signal(SIGINT, stop);
    short buffer[480];
    double start = 1e300;
    for (long i = 0; !stopping; ++i) {
        if (pa_simple_read(s, buffer, sizeof buffer, &error) < 0) {
            fprintf(stderr, "record: %s\n", pa_strerror(error));
            return 1;
        }
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        fwrite(buffer, sizeof buffer, 1, out);
        // No chunk arrives before its last sample is taken.
        const double bound = now.tv_sec + now.tv_nsec / 1e9 - (i + 1) * 0.01;
        if (bound < start) {
            start = bound;
        }
    }
    fclose(out);
    printf("%.6f\n", start);
    pa_simple_free(s);
    return 0;
}
