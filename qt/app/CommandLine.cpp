#include "CommandLine.h"

#include <algorithm>
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
    "Без параметров открывается окно игры. Принимаются и стандартные параметры Qt\n"
    "(-platform, -display, -style и другие). Настройки и рекорды хранятся\n"
    "в ~/.config/Tarvelo/Tarvelo.conf.\n";

// Qt's own options, which QApplication takes from the command line itself: those followed by a
// value, those that may carry it after "=", and those that stand alone. Qt reads them with one
// dash or two.
constexpr std::string_view kQtWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title",
};
constexpr std::string_view kQtWithEquals[] = {"style", "stylesheet", "qmljsdebugger", "dialogs",
                                              "fontengine"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

bool ishelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

bool isversion(std::string_view arg) {
    return arg == "--version" || arg == "-v";
}

template <size_t N>
bool among(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// How many arguments a Qt option at argv[i] takes, itself included; 0 when it is none.
int qtoption(int argc, const char* const* argv, int i) {
    std::string_view arg = argv[i];
    if (!arg.starts_with('-') || arg == "-" || arg == "--") {
        return 0;
    }
    arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
    if (const auto eq = arg.find('='); eq != std::string_view::npos) {
        return among(kQtWithEquals, arg.substr(0, eq)) ? 1 : 0;
    }
    if (among(kQtFlags, arg)) {
        return 1;
    }
    return among(kQtWithValue, arg) && i + 1 < argc ? 2 : 0;
}

}  // namespace

std::optional<int> commandline(int argc, const char* const* argv, std::ostream& out,
                               std::ostream& err) {
    bool help = false, version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (const int taken = qtoption(argc, argv, i)) {
            i += taken - 1;  // handed to Qt
        } else if (ishelp(arg) || isversion(arg)) {
            help = help || ishelp(arg);
            version = true;
        } else {
            err << "tarvelo: неизвестный параметр «" << arg << "»\n"
                << "Справка: tarvelo --help\n";
            return 2;
        }
    }
    if (!version) {
        return std::nullopt;
    }
    out << (help ? kHelp : "Tarvelo " TARVELO_VERSION "\n");
    return 0;
}
