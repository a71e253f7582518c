#pragma once

#include <windows.h>

#include <string>

#include "Layout.h"

// Places in twips to pixels at the window's dots an inch: 15 twips a pixel at 96.
inline int px(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}
RECT place(const ui::Rect& r, UINT dpi);

// The window's text face, "MS Sans Serif" with its Cyrillic letters, at a size in points (0 for
// the windows' own, 8), for the dots an inch it is drawn at. Kept for the program's run.
HFONT font(double points, UINT dpi);

// The filled shapes of every window, all with the same one-pixel black outline.
void drawbox(HDC dc, const RECT& r, COLORREF fill);
void drawhatched(HDC dc, const RECT& r);  // hatched downwards, black on what is beneath
void drawball(HDC dc, const RECT& r, COLORREF fill);
void drawrule(HDC dc, const RECT& r, UINT dpi);  // two pixels thick along the top
// Plain text, never markup or mnemonics; a line too long for its place ends in "…".
void drawtext(HDC dc, const RECT& r, const std::wstring& text, ui::Align align, bool wrap,
              double points, UINT dpi);

// A window's painting done into a bitmap first and put on the screen whole, so that nothing
// flickers.
class BufferedPaint {
public:
    explicit BufferedPaint(HWND window);
    ~BufferedPaint();
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    HDC dc() const { return memory_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC screen_;
    HDC memory_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    RECT client_{};
};
