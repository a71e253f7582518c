#pragma once

#include <optional>
#include <string_view>

#include "MainForm.h"
#include "PageControls.h"

// A window opened over the main one: its controls from the description, and what Enter and Esc
// do there. The main window owns it and closes it when a handler says so.
class DialogPage {
public:
    enum class Result { stay, close };
    // What a key did: taken (the browser does nothing with it), and a button it pressed.
    struct Key {
        bool taken = false;
        int press = -1;
    };

    DialogPage(FormId id, const ui::Form& form);
    virtual ~DialogPage();
    DialogPage(const DialogPage&) = delete;
    DialogPage& operator=(const DialogPage&) = delete;

    FormId id() const { return id_; }
    bool has(int handle) const { return controls_.find(handle) != nullptr; }

    virtual Result clicked(int handle) = 0;
    // A key in the window, on the element with the keyboard.
    virtual Key keydown(int handle, std::optional<std::int32_t> code);
    virtual void picked(int /*handle*/, std::uint32_t /*color*/) {}
    virtual void repaint() {}

    static int window(FormId id) { return static_cast<int>(id) + 1; }

protected:
    const ui::Form& form_;
    PageControls controls_;

private:
    FormId id_;
};
