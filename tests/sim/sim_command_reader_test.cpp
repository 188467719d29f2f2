#include "sim/command_reader.h"

#include <gtest/gtest.h>

#include "sim/commands/command_families.h"

namespace orvalis::sim {
namespace {

std::vector<std::string> CommandTexts(const std::string& line) {
    CommandLine commands(line, HostCommands());
    std::vector<std::string> texts;
    for (const Command& command : commands.commands()) texts.emplace_back(command.text());
    return texts;
}

TEST(SimCommandReader, SplitsALineIntoTheCommandsTheHostRuns) {
    struct Case {
        const char* line;
        std::vector<std::string> commands;
    };
    const Case cases[] = {
        {"DIALOGS MESSAGE On", {"DIALOGS MESSAGE On"}},
        {"", {}},
        {"CREATE NCPROGRAM 'a' EDIT NCPROGRAM 'a' APPEND TOOLPATH 'a' DEACTIVATE NCPROGRAM",
         {"CREATE NCPROGRAM 'a'", "EDIT NCPROGRAM 'a' APPEND TOOLPATH 'a'",
          "DEACTIVATE NCPROGRAM"}},
        {"ACTIVATE NCPROGRAM 'T1' KEEP NCPROGRAM ;",
         {"ACTIVATE NCPROGRAM 'T1'", "KEEP NCPROGRAM ;"}},
        // A verb right after a verb is its object, not a new command.
        {"FORM TOOLPATHSTATS TOOLPATHSTATS ESTIMATE",
         {"FORM TOOLPATHSTATS", "TOOLPATHSTATS ESTIMATE"}},
        {"Edit NCPROGRAM 'T1' QUIT FORM NCTOOLPATH",
         {"Edit NCPROGRAM 'T1' QUIT", "FORM NCTOOLPATH"}},
        {"TRANSFORM RESET TRANSFORM TYPE MOVE TRANSFORM MOVEX 1",
         {"TRANSFORM RESET", "TRANSFORM TYPE MOVE", "TRANSFORM MOVEX 1"}},
        {"ECHO OFF DCPDEBUG UNTRACE COMMAND ACCEPT",
         {"ECHO OFF", "DCPDEBUG UNTRACE COMMAND ACCEPT"}},
        {"VIEW MODEL ; SHADE OFF", {"VIEW MODEL ; SHADE OFF"}},
        // A quoted name never starts a command, whatever it holds.
        {"ACTIVATE Toolpath 'EDIT DIALOGS'", {"ACTIVATE Toolpath 'EDIT DIALOGS'"}},
        // After FILENAME the rest of the line is a path, blanks and all.
        {"EDIT NCPROGRAM 'T1' FILENAME /home/cam/NC DATA/EDIT T1.nc",
         {"EDIT NCPROGRAM 'T1' FILENAME /home/cam/NC DATA/EDIT T1.nc"}},
        {"FROBNICATE ALL DIALOGS MESSAGE OFF", {"FROBNICATE ALL", "DIALOGS MESSAGE OFF"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandTexts(c.line), c.commands) << c.line;
    }
}

TEST(SimCommandReader, CommandsReadKeywordsInAnyCaseAndTheRawRest) {
    CommandLine line("Edit NCPROGRAM 'T1' FILENAME C:\\NC DATA\\T1.nc", HostCommands());
    ASSERT_EQ(line.commands().size(), 1u);
    const Command& command = line.commands()[0];
    EXPECT_TRUE(command.IsKeyword(0, "EDIT"));
    EXPECT_TRUE(command.IsKeyword(1, "ncprogram"));
    EXPECT_FALSE(command.IsKeyword(2, "T1"));  // a quoted name is no keyword
    EXPECT_FALSE(command.IsKeyword(9, "EDIT"));
    EXPECT_EQ(command.RawFrom(4), "C:\\NC DATA\\T1.nc");
    EXPECT_EQ(command.RawFrom(40), "");
    EXPECT_TRUE(command.EndsAt(6));
    EXPECT_FALSE(command.EndsAt(5));
}

}  // namespace
}  // namespace orvalis::sim
