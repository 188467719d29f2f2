#include <gtest/gtest.h>

#include <memory>

#include "host/channel.h"
#include "host/host_error.h"
#include "host/replay_backend.h"
#include "host/replay_script.h"
#include "host/session.h"

namespace orvalis::host {
namespace {

// How the replay host answers (in order, the last block repeating, a
// failure where the script says) is what every window-model test stands on;
// the transcript it keeps is the capture's reviewed one. Here: what it
// refuses, and what it hands the program.
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
