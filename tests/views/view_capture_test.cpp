#include "capture/view_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_run.h"

#include "host/channel.h"
#include "support/forms_rig.h"
#include "support/temp_folder.h"

namespace orvalis::capture {
namespace {

BlockBoxes Boxes() {
    return {"-50", "50", "-40", "40", "-30", "0"};
}

// The lines between two given lines (both included).
std::vector<std::string> Between(const std::vector<std::string>& all, const std::string& from,
                                 const std::string& to) {
    auto first = std::find(all.begin(), all.end(), from);
    auto last = std::find(first, all.end(), to);
    if (last == all.end()) return {};
    return {first, last + 1};
}

TEST(ViewCapture, EachViewDrawsItsPatternsThenKeepsItsBitmap) {
    auto all = CaptureCommands(Boxes());
    EXPECT_EQ(Between(all, "DRAW Pattern 'OUT_LINE'",
                      "KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\Top.bmp'YES"),
              (std::vector<std::string>{
                  "DRAW Pattern 'OUT_LINE'", "DRAW Pattern 'OUT_LINE-2'", "DRAW Pattern 'X-MAX'",
                  "DRAW Pattern 'X-MIN'", "DRAW Pattern 'Y-MAX'", "DRAW Pattern 'Y-MIN'",
                  "DRAW Pattern 'TOP-View'", "ACTIVATE Pattern 'BASE-Position'",
                  "DRAW Pattern 'BASE-Position'", "ROTATE TRANSFORM TOP VIEWMILL RESIZEVIEW",
                  "UNDRAW Pattern 'OUT_LINE-2'",
                  "KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\Top.bmp'YES"}));
    EXPECT_EQ(Between(all, "KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\Right.bmp'YES",
                      "KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\ISO.bmp'YES"),
              (std::vector<std::string>{
                  "KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\Right.bmp'YES", "UNDRAW BLOCK",
                  "UNDRAW Pattern ALL", "DRAW Pattern 'OUT_LINE-1'", "DRAW Pattern 'ISO-View'",
                  "ROTATE TRANSFORM ISO2 VIEWMILL RESIZEVIEW",
                  "KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\ISO.bmp'YES"}));
    // Display preparation first, restore last.
    EXPECT_EQ(all.front(), "UNDRAW TRANSFORM");
    EXPECT_EQ(std::vector<std::string>(all.end() - 7, all.end()), RestoreCommands());
    EXPECT_EQ(*(all.end() - 8), "DELETE PATTERN 'BASE-Position'");
    EXPECT_EQ(std::count(all.begin(), all.end(), "DIALOGS ERROR OFF"), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), "DIALOGS ERROR ON"), 1);
}

TEST(ViewCapture, AFailingCallStopsTheRunAndTheDisplayIsRestored) {
    testing::FormsRig rig("fail DRAW Pattern 'OUT_LINE'\n");
    host::HostChannel pm(rig.forms().session());
    auto failure = RunCapture(pm, Boxes());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->command, "RunCommand DRAW Pattern 'OUT_LINE'");
    EXPECT_TRUE(failure->restored);
    auto sent = rig.Transcript();
    std::vector<std::string> tail(sent.end() - 8, sent.end());
    EXPECT_EQ(tail.front(), "RunCommand DRAW Pattern 'OUT_LINE'");
    EXPECT_EQ(tail.back(), "RunCommand DIALOGS ERROR ON");
    EXPECT_EQ(std::count(sent.begin(), sent.end(),
                         "RunCommand KEEP BITMAP WHITEBG 'C:\\TARVEL\\ORVALIS\\IMAGE\\Top.bmp'YES"),
              0);

    // A restore line the host refuses does not keep the dialogs off.
    testing::FormsRig stuck("fail EDIT COLOUR PatternInactive RESET\n");
    host::HostChannel stuck_pm(stuck.forms().session());
    auto unrestored = RunCapture(stuck_pm, Boxes());
    ASSERT_TRUE(unrestored);
    EXPECT_EQ(unrestored->command, "RunCommand EDIT COLOUR PatternInactive RESET");
    EXPECT_FALSE(unrestored->restored);
    auto stuck_sent = stuck.Transcript();
    EXPECT_EQ(
        std::vector<std::string>(stuck_sent.end() - 3, stuck_sent.end()),
        (std::vector<std::string>{"RunCommand DRAW TRANSFORM", "RunCommand DIALOGS MESSAGE ON",
                                  "RunCommand DIALOGS ERROR ON"}));

    testing::FormsRig gone("fail Connect\n");
    host::HostChannel unreachable(gone.forms().session());
    auto refused = RunCapture(unreachable, Boxes());
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->command, "Connect");
    EXPECT_FALSE(refused->restored);
}

}  // namespace
}  // namespace orvalis::capture

namespace orvalis::capture {
namespace {

// The whole run as the user makes it: main window, panel, limits typed, "캡처".
// The expected transcript was checked line by line against the command lines
// the host must receive; any change to the sequence shows up here.
TEST(ViewCapture, AWholeRunSendsExactlyTheReviewedTranscript) {
    cli::ReplayCli cli("version 8009\nblock -50 120 -40 40 -30 0\n");
    auto run = cli.Run({"capture", "--limits=-50,50,-40,40,-30,0"});
    // The replay host writes no bitmaps, which the run reports as a failure.
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("그림 파일을 만들지 않았습니다"), std::string::npos) << run.err;
    auto expected = cli::FileLines(std::filesystem::path(ORVALIS_TEST_SOURCE_DIR) / "views" /
                                   "capture_run.transcript");
    auto sent = cli.TranscriptLines();
    ASSERT_EQ(sent.size(), expected.size());
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(sent[i], expected[i]) << "line " << i + 1;
}

}  // namespace
}  // namespace orvalis::capture
