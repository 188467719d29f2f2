#include "capture/view_capture.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"

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
    auto expected = cli::FileLines(std::filesystem::path(ORVALIS_TEST_SOURCE_DIR) / "capture" /
                                   "capture_run.transcript");
    auto sent = cli.TranscriptLines();
    ASSERT_EQ(sent.size(), expected.size());
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(sent[i], expected[i]) << "line " << i + 1;
}

}  // namespace
}  // namespace orvalis::capture
