// Writes the windows' description as JSON, in CSS pixels as the page places them, for the
// browser tests' walk over every window. Run under Node.
#include <cmath>
#include <cstdio>
#include <string>

#include "Forms.h"

namespace {

int px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

std::string quoted(std::string_view s) {
    std::string q = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            q += '\\';
        }
        q += c;
    }
    return q + '"';
}

void form(const ui::Form& f, bool last) {
    std::printf("  %s: {\"caption\": %s, \"width\": %d, \"height\": %d, \"controls\": [\n",
                quoted(f.name).c_str(), quoted(f.caption).c_str(), px(f.width), px(f.height));
    bool first = true;
    for (const ui::Control& c : f.controls) {
        for (int i = 0; i < c.count; ++i) {
            const ui::Rect r = c.at(i);
            const std::string name = c.count > 1 ? std::string(c.name) + std::to_string(c.first + i)
                                                 : std::string(c.name);
            std::printf(
                "%s    {\"name\": %s, \"kind\": %d, \"x\": %d, \"y\": %d, \"w\": %d, "
                "\"h\": %d, \"caption\": %s, \"hidden\": %s}",
                first ? "" : ",\n", quoted(name).c_str(), static_cast<int>(c.kind), px(r.left),
                px(r.top), px(r.width), px(r.height), quoted(c.caption).c_str(),
                c.has(ui::kHidden) ? "true" : "false");
            first = false;
        }
    }
    std::printf("\n  ]}%s\n", last ? "" : ",");
}

}  // namespace

int main() {
    std::printf("{\n");
    const ui::Form* forms[] = {&ui::mainform, &ui::overform, &ui::topscores, &ui::colorform,
                               &ui::keys,     &ui::rules,    &ui::about};
    for (const ui::Form* f : forms) {
        form(*f, f == forms[6]);
    }
    std::printf("}\n");
}
