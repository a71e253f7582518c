#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The windows as designed, in no toolkit's terms: every front end builds them from this.
namespace ui {

// Places are given in twips, 1440 to the inch: 15 to a pixel at 96 dots an inch.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// Colour values are packed 0x00BBGGRR, red in the low byte.
constexpr std::uint32_t kLightYellow = 0x00C0FFFF;  // behind every value, and the well
constexpr std::uint32_t kMarkerYellow = 0x0080FFFF;

enum class Kind {
    Label,
    Button,
    TextBox,   // one line of text to type
    KeyField,  // shows the name of the key pressed in it, takes no text
    TextArea,  // several lines, read-only, with a vertical scroll bar
    Cell,      // a light yellow rectangle with a thin outline, behind a value
    Shape,     // a filled rectangle with a thin outline, in the control's colour
    Circle,    // a filled circle with a thin outline, in the control's colour
    Hatched,   // the progress bar's filled part, hatched downwards
    Rule,      // a horizontal line two pixels thick along the top of its place
    Picture,   // the program's icon at its natural size
};

enum class Align { Center, TopCenter, TopLeft, Left, Right };

// What a control does beyond its kind.
enum Flag : unsigned {
    kHidden = 1,     // hidden when the window opens
    kWrap = 2,       // text wraps onto further lines
    kDefault = 4,    // Enter presses it
    kCancel = 8,     // Esc presses it
    kFocus = 16,     // has the keyboard when the window opens (an array's first)
    kNoFocus = 32,   // never takes the keyboard
    kNumbered = 64,  // an array whose captions are each element's index
    kRanked = 128,   // an array whose captions are each element's index plus one
};

// One control, or a control array: element i stands at place moved by (i % columns) * dx and
// (i / columns) * dy, and is indexed first + i.
struct Control {
    Kind kind;
    std::string_view name;  // the designer's name, as the game's descriptions use it
    Rect place;
    std::string_view caption = {};
    double points = 0;  // font size; 0 for the window's own
    Align align = Align::Center;
    unsigned flags = 0;
    std::uint32_t color = kLightYellow;  // shapes and circles
    int count = 1;
    int columns = 1;
    int dx = 0, dy = 0;
    int first = 0;

    Rect at(int i) const {
        return {place.left + (i % columns) * dx, place.top + (i / columns) * dy, place.width,
                place.height};
    }
    bool has(unsigned flag) const { return (flags & flag) != 0; }
};

// A window: its client area in twips and its controls in tab order.
struct Form {
    std::string_view name;
    std::string_view caption;
    int width, height;
    std::span<const Control> controls;

    // The control of that name, found as the program compiles.
    consteval const Control& operator[](std::string_view control) const {
        for (const Control& c : controls) {
            if (c.name == control) {
                return c;
            }
        }
        throw "the form has no control of that name";
    }
    constexpr bool uniquenames() const {
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                if (controls[i].name == controls[j].name) {
                    return false;
                }
            }
        }
        return true;
    }
};

}  // namespace ui
