#pragma once

#include <optional>
#include <ostream>

// The command line, read before anything needs a display: --help and --version answer on out,
// Qt's own options are left for QApplication, anything else is refused on err. The exit status when
// the program must end here, nothing when the game should start.
std::optional<int> commandline(int argc, const char* const* argv, std::ostream& out,
                               std::ostream& err);
