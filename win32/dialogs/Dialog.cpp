#include "Dialog.h"

Dialog::Dialog(const ui::Form& form, HWND owner, std::function<void()> unloaded)
    : Window(form), owner_(owner), unloaded_(std::move(unloaded)) {}

void Dialog::open() {
    create(owner_);
    ShowWindow(hwnd(), SW_SHOW);
}

void Dialog::close() {
    const HWND window = hwnd();
    unload();
    // The main window, enabled by now, is made active while this one still stands: the X
    // server under Wine ignores a focus asked after the closing window took its own along.
    if (GetActiveWindow() == window && IsWindowEnabled(owner_)) {
        SetActiveWindow(owner_);
    }
    DestroyWindow(window);
}

void Dialog::unload() {
    if (!told_) {
        told_ = true;
        unloaded_();
    }
}

LRESULT Dialog::handle(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_CLOSE) {  // the close box, Alt+F4, the system menu
        close();
        return 0;
    }
    return Window::handle(message, w, l);
}
