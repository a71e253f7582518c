#include "CommandLine.h"

#include <string_view>

namespace {

constexpr std::string_view kHelp =
    "Использование: tarvelo [ПАРАМЕТР]\n"
    "Tarvelo — игра с падающими парами цветных шариков: соберите четыре шарика\n"
    "одного цвета или больше, чтобы они исчезли.\n"
    "\n"
    "  -h, --help     показать эту справку и выйти\n"
    "  -v, --version  показать версию и выйти\n"
    "\n"
    "Без параметров открывается окно игры. Настройки и рекорды хранятся\n"
    "в ~/.config/Tarvelo/Tarvelo.conf.\n";

bool ishelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

bool isversion(std::string_view arg) {
    return arg == "--version" || arg == "-v";
}

}  // namespace

std::optional<int> commandline(int argc, const char* const* argv, std::ostream& out,
                               std::ostream& err) {
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!ishelp(arg) && !isversion(arg)) {
            err << "tarvelo: неизвестный параметр «" << arg << "»\n"
                << "Справка: tarvelo --help\n";
            return 2;
        }
        help = help || ishelp(arg);
    }
    if (argc <= 1) {
        return std::nullopt;
    }
    out << (help ? kHelp : "Tarvelo " TARVELO_VERSION "\n");
    return 0;
}
