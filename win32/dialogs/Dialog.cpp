#include "Dialog.h"

Dialog::Dialog(const ui::Form& form, HWND owner, std::function<void()> unloaded)
    : Window(form), owner_(owner), unloaded_(std::move(unloaded)) {}

void Dialog::open() {
    create(owner_);
    ShowWindow(hwnd(), SW_SHOW);
}
