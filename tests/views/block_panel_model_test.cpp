#include "views/block_panel_model.h"

#include <gtest/gtest.h>

#include "mainwin/main_window_model.h"
#include "support/forms_rig.h"

namespace orvalis {
namespace {

const std::string kBlock = "version 8009\nblock -50 120 -40 40 -30 0\n";

std::vector<std::string> SetCalls(const std::vector<std::string>& transcript) {
    std::vector<std::string> calls;
    for (const auto& line : transcript) {
        if (line.rfind("SetBlockLimit ", 0) == 0) calls.push_back(line);
    }
    return calls;
}

TEST(BlockPanelModel, LoadResetsTheBlockAndShowsItsSixLimits) {
    testing::FormsRig rig(kBlock);
    rig.forms().main_window();
    rig.forms().session()->Mark("block");
    rig.forms().main_window().ClickCapture();
    BlockPanelModel& panel = rig.forms().block_panel();
    EXPECT_EQ(rig.TranscriptSince("block"),
              (std::vector<std::string>{
                  "Connect", "RunCommand DELETE BLOCK", "RunCommand EDIT BLOCK RESET", "FetchBlock",
                  "BlockLimit 1", "SetBlockLimit 1 -50", "BlockLimit 2", "SetBlockLimit 2 120",
                  "BlockLimit 3", "SetBlockLimit 3 -40", "BlockLimit 4", "SetBlockLimit 4 40",
                  "BlockLimit 5", "SetBlockLimit 5 -30", "BlockLimit 6", "SetBlockLimit 6 0"}));
    // Minima on the left, maxima on the right, one row per axis.
    EXPECT_EQ(panel.Text3.Text(), "-50");
    EXPECT_EQ(panel.Text6.Text(), "120");
    EXPECT_EQ(panel.Text2.Text(), "-40");
    EXPECT_EQ(panel.Text5.Text(), "40");
    EXPECT_EQ(panel.Text1.Text(), "-30");
    EXPECT_EQ(panel.Text4.Text(), "0");
    EXPECT_TRUE(panel.Visible());
    EXPECT_TRUE(panel.Topmost());
    EXPECT_EQ(rig.forms().main_window().WindowState(), forms::Window::kMinimized);
}

TEST(BlockPanelModel, EveryKeystrokeSendsTheNumberTheBoxBeginsWith) {
    testing::FormsRig rig(kBlock);
    BlockPanelModel& panel = rig.forms().block_panel();
    rig.forms().session()->Mark("typing");
    for (const char* text :
         {"-", "-1", "-12", "-12.", "-12.5", "12abc", "", "0.1234567890123456"}) {
        panel.Text3.SetText(text);
    }
    EXPECT_EQ(SetCalls(rig.TranscriptSince("typing")),
              (std::vector<std::string>{"SetBlockLimit 1 0", "SetBlockLimit 1 -1",
                                        "SetBlockLimit 1 -12", "SetBlockLimit 1 -12",
                                        "SetBlockLimit 1 -12.5", "SetBlockLimit 1 12",
                                        "SetBlockLimit 1 0", "SetBlockLimit 1 0.123456789012346"}));
    panel.Text4.SetText("7");
    EXPECT_EQ(SetCalls(rig.Transcript()).back(), "SetBlockLimit 6 7");
}

TEST(BlockPanelModel, BlockButtonReplacesTypedValuesWithTheHostsBlock) {
    testing::FormsRig rig(kBlock);
    BlockPanelModel& panel = rig.forms().block_panel();
    panel.Text6.SetText("999");
    rig.forms().session()->Mark("again");
    panel.ClickBlock();
    auto since = rig.TranscriptSince("again");
    EXPECT_EQ(std::vector<std::string>(since.begin(), since.begin() + 5),
              (std::vector<std::string>{"Connect", "RunCommand DELETE BLOCK",
                                        "RunCommand EDIT BLOCK RESETLIMIT 0",
                                        "RunCommand EDIT BLOCK RESET", "FetchBlock"}));
    EXPECT_EQ(panel.Text6.Text(), "120");
    // Only the box whose text changed sends its limit again.
    EXPECT_EQ(SetCalls(since), std::vector<std::string>{"SetBlockLimit 2 120"});
}

TEST(BlockPanelModel, CaptureEndsWithTheMainWindowBackAndThePanelClosed) {
    for (const char* failing : {"", "fail ROTATE TRANSFORM FRONT VIEWMILL RESIZEVIEW\n"}) {
        testing::FormsRig rig(kBlock + failing);
        MainWindowModel& main_window = rig.forms().main_window();
        main_window.ClickCapture();
        rig.forms().block_panel().ClickCapture();
        EXPECT_FALSE(rig.forms().HasBlockPanel());
        EXPECT_EQ(main_window.WindowState(), forms::Window::kNormal);
        bool failed = *failing != '\0';
        // The replay host keeps no bitmaps: a run it accepted is still reported as unfinished.
        ASSERT_EQ(rig.interaction().messages.size(), 1u);
        if (!failed) {
            EXPECT_NE(rig.interaction().messages[0].text.find("IMAGE\\ISO.bmp"), std::string::npos);
        } else {
            EXPECT_NE(rig.interaction().messages[0].text.find("ROTATE TRANSFORM FRONT"),
                      std::string::npos);
            EXPECT_EQ(rig.Transcript().back(), "RunCommand DIALOGS ERROR ON");
        }
        // The next opening loads a fresh panel.
        main_window.ClickCapture();
        EXPECT_EQ(rig.forms().block_panel().List2.ListCount(), 0);
    }
}

TEST(BlockPanelModel, AnUnreachableHostIsReportedOnceNotOnEveryKeystroke) {
    testing::FormsRig rig("fail Connect\n");
    BlockPanelModel& panel = rig.forms().block_panel();
    panel.Text3.SetText("1");
    panel.Text3.SetText("12");
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_EQ(rig.interaction().messages[0].icon, forms::MessageIcon::kCritical);
    EXPECT_EQ(panel.Text3.Text(), "12");
}

}  // namespace
}  // namespace orvalis
