#include "ColorPage.h"

#include "Forms.h"
#include "Page.h"

namespace {
const ui::Form& f = ui::colorform;
const ui::Control& background = f["Shape2"];
const ui::Control& col = f["col"];
}  // namespace

ColorPage::ColorPage(Game& game) : DialogPage(FormId::colorform, f), choice_(game) {
    swatches_ = controls_.canvas("Shape2", background.place);
    repaint();
}

DialogPage::Result ColorPage::clicked(int handle) {
    int n = 0;
    const ui::Control* c = controls_.find(handle, &n);
    if (c == &f["ccc"]) {
        tv_pickcolor(handle, 0);  // never starts from the swatch's colour
        return Result::stay;
    }
    if (c == &f["Command1"]) {
        choice_.ok();
    }
    return Result::close;
}

void ColorPage::picked(int handle, std::uint32_t color) {
    int n = 0;
    if (controls_.find(handle, &n) == &f["ccc"]) {
        choice_.pick(f["ccc"].first + n, color);
        repaint();
    }
}

void ColorPage::repaint() {
    tv_begin(swatches_);
    const ui::Rect& b = background.place;
    tv_box(0, 0, px(b.width), px(b.height), background.color, false);
    for (int i = 0; i < col.count; ++i) {
        const ui::Rect r = col.at(i);
        tv_ball(px(r.left) - px(b.left), px(r.top) - px(b.top), px(r.width), px(r.height),
                choice_.color(col.first + i));
    }
}
