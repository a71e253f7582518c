// What the page tells the C++ side: each event goes to the main window.
#include "Events.h"

#include <emscripten/emscripten.h>

#include "MainPage.h"

namespace {
MainPage* page = nullptr;
}

void listen(MainPage& main) {
    page = &main;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void tv_clicked(int handle) {
    page->clicked(handle);
}

EMSCRIPTEN_KEEPALIVE bool tv_keydown(int window, int handle, const char* key, const char* code,
                                     bool repeat, bool ctrl, bool alt) {
    return page->keydown(window, handle, key, code, repeat, ctrl, alt);
}

EMSCRIPTEN_KEEPALIVE void tv_closebox(int window) {
    page->closebox(window);
}

EMSCRIPTEN_KEEPALIVE void tv_menu(int menu, int item) {
    page->menu(menu, item);
}

EMSCRIPTEN_KEEPALIVE void tv_picked(int handle, std::uint32_t color) {
    page->picked(handle, color);
}

EMSCRIPTEN_KEEPALIVE void tv_repaint() {
    if (page != nullptr) {  // the page fits itself first while the main window is made
        page->repaint();
    }
}

EMSCRIPTEN_KEEPALIVE void tv_hidden() {
    page->hidden();
}

EMSCRIPTEN_KEEPALIVE void tv_closed() {
    page->closed();
}

EMSCRIPTEN_KEEPALIVE void tv_locked(int task) {
    page->locked(task);
}

EMSCRIPTEN_KEEPALIVE void tv_touch(int action, bool repeat) {
    page->touch(action, repeat);
}
}
