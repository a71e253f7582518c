#pragma once

#include <cstdint>

// What the page does for the C++ side (page/page.js). Places and sizes are CSS pixels; handles
// number the elements made; windows are numbered 0 for the main one and a form's number + 1.
extern "C" {
// After the main window is made: the largest other window's client area, to fit the page.
void tv_setup(int largestwidth, int largestheight);
int tv_window(int window, const char* caption, int width, int height, bool closebox);
void tv_closewindow(int window);
int tv_control(int window, int kind, const char* name, int x, int y, int width, int height,
               const char* caption, double points, int align, bool wrap, bool focusable);
void tv_settext(int handle, const char* text);
char* tv_gettext(int handle);                  // malloc'd
void tv_settip(int handle, const char* text);  // a tooltip, where the control cuts it short
void tv_show(int handle, bool shown);
void tv_focus(int handle, bool select);
void tv_enablewindow(int window, bool enabled);
void tv_hidewindow(int window);
void tv_beep();
void tv_pickcolor(int handle, std::uint32_t color);

// Painting a canvas control: begin, then boxes and balls in its own pixels.
void tv_begin(int handle);
void tv_box(double x, double y, double width, double height, std::uint32_t color, bool hatched);
void tv_ball(double x, double y, double width, double height, std::uint32_t color);
void tv_painted(int handle);

int tv_menutitle(const char* caption);
int tv_menuitem(int menu, const char* caption, const char* shortcut, bool checkable);
void tv_menustate(int menu, int item, bool enabled, bool checked);

char* tv_storeread(const char* key);                    // malloc'd, or null when absent
bool tv_storewrite(const char* key, const char* text);  // null text: removed
void tv_storefailed(const char* text);
void tv_withlock(int task);

void tv_soundname(const char* name);
void tv_play(const char* name);
void tv_touchbutton(int action, const char* label, bool repeats);
void tv_wakelock(bool on);
void tv_endprogram();
}
