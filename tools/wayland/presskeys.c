// Presses keys on a virtual keyboard that looks like a physical one: its keymap is a real
// layout's (evdev key codes), so a key sends the code of its place and the layout says what it
// types, as a player's keyboard does. wtype, by contrast, makes up a keymap of its own.
//
//   presskeys LAYOUT ARG...   each ARG is an XKB key name (FK02, LEFT, AD10 for the P key) to
//                             press and release, or a number of milliseconds to wait
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include "virtual-keyboard-unstable-v1-client-protocol.h"

static struct wl_seat* seat;
static struct zwp_virtual_keyboard_manager_v1* manager;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat) {
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    } else if (strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        manager = wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
    }
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener listener = {global, global_remove};

static uint32_t now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static void wait_ms(long ms) {
    struct timespec t = {ms / 1000, (ms % 1000) * 1000000};
    nanosleep(&t, NULL);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: presskeys LAYOUT [KEYNAME | MILLISECONDS]...\n");
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "presskeys: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (!seat || !manager) {
        fprintf(stderr, "presskeys: the compositor offers no virtual keyboards\n");
        return 1;
    }

    struct xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const struct xkb_rule_names names = {"evdev", "pc105", argv[1], NULL, NULL};
    struct xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, 0);
    if (!keymap) {
        fprintf(stderr, "presskeys: no layout %s\n", argv[1]);
        return 1;
    }
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = strlen(text) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != (ssize_t)size) {
        perror("presskeys: keymap");
        return 1;
    }

    struct zwp_virtual_keyboard_v1* keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, size);
    zwp_virtual_keyboard_v1_modifiers(keyboard, 0, 0, 0, 0);
    wl_display_roundtrip(display);

    int status = 0;
    for (int i = 2; i < argc; ++i) {
        char* end;
        const long ms = strtol(argv[i], &end, 10);
        if (*end == '\0') {
            wait_ms(ms);
            continue;
        }
        const xkb_keycode_t code = xkb_keymap_key_by_name(keymap, argv[i]);
        if (code == XKB_KEYCODE_INVALID) {
            fprintf(stderr, "presskeys: no key %s\n", argv[i]);
            status = 1;
            break;
        }
        // The protocol speaks evdev codes, XKB's are 8 higher.
        zwp_virtual_keyboard_v1_key(keyboard, now(), code - 8, WL_KEYBOARD_KEY_STATE_PRESSED);
        wl_display_roundtrip(display);
        wait_ms(30);
        zwp_virtual_keyboard_v1_key(keyboard, now(), code - 8, WL_KEYBOARD_KEY_STATE_RELEASED);
        wl_display_roundtrip(display);
    }

    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    free(text);
    close(fd);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    wl_display_disconnect(display);
    return status;
}
