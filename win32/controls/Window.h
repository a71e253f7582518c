#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Layout.h"

// One of the game's windows, built from its description: the buttons, text boxes and key fields
// are the system's controls, created in tab order; labels, value boxes, shapes, circles, rules
// and the icon are painted, into a bitmap first so that nothing flickers. What a window shows
// beyond its design comes from the hooks below.
class Window {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    const ui::Form& design() const { return form_; }
    UINT dpi() const;

    // The system's control for a control of the design, or an element of a control array.
    HWND control(const ui::Control& c, int i = 0) const;
    HWND control(std::string_view name, int i = 0) const;  // for tests, which walk the design
    const ui::Control& controlof(HWND child) const;

    // Paints the window again, now.
    void repaint();

protected:
    explicit Window(const ui::Form& form) : form_(form) {}

    // The main window: a fixed frame that can be minimised; the others: fixed, with a close box
    // only, owned by owner and centred over it, so that they stand in the task bar only while
    // their owner is hidden.
    void create(HWND owner, HMENU menu = nullptr);

    virtual LRESULT handle(UINT message, WPARAM w, LPARAM l);

    // The hooks: where a painted control stands, whether it shows, its colour and its text.
    virtual ui::Rect where(const ui::Control& c, int i) const { return c.at(i); }
    virtual bool shown(const ui::Control& c, int) const { return !c.has(ui::kHidden); }
    virtual COLORREF fill(const ui::Control& c, int) const { return c.color; }
    virtual std::wstring caption(const ui::Control& c, int i) const;
    // A button of the design was pressed.
    virtual void pressed(const ui::Control&, int) {}
    // The window is gone, however it was closed.
    virtual void closed() {}

private:
    struct Child {
        const ui::Control* control;
        int i;
        HWND hwnd;
    };

    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    void buildcontrols();
    void layout();
    void paint();
    int defaultid() const;

    const ui::Form& form_;
    HWND hwnd_ = nullptr;
    std::vector<Child> children_;
    bool main_ = false;
};
