#include "PageControls.h"

#include "Page.h"

namespace {

std::string caption(const ui::Control& c, int i) {
    if (c.has(ui::kNumbered)) {
        return std::to_string(c.first + i);
    }
    if (c.has(ui::kRanked)) {
        return std::to_string(c.first + i + 1);
    }
    return std::string(c.caption);
}

bool painted(ui::Kind kind) {
    return kind == ui::Kind::Shape || kind == ui::Kind::Circle || kind == ui::Kind::Hatched;
}

}  // namespace

std::string controlname(const ui::Control& c, int i) {
    std::string name(c.name);
    return c.count > 1 ? name + std::to_string(c.first + i) : name;
}

PageControls::PageControls(int window, const ui::Form& form, const Owner& owner) : window_(window) {
    tv_window(window, std::string(form.caption).c_str(), px(form.width), px(form.height),
              window != 0);
    for (const ui::Control& c : form.controls) {
        for (int i = 0; i < c.count; ++i) {
            if (painted(c.kind)) {
                if (owner) {
                    owner(c, i);
                }
                continue;
            }
            const ui::Rect r = c.at(i);
            const int handle =
                tv_control(window, static_cast<int>(c.kind), controlname(c, i).c_str(), px(r.left),
                           px(r.top), px(r.width), px(r.height), caption(c, i).c_str(), c.points,
                           static_cast<int>(c.align), c.has(ui::kWrap), !c.has(ui::kNoFocus));
            made_.push_back({&c, i, handle});
            if (c.has(ui::kHidden)) {
                tv_show(handle, false);
            }
            if (c.has(ui::kFocus) && i == 0) {
                tv_focus(handle, false);
            }
        }
    }
}

int PageControls::operator()(const ui::Control& control, int index) const {
    for (const Made& m : made_) {
        if (m.control == &control && m.index == index) {
            return m.handle;
        }
    }
    return -1;
}

const ui::Control* PageControls::find(int handle, int* index) const {
    for (const Made& m : made_) {
        if (m.handle == handle) {
            if (index != nullptr) {
                *index = m.index;
            }
            return m.control;
        }
    }
    return nullptr;
}

int PageControls::canvas(const char* name, const ui::Rect& r) const {
    return tv_control(window_, static_cast<int>(ui::Kind::Shape), name, px(r.left), px(r.top),
                      px(r.width), px(r.height), "", 0, 0, false, false);
}
