// The command line: a wrong answer starts a window where a script wanted a version, or takes a
// typo for the game.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "CommandLine.h"

namespace {
struct Outcome {
    std::optional<int> status;
    std::string out, err;
};

Outcome run(std::vector<const char*> args) {
    args.insert(args.begin(), "tarvelo");
    std::ostringstream out, err;
    const auto status = commandline(static_cast<int>(args.size()), args.data(), out, err);
    return {status, out.str(), err.str()};
}
}  // namespace

TEST(CommandLine, AnswersHelpAndVersionAndRefusesTheRest) {
    EXPECT_EQ(run({}).status, std::nullopt);

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("Tarvelo ", 0), 0u);
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(run({"-v"}).out, version.out);

    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    EXPECT_EQ(run({"--version", "-h"}).out, help.out);  // help wins, as it says more

    // Qt's own options are left for QApplication, as every Qt program takes them.
    for (const auto& args : std::vector<std::vector<const char*>>{
             {"-platform", "offscreen"},
             {"--platform", "xcb", "-display", ":1"},
             {"-style=fusion", "-reverse"},
             {"-style", "fusion", "-geometry", "+10+10", "-session", "1-2"},
             {"-qwindowgeometry", "300x300", "-platformtheme", "gtk3"}}) {
        EXPECT_EQ(run(args).status, std::nullopt) << args[0];
    }
    EXPECT_EQ(run({"-platform", "xcb", "--version"}).out, version.out);

    for (const auto& args : std::vector<std::vector<const char*>>{{"--bogus"},
                                                                  {""},
                                                                  {"--help", "extra"},
                                                                  {"-platform"},
                                                                  {"-reverse=1"},
                                                                  {"-bogus=1"},
                                                                  {"--Version"}}) {
        const Outcome refused = run(args);
        EXPECT_EQ(refused.status, 2) << args[0];
        EXPECT_EQ(refused.out, "");
        EXPECT_NE(refused.err.find("--help"), std::string::npos);
    }
}
