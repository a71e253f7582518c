#pragma once

#include <functional>

#include "Window.h"

// A window opened over the main one: owned by it, centred over it, closed by its buttons, Enter,
// Esc or its close box, and telling its opener when it has gone, however that was.
class Dialog : public Window {
public:
    void close() { DestroyWindow(hwnd()); }

protected:
    Dialog(const ui::Form& form, HWND owner, std::function<void()> unloaded);

    // Each dialog's constructor ends here, once what its hooks read is set.
    void open();
    void closed() override { unloaded_(); }

private:
    HWND owner_;
    std::function<void()> unloaded_;
};
