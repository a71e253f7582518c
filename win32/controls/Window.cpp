#include "Window.h"

#include "Paint.h"
#include "Utf.h"

#include <algorithm>

namespace {

constexpr wchar_t kClass[] = L"TarveloWindow";
constexpr int kFirstId = 1000;  // the system's controls are numbered from here, in tab order

// The main window's frame can be minimised; the others have a close box only. None resizes.
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

// A text to read and scroll: Tab, Enter and Esc are the window's, as anywhere in a dialog,
// where the system's multi-line edit would keep them and hold the keyboard.
WNDPROC editprocedure = nullptr;

LRESULT CALLBACK readonlytext(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    const LRESULT result = CallWindowProcW(editprocedure, hwnd, message, w, l);
    return message == WM_GETDLGCODE ? result & ~DLGC_WANTALLKEYS : result;
}

void registerclass() {
    static bool done = false;
    if (done) {
        return;
    }
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    c.hbrBackground = nullptr;  // painted whole, so never erased first
    c.lpszClassName = kClass;
    RegisterClassExW(&c);
    done = true;
}

}  // namespace

Window::~Window() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

UINT Window::dpi() const {
    return hwnd_ != nullptr ? GetDpiForWindow(hwnd_) : GetDpiForSystem();
}

void Window::create(HWND owner, HMENU menu) {
    registerclass();
    main_ = owner == nullptr;
    const DWORD style = main_ ? kMainStyle : kFormStyle;
    DWORD exstyle = main_ ? 0 : WS_EX_DLGMODALFRAME;
    if (!main_ && !IsWindowVisible(owner)) {
        exstyle |= WS_EX_APPWINDOW;  // its owner hidden, it stands in the task bar itself
    }
    const UINT at = owner != nullptr ? GetDpiForWindow(owner) : GetDpiForSystem();
    RECT frame{0, 0, px(form_.width, at), px(form_.height, at)};
    AdjustWindowRectExForDpi(&frame, style, menu != nullptr, exstyle, at);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (owner != nullptr) {
        RECT over{};
        GetWindowRect(owner, &over);
        // Centred over the owner, but whole on its monitor's work area.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& room = monitor.rcWork;
        x = std::clamp<int>((over.left + over.right - width) / 2, room.left,
                            std::max<int>(room.left, room.right - width));
        y = std::clamp<int>((over.top + over.bottom - height) / 2, room.top,
                            std::max<int>(room.top, room.bottom - height));
    }
    hwnd_ = CreateWindowExW(exstyle, kClass, widen(form_.caption).c_str(), style, x, y, width,
                            height, owner, menu, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::procedure));
    if (main_) {
        // The main window's alone: the class has none, so no dialog shows one in its caption.
        const auto icon = [at](int metric) {
            const int pixels = GetSystemMetricsForDpi(metric, at);
            return reinterpret_cast<LPARAM>(LoadImageW(GetModuleHandleW(nullptr),
                                                       MAKEINTRESOURCEW(1), IMAGE_ICON, pixels,
                                                       pixels, LR_SHARED));
        };
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, icon(SM_CXICON));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));
    }
    buildcontrols();
    layout();
}

LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, w, l);
    }
    return window->handle(message, w, l);
}

void Window::buildcontrols() {
    int id = kFirstId;
    for (const ui::Control& c : form_.controls) {
        for (int i = 0; i < c.count; ++i) {
            const wchar_t* kind = nullptr;
            DWORD style = WS_CHILD | WS_TABSTOP;
            switch (c.kind) {
                case ui::Kind::Button:
                    kind = L"BUTTON";
                    style |= c.has(ui::kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
                    break;
                case ui::Kind::TextBox:
                    kind = L"EDIT";
                    style |= WS_BORDER | ES_AUTOHSCROLL;
                    break;
                case ui::Kind::KeyField:
                    kind = L"EDIT";
                    style |= WS_BORDER | ES_READONLY;
                    break;
                case ui::Kind::TextArea:
                    kind = L"EDIT";
                    style |= WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
                    break;
                default:
                    continue;  // painted
            }
            if (!c.has(ui::kHidden)) {
                style |= WS_VISIBLE;
            }
            if (c.has(ui::kNoFocus)) {
                style &= ~WS_TABSTOP;
            }
            HWND child = CreateWindowExW(0, kind, caption(c, i).c_str(), style, 0, 0, 0, 0, hwnd_,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)),
                                         GetModuleHandleW(nullptr), nullptr);
            if (c.kind == ui::Kind::TextArea) {
                editprocedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                    child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&readonlytext)));
            }
            children_.push_back({&c, i, child});
            if (c.has(ui::kFocus) && i == 0) {
                SetFocus(child);
            }
        }
    }
}

