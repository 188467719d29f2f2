#include <gtest/gtest.h>

#include <memory>

#include "host/channel.h"
#include "host/host_error.h"
#include "host/replay_backend.h"
#include "host/replay_script.h"
#include "host/session.h"
#include "platform/atomic_file.h"
#include "support/temp_folder.h"

namespace orvalis::host {
namespace {

constexpr const char* kScript =
    "# a small project\n"
    "version 8009\n"
    "toolpath 1-ROUGH\n"
    "toolpath 2-FINISH\n"
    "block -50 120 -40 40 -30 0\n"
    "answer PRINT VALUE PROJECTPATH\n"
    "| C:\\JOBS\\PART-100\n"
    "answer PRINT FORMVALUE ToolToolBar.Active\n"
    "| D10\n"
    "noeol\n"
    "answer PRINT FORMVALUE ToolToolBar.Active\n"
    "| D6-BALL\n"
    "|\n"
    "| second\n"
    "fail EDIT COLLISION APPLY\n";

TEST(Replay, AnswersFromTheScriptAndTranscribesEveryCall) {
    testing::TempFolder folder;
    std::filesystem::path transcript = folder.path() / "transcript.txt";
    auto session = std::make_shared<HostSession>(
        std::make_unique<ReplayBackend>(ParseReplayScript(kScript, "test")),
        std::make_unique<Transcript>(transcript.string()));
    HostChannel pm(session);
    HostChannel other(session);
    session->Mark("load");
    pm.Connect();
    EXPECT_EQ(pm.Version(), 8009);
    EXPECT_EQ(pm.ToolpathNames(), (std::vector<std::string>{"1-ROUGH", "2-FINISH"}));
    EXPECT_EQ(pm.RunCommandOutput("PRINT VALUE PROJECTPATH"), "C:\\JOBS\\PART-100\r\n");
    // Several answer blocks are used in order, then the last repeats; a
    // second window's channel consumes the same answers.
    EXPECT_EQ(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"), "D10");
    other.Connect(0);
    EXPECT_EQ(other.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"),
              "D6-BALL\r\n\r\nsecond\r\n");
    EXPECT_EQ(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"),
              "D6-BALL\r\n\r\nsecond\r\n");
    EXPECT_EQ(pm.RunCommandOutput("PRINT VALUE PROJECTNAME"), "");  // no answer: empty text
    pm.RunCommand("DIALOGS MESSAGE OFF");
    pm.FetchBlock();
    EXPECT_EQ(pm.BlockLimit(2), 120);
    pm.SetBlockLimit(2, -12.5);
    EXPECT_EQ(pm.BlockLimit(2), -12.5);
    pm.FetchBlock();  // the host recomputes the block
    EXPECT_EQ(pm.BlockLimit(2), 120);
    EXPECT_THROW(pm.RunCommand("EDIT COLLISION APPLY"), HostError);

    EXPECT_EQ(ReadFileBytes(transcript),
              "# load\n"
              "Connect\n"
              "Version\n"
              "ToolpathNames\n"
              "RunCommandOutput PRINT VALUE PROJECTPATH\n"
              "RunCommandOutput PRINT FORMVALUE ToolToolBar.Active\n"
              "Connect 0\n"
              "RunCommandOutput PRINT FORMVALUE ToolToolBar.Active\n"
              "RunCommandOutput PRINT FORMVALUE ToolToolBar.Active\n"
              "RunCommandOutput PRINT VALUE PROJECTNAME\n"
              "RunCommand DIALOGS MESSAGE OFF\n"
              "FetchBlock\n"
              "BlockLimit 2\n"
              "SetBlockLimit 2 -12.5\n"
              "BlockLimit 2\n"
              "FetchBlock\n"
              "BlockLimit 2\n"
              "RunCommand EDIT COLLISION APPLY\n");
}

TEST(Replay, ScriptErrorsNameTheLine) {
    const char* bad_scripts[] = {
        "version eight\n", "block 1 2 3\n", "| stray answer line\n", "noeol\n", "frobnicate\n",
    };
    for (const char* script : bad_scripts) {
        try {
            ParseReplayScript(script, "s.replay");
            ADD_FAILURE() << "accepted: " << script;
        } catch (const ReplayScriptError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("s.replay:", 0), 0u) << error.what();
        }
    }
    // CR LF scripts read like LF ones.
    auto script = ParseReplayScript("toolpath A\r\nanswer X\r\n| a\r\n", "s");
    EXPECT_EQ(script.toolpaths, std::vector<std::string>{"A"});
    EXPECT_EQ(script.answers.at("X").front(), "a\r\n");
    EXPECT_THROW(MakeBackend("telnet:host"), HostError);  // no such kind of host
}

// The host on Korean Windows answers in code page 949, and a damaged answer
// may hold bytes of no code page at all; what reaches the program is UTF-8.
TEST(Replay, AnswersThatAreNotUtf8ReachTheProgramAsUtf8) {
    auto session = std::make_shared<HostSession>(std::make_unique<ReplayBackend>(ParseReplayScript(
                                                     "toolpath 1-\xC8\xB2\xBB\xE8\n"
                                                     "toolpath 2-\xFF\xFE\n"
                                                     "toolpath 3-FINISH\n"
                                                     "answer PRINT FORMVALUE ToolToolBar.Active\n"
                                                     "| \xB1\xDD\xC7\xFC D10\n",
                                                     "test")),
                                                 nullptr);
    HostChannel pm(session);
    pm.Connect();
    EXPECT_EQ(pm.ToolpathNames(),
              (std::vector<std::string>{"1-황삭", "2-\xEF\xBF\xBD\xEF\xBF\xBD", "3-FINISH"}));
    EXPECT_EQ(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"), "금형 D10\r\n");
}

}  // namespace
}  // namespace orvalis::host
