#include "Paint.h"

#include <map>
#include <utility>

RECT place(const ui::Rect& r, UINT dpi) {
    return {px(r.left, dpi), px(r.top, dpi), px(r.left + r.width, dpi), px(r.top + r.height, dpi)};
}

HFONT font(double points, UINT dpi) {
    static std::map<std::pair<int, UINT>, HFONT> fonts;
    const int tenths = static_cast<int>(points * 10 + 0.5);
    const auto key = std::make_pair(tenths == 0 ? 80 : tenths, dpi);
    auto& made = fonts[key];
    if (made == nullptr) {
        made =
            CreateFontW(-MulDiv(key.first, static_cast<int>(dpi), 720), 0, 0, 0, FW_NORMAL, FALSE,
                        FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    }
    return made;
}

namespace {

// A brush of our own, with the black pen, for one shape: put back and deleted once it is drawn,
// however the drawing ends.
class Filled {
public:
    Filled(HDC dc, HBRUSH brush)
        : dc_(dc),
          brush_(brush),
          oldbrush_(SelectObject(dc, brush)),
          oldpen_(SelectObject(dc, GetStockObject(BLACK_PEN))) {}
    ~Filled() {
        SelectObject(dc_, oldpen_);
        SelectObject(dc_, oldbrush_);
        DeleteObject(brush_);
    }
    Filled(const Filled&) = delete;
    Filled& operator=(const Filled&) = delete;

private:
    HDC dc_;
    HBRUSH brush_;
    HGDIOBJ oldbrush_;
    HGDIOBJ oldpen_;
};

}  // namespace

void drawbox(HDC dc, const RECT& r, COLORREF fill) {
    const Filled filled(dc, CreateSolidBrush(fill));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void drawhatched(HDC dc, const RECT& r) {
    const int mode = SetBkMode(dc, TRANSPARENT);
    {
        const Filled filled(dc, CreateHatchBrush(HS_FDIAGONAL, RGB(0, 0, 0)));
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    SetBkMode(dc, mode);
}

void drawball(HDC dc, const RECT& r, COLORREF fill) {
    const Filled filled(dc, CreateSolidBrush(fill));
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

void drawrule(HDC dc, const RECT& r, UINT dpi) {
    const int thickness = std::max(1, px(30, dpi));  // two pixels at 96 dots an inch
    RECT line{r.left, r.top - thickness / 2, r.right, r.top - thickness / 2 + thickness};
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void drawtext(HDC dc, const RECT& r, const std::wstring& text, ui::Align align, bool wrap,
              double points, UINT dpi) {
    UINT format = DT_NOPREFIX;
    switch (align) {
        case ui::Align::Center:
            format |= DT_CENTER | DT_VCENTER;
            break;
        case ui::Align::TopCenter:
            format |= DT_CENTER | DT_TOP;
            break;
        case ui::Align::TopLeft:
            format |= DT_LEFT | DT_TOP;
            break;
        case ui::Align::Left:
            format |= DT_LEFT | DT_VCENTER;
            break;
        case ui::Align::Right:
            format |= DT_RIGHT | DT_VCENTER;
            break;
    }
    format |= wrap ? DT_WORDBREAK : DT_SINGLELINE | DT_END_ELLIPSIS;
    RECT box = r;
    if (wrap && align == ui::Align::Center) {
        // Several lines stand in the middle of the place, as one line does.
        RECT measured = r;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
        box.top += std::max(0L, ((r.bottom - r.top) - (measured.bottom - measured.top)) / 2);
    }
    const HGDIOBJ old = SelectObject(dc, font(points, dpi));
    const int mode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
    SetBkMode(dc, mode);
    SelectObject(dc, old);
}

BufferedPaint::BufferedPaint(HWND window) : window_(window) {
    screen_ = BeginPaint(window_, &paint_);
    GetClientRect(window_, &client_);
    memory_ = CreateCompatibleDC(screen_);
    bitmap_ =
        CreateCompatibleBitmap(screen_, std::max(1L, client_.right), std::max(1L, client_.bottom));
    old_ = SelectObject(memory_, bitmap_);
    FillRect(memory_, &client_, GetSysColorBrush(COLOR_BTNFACE));
}

BufferedPaint::~BufferedPaint() {
    BitBlt(screen_, 0, 0, client_.right, client_.bottom, memory_, 0, 0, SRCCOPY);
    SelectObject(memory_, old_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
    EndPaint(window_, &paint_);
}
