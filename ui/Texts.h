#pragma once

#include <string>
#include <string_view>

// The game's texts that are not a control's caption.
namespace ui {

// The rules: three paragraphs, an empty line between them, CR LF line ends, none at the end.
std::string rulestext();

// About the program: six lines joined by CR LF, none after the last.
std::string abouttext();

// What "info" says when a level is reached.
std::string levelmessage(int level);

// Said on the console when the settings could not be written; %s is where they are kept.
constexpr std::string_view kStoreFailed = "tarvelo: не удалось записать настройки в %s\n";

}  // namespace ui
