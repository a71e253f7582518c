#include "ColorDialog.h"

#include <commdlg.h>

#include "Forms.h"
#include "Late.h"

namespace {
constexpr const ui::Control& kCol = ui::colorform["col"];
constexpr const ui::Control& kCcc = ui::colorform["ccc"];
constexpr const ui::Control& kOk = ui::colorform["Command1"];
}  // namespace

ColorDialog::ColorDialog(Game& game, HWND owner, std::function<void()> unloaded)
    : Dialog(ui::colorform, owner, std::move(unloaded)), choice_(game) {
    open();
}

COLORREF ColorDialog::fill(const ui::Control& c, int i) const {
    return &c == &kCol ? choice_.color(c.first + i) : Dialog::fill(c, i);
}

void ColorDialog::pressed(const ui::Control& c, int i) {
    if (&c == &kCcc) {
        pickcolor(c.first + i);
    } else if (&c == &kOk) {
        choice_.ok();
        close();
    } else {
        close();
    }
}

// The picker starts from black, not from the swatch; a cancelled pick changes nothing.
void ColorDialog::pickcolor(int index) {
    CHOOSECOLORW pick{};
    pick.lStructSize = sizeof pick;
    pick.hwndOwner = hwnd();
    pick.hInstance = reinterpret_cast<HWND>(GetModuleHandleW(nullptr));
    pick.rgbResult = 0;
    COLORREF custom[16];
    std::copy(std::begin(customcolors_), std::end(customcolors_), custom);
    pick.lpCustColors = custom;
    pick.Flags = 0;
    static const auto choosecolor = late<decltype(ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
    if (choosecolor != nullptr && choosecolor(&pick)) {
        choice_.pick(index, pick.rgbResult);
        std::copy(std::begin(custom), std::end(custom), customcolors_);
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}
