#pragma once

#include <functional>

#include "Window.h"

// A window opened over the main one: owned by it, centred over it, closed by its buttons, Enter,
// Esc, Alt+F4 or its close box, and telling its opener it is closing, however that was.
class Dialog : public Window {
public:
    // The opener is told first, and enables the main window while this one still stands: the
    // system activates the owner of a closing window only when it is enabled, and otherwise
    // leaves no window with the keyboard.
    void close();

protected:
    Dialog(const ui::Form& form, HWND owner, std::function<void()> unloaded);

    // Each dialog's constructor ends here, once what its hooks read is set.
    void open();
    LRESULT handle(UINT message, WPARAM w, LPARAM l) override;
    void closed() override { unload(); }

private:
    void unload();

    HWND owner_;
    std::function<void()> unloaded_;
    bool told_ = false;
};
