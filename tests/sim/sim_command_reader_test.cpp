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
        {"   ", {}},
        {"CREATE NCPROGRAM 'a' EDIT NCPROGRAM 'a' APPEND TOOLPATH 'a' DEACTIVATE NCPROGRAM",
         {"CREATE NCPROGRAM 'a'", "EDIT NCPROGRAM 'a' APPEND TOOLPATH 'a'",
          "DEACTIVATE NCPROGRAM"}},
        {"create ncprogram 'a' edit ncprogram 'a'", {"create ncprogram 'a'", "edit ncprogram 'a'"}},
        {"ACTIVATE NCPROGRAM 'T1' KEEP NCPROGRAM ;",
         {"ACTIVATE NCPROGRAM 'T1'", "KEEP NCPROGRAM ;"}},
        // A verb right after a verb is its object, not a new command.
        {"FORM TOOLPATHSTATS TOOLPATHSTATS ESTIMATE",
         {"FORM TOOLPATHSTATS", "TOOLPATHSTATS ESTIMATE"}},
        {"Edit NCPROGRAM 'T1' QUIT FORM NCTOOLPATH",
         {"Edit NCPROGRAM 'T1' QUIT", "FORM NCTOOLPATH"}},
        {"EDIT COLLISION TYPE COLLISION", {"EDIT COLLISION TYPE COLLISION"}},
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
        {"KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\Top.bmp'YES",
         {"KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\Top.bmp'YES"}},
        {"FROBNICATE ALL DIALOGS MESSAGE OFF", {"FROBNICATE ALL", "DIALOGS MESSAGE OFF"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandTexts(c.line), c.commands) << c.line;
    }
}

TEST(SimCommandReader, TokensKeepQuotedTextsAndSemicolons) {
    struct Expected {
        TokenKind kind;
        std::string text;
        bool unterminated;
    };
    struct Case {
        const char* line;
        std::vector<Expected> tokens;
    };
    const Case cases[] = {
        {"print entity parameters  tool 'D10 EM'",
         {{TokenKind::kWord, "print", false},
          {TokenKind::kWord, "entity", false},
          {TokenKind::kWord, "parameters", false},
          {TokenKind::kWord, "tool", false},
          {TokenKind::kQuoted, "D10 EM", false}}},
        {"KEEP NCPROGRAM ;",
         {{TokenKind::kWord, "KEEP", false},
          {TokenKind::kWord, "NCPROGRAM", false},
          {TokenKind::kSemicolon, ";", false}}},
        {"DIALOGS ERROR OFF;",
         {{TokenKind::kWord, "DIALOGS", false},
          {TokenKind::kWord, "ERROR", false},
          {TokenKind::kWord, "OFF", false},
          {TokenKind::kSemicolon, ";", false}}},
        {"'a;b''c'YES",
         {{TokenKind::kQuoted, "a;b", false},
          {TokenKind::kQuoted, "c", false},
          {TokenKind::kWord, "YES", false}}},
        {"RENAME Toolpath 'T1'  'A'B1'",
         {{TokenKind::kWord, "RENAME", false},
          {TokenKind::kWord, "Toolpath", false},
          {TokenKind::kQuoted, "T1", false},
          {TokenKind::kQuoted, "A", false},
          {TokenKind::kWord, "B1", false},
          {TokenKind::kQuoted, "", true}}},
        {"\tEDIT\r\nLENGTH  75Yes",
         {{TokenKind::kWord, "EDIT", false},
          {TokenKind::kWord, "LENGTH", false},
          {TokenKind::kWord, "75Yes", false}}},
    };
    for (const Case& c : cases) {
        auto tokens = Tokenize(c.line);
        ASSERT_EQ(tokens.size(), c.tokens.size()) << c.line;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            EXPECT_EQ(tokens[i].kind, c.tokens[i].kind) << c.line << " #" << i;
            EXPECT_EQ(tokens[i].text, c.tokens[i].text) << c.line << " #" << i;
            EXPECT_EQ(tokens[i].unterminated, c.tokens[i].unterminated) << c.line << " #" << i;
        }
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

void MarkHandled(CommandCall& call) {
    call.Print("handled");
}

// A new family registers its routes before the accepted commands fill the
// rest; its commands then reach it, and the reader splits lines as before.
TEST(SimCommandReader, ALaterFamilyTakesOverAcceptedCommands) {
    CommandTable table;
    table.Route("EDIT", "COLLISION", MarkHandled);
    table.Route("TRANSFORM", "", MarkHandled);
    RegisterAcceptedCommands(table);
    CommandLine line("TRANSFORM RESET EDIT COLLISION TYPE COLLISION", table);
    ASSERT_EQ(line.commands().size(), 2u);
    HostState state;
    std::string answer;
    for (const Command& command : line.commands()) {
        CommandCall call(command, state, answer);
        table.Find(command)(call);
    }
    EXPECT_EQ(answer, "handled\r\nhandled\r\n");
    EXPECT_TRUE(state.recorded.empty());
    CommandLine accepted("EDIT MODEL ALL COLOUR RGBSELECT", table);
    CommandCall call(accepted.commands().at(0), state, answer);
    table.Find(accepted.commands()[0])(call);
    EXPECT_EQ(state.recorded, std::vector<std::string>{"EDIT MODEL ALL COLOUR RGBSELECT"});
}

}  // namespace
}  // namespace orvalis::sim
