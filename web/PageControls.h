#pragma once

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Layout.h"

// Layouts are designed in twips; 15 twips are one CSS pixel.
inline int px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

// A window's controls, made in the page from the description in tab order. The painted kinds
// (shapes, circles, the hatched bar) are left to the owner, which paints them on canvases.
class PageControls {
public:
    using Owner = std::function<void(const ui::Control&, int index)>;
    PageControls(int window, const ui::Form& form, const Owner& owner = {});

    int window() const { return window_; }
    // The element made for a control, or an element of an array.
    int operator()(const ui::Control& control, int index = 0) const;
    // The control a handle belongs to, or null.
    const ui::Control* find(int handle, int* index = nullptr) const;
    // A canvas over a place of the window, for its owner to paint.
    int canvas(const char* name, const ui::Rect& place) const;

private:
    struct Made {
        const ui::Control* control;
        int index;
        int handle;
    };
    int window_;
    std::vector<Made> made_;
};

std::string controlname(const ui::Control& c, int index);
