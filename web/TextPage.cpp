#include "TextPage.h"

#include <string>

#include "Forms.h"
#include "Page.h"
#include "Texts.h"

namespace {

const ui::Form& form(FormId id) {
    return id == FormId::rules ? ui::rules : ui::about;
}

std::string lines(std::string text) {
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

}  // namespace

TextPage::TextPage(FormId id) : DialogPage(id, form(id)) {
    if (id == FormId::rules) {
        tv_settext(controls_(ui::rules["t"]), lines(ui::rulestext()).c_str());
    } else {
        tv_settext(controls_(ui::about["mm"]), lines(ui::abouttext()).c_str());
    }
}

DialogPage::Result TextPage::clicked(int handle) {
    return controls_.find(handle)->kind == ui::Kind::Button ? Result::close : Result::stay;
}
