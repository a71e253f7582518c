#pragma once

#include <cctype>
#include <string>
#include <string_view>

// A table row's description as a test name ctest can show: "0->1 at the wall" becomes
// "0To1AtTheWall". GoogleTest takes letters, digits and underscores only.
inline std::string paramname(std::string_view text) {
    std::string name;
    bool capital = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (text.substr(i, 2) == "->") {
            name += "To";
            ++i;
            capital = true;
        } else if (std::isalnum(c)) {
            name += static_cast<char>(capital ? std::toupper(c) : c);
            capital = false;
        } else {
            capital = true;
        }
    }
    return name;
}
