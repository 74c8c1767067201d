// The command line, parsed before anything needs a display.
#include "app/CommandLine.h"
#include "settings/ProgramFolders.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using rukcon::app::CommandLine;
using Action = CommandLine::Action;

namespace {

struct ParseCase {
    const char* name;
    std::vector<const char*> args; // after the program name
    Action action;
    const char* errorPart; // for UsageError: what the message must name
};

void PrintTo(const ParseCase& c, std::ostream* out)
{
    *out << c.name;
}

class CommandLineParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, firstDecidingArgumentWins)
{
    const ParseCase& c = GetParam();
    std::vector<const char*> argv{"rukcon"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const CommandLine line = CommandLine::Parse(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(line.action(), c.action);
    if (c.action == Action::UsageError) {
        EXPECT_NE(line.error().find(c.errorPart), std::string::npos) << line.error();
        EXPECT_NE(line.error().find("Usage: rukcon"), std::string::npos) << line.error();
    } else {
        EXPECT_EQ(line.error(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineParse,
    ::testing::Values(ParseCase{"none", {}, Action::Run, ""}, ParseCase{"endOfOptions", {"--"}, Action::Run, ""},
                      ParseCase{"help", {"--help"}, Action::Help, ""}, ParseCase{"h", {"-h"}, Action::Help, ""},
                      ParseCase{"version", {"--version"}, Action::Version, ""},
                      ParseCase{"V", {"-V"}, Action::Version, ""},
                      ParseCase{"versionFirst", {"--version", "--bogus"}, Action::Version, ""},
                      ParseCase{
                          "unknownFirst", {"--bogus", "--help"}, Action::UsageError, "unrecognized option '--bogus'"},
                      ParseCase{"unknownShort", {"-x"}, Action::UsageError, "unrecognized option '-x'"},
                      ParseCase{"argument", {"file.txt"}, Action::UsageError, "unexpected argument 'file.txt'"},
                      ParseCase{"helpAfterEnd", {"--", "--help"}, Action::UsageError, "unexpected argument '--help'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, displayAvailable_needsADisplayUnlessThePlatformNeedsNone)
{
    struct Case {
        const char* display;
        const char* wayland;
        const char* platform;
        bool expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, false},    {"", "", "", false},
        {":0", nullptr, nullptr, true},        {nullptr, "wayland-0", nullptr, true},
        {nullptr, nullptr, "xcb", false},      {nullptr, nullptr, "wayland;xcb", false},
        {nullptr, nullptr, "offscreen", true}, {nullptr, nullptr, "minimal:enable_fonts", true},
        {":0", nullptr, "xcb", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandLine::DisplayAvailable(c.display, c.wayland, c.platform), c.expected)
            << (c.display ? c.display : "-") << " " << (c.wayland ? c.wayland : "-") << " "
            << (c.platform ? c.platform : "-");
}

// A copy moved on its own without the module starts with neither controller nor sound.
TEST(CommandLine, help_namesWhatACopyInAFolderOfItsOwnIsMadeOf)
{
    const std::string help = CommandLine::HelpText(rukcon::settings::ProgramFolders::BesideProgram("/opt/rukcon"));
    EXPECT_NE(help.find("the executable, rukcon-sdl.so and bgm/"), std::string::npos) << help;
}

} // namespace
