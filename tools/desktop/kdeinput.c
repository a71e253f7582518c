// Keys and clicks for a headless KWin through its fake-input protocol, one command a line on
// standard input, "ok" a line on standard output:
//   key CODE [CODE...]   evdev key codes pressed in turn and released in reverse: "key 29 35" is
//                        Ctrl+H; each word is one such combination, codes joined by "+"
//   click X Y            moves the pointer there and clicks the left button
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

#include "fake-input-client-protocol.h"

static struct org_kde_kwin_fake_input* input;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
        input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
    }
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener listener = {global, global_remove};

static void settle(struct wl_display* display, long milliseconds) {
    wl_display_roundtrip(display);
    struct timespec wait = {milliseconds / 1000, (milliseconds % 1000) * 1000000};
    nanosleep(&wait, NULL);
}

int main(void) {
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "kdeinput: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (input == NULL) {
        fprintf(stderr, "kdeinput: the compositor offers no fake input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(input, "desktopcheck", "drives the game under test");
    printf("ready\n");
    fflush(stdout);
    char line[1024];
    while (fgets(line, sizeof line, stdin) != NULL) {
        char* word = strtok(line, " \n");
        if (word == NULL) {
            continue;
        }
        if (strcmp(word, "key") == 0) {
            for (char* combo = strtok(NULL, " \n"); combo != NULL; combo = strtok(NULL, " \n")) {
                unsigned codes[8];
                int n = 0;
                for (char* part = combo; n < 8 && *part != '\0';) {
                    codes[n++] = (unsigned)strtoul(part, &part, 10);
                    if (*part == '+') {
                        ++part;
                    }
                }
                for (int i = 0; i < n; ++i) {
                    org_kde_kwin_fake_input_keyboard_key(input, codes[i], 1);
                    settle(display, 20);
                }
                for (int i = n - 1; i >= 0; --i) {
                    org_kde_kwin_fake_input_keyboard_key(input, codes[i], 0);
                    settle(display, 20);
                }
                settle(display, 150);
            }
        } else if (strcmp(word, "click") == 0) {
            const double x = atof(strtok(NULL, " \n")), y = atof(strtok(NULL, " \n"));
            org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_double(x),
                                                            wl_fixed_from_double(y));
            settle(display, 100);
            org_kde_kwin_fake_input_button(input, BTN_LEFT, 1);
            settle(display, 50);
            org_kde_kwin_fake_input_button(input, BTN_LEFT, 0);
            settle(display, 50);
        }
        printf("ok\n");
        fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
