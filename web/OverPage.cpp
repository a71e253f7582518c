#include "OverPage.h"

#include <cstdlib>
#include <memory>

#include "Forms.h"
#include "Game.h"
#include "Page.h"

namespace {
const ui::Form& f = ui::overform;
}

OverPage::OverPage(const Game& game, std::function<void(const std::string&)> ok)
    : DialogPage(FormId::overform, f), ok_(std::move(ok)) {
    tv_settext(controls_(f["score"]), std::to_string(game.display().score).c_str());
    tv_settext(controls_(f["level"]), std::to_string(game.display().level).c_str());
    tv_focus(controls_(f["Command1"]), false);
}

// Typing replaces the name offered.
void OverPage::setrecordmode(bool on) {
    tv_show(controls_(f["Label4"]), on);
    tv_show(controls_(f["yourname"]), on);
    tv_focus(controls_(on ? f["yourname"] : f["Command1"]), on);
}

std::string OverPage::name() const {
    std::unique_ptr<char, decltype(&std::free)> text(tv_gettext(controls_(f["yourname"])),
                                                     &std::free);
    return text.get();
}

DialogPage::Result OverPage::clicked(int handle) {
    if (handle == controls_(f["Command1"]) && !pressed_) {
        pressed_ = true;  // the record is stored once, however often "Ok" is pressed meanwhile
        ok_(name());
    }
    return Result::stay;
}