// Places the controls and gives them the face, at the window's dots an inch.
void Window::layout() {
    const UINT at = dpi();
    for (const Child& child : children_) {
        const RECT r = place(child.control->at(child.i), at);
        MoveWindow(child.hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        SendMessageW(child.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font(child.control->points, at)), FALSE);
    }
}

std::wstring Window::caption(const ui::Control& c, int i) const {
    if (c.has(ui::kNumbered)) {
        return std::to_wstring(c.first + i);
    }
    if (c.has(ui::kRanked)) {
        return std::to_wstring(c.first + i + 1);
    }
    return widen(c.caption);
}

HWND Window::control(const ui::Control& c, int i) const {
    for (const Child& child : children_) {
        if (child.control == &c && child.i == i) {
            return child.hwnd;
        }
    }
    return nullptr;
}

HWND Window::control(std::string_view name, int i) const {
    for (const Child& child : children_) {
        if (child.control->name == name && child.i == i) {
            return child.hwnd;
        }
    }
    return nullptr;
}

const ui::Control& Window::controlof(HWND hwnd) const {
    for (const Child& child : children_) {
        if (child.hwnd == hwnd) {
            return *child.control;
        }
    }
    return form_.controls.front();
}

int Window::defaultid() const {
    for (const Child& child : children_) {
        if (child.control->has(ui::kDefault)) {
            return GetDlgCtrlID(child.hwnd);
        }
    }
    return 0;
}

void Window::repaint() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
}

void Window::paint() {
    BufferedPaint buffer(hwnd_);
    HDC dc = buffer.dc();
    const UINT at = dpi();
    for (const ui::Control& c : form_.controls) {
        for (int i = 0; i < c.count; ++i) {
            if (!shown(c, i)) {
                continue;
            }
            const RECT r = place(where(c, i), at);
            switch (c.kind) {
                case ui::Kind::Label:
                    drawtext(dc, r, caption(c, i), c.align, c.has(ui::kWrap), c.points, at);
                    break;
                case ui::Kind::Cell:
                case ui::Kind::Shape:
                    drawbox(dc, r, fill(c, i));
                    break;
                case ui::Kind::Circle:
                    drawball(dc, r, fill(c, i));
                    break;
                case ui::Kind::Hatched:
                    drawhatched(dc, r);
                    break;
                case ui::Kind::Rule:
                    drawrule(dc, r, at);
                    break;
                case ui::Kind::Picture: {  // the program's icon at its natural size
                    const int size = px(480, at);
                    auto icon = static_cast<HICON>(LoadImageW(
                        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
                    DrawIconEx(dc, r.left, r.top, icon, size, size, 0, nullptr, DI_NORMAL);
                    DestroyIcon(icon);
                    break;
                }
                default:
                    break;
            }
        }
    }
}

LRESULT Window::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            layout();
            InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        }
        case WM_COMMAND: {
            // Enter and Esc, as the system hands them to the window with the keyboard.
            if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
                const unsigned role = LOWORD(w) == IDOK ? ui::kDefault : ui::kCancel;
                for (const Child& child : children_) {
                    if (child.control->has(role)) {
                        pressed(*child.control, child.i);
                        return 0;
                    }
                }
                return 0;
            }
            if (HIWORD(w) == BN_CLICKED) {
                for (const Child& child : children_) {
                    if (child.hwnd == reinterpret_cast<HWND>(l)) {
                        pressed(*child.control, child.i);
                        return 0;
                    }
                }
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
            // The read-only fields (keys, rules) are fields to look at, not greyed out.
            SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        case DM_GETDEFID:
            return defaultid() != 0 ? MAKELRESULT(defaultid(), DC_HASDEFID) : 0;
        case WM_ACTIVATE:
            // The keyboard goes back to where it was, or to the control designed to have it.
            if (LOWORD(w) != WA_INACTIVE && !main_) {
                HWND focus = GetFocus();
                if (focus == nullptr || GetParent(focus) != hwnd_) {
                    for (const Child& child : children_) {
                        if (child.control->has(ui::kFocus) && IsWindowVisible(child.hwnd)) {
                            SetFocus(child.hwnd);
                            break;
                        }
                    }
                }
                return 0;
            }
            break;
        case WM_DESTROY: {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            closed();
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, w, l);
}
