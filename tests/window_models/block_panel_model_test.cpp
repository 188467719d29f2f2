#include "window_models/block_panel_model.h"

#include <gtest/gtest.h>

#include "support/forms_rig.h"
#include "window_models/main_window_model.h"

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
    rig.forms().main_window().ClickCapture();
    BlockPanelModel& panel = rig.forms().block_panel();
    // The calls are the capture's reviewed transcript (ViewCapture).
    // Minima on the left, maxima on the right, one row per axis.
    EXPECT_EQ(panel.x_minimum.Text(), "-50");
    EXPECT_EQ(panel.x_maximum.Text(), "120");
    EXPECT_EQ(panel.y_minimum.Text(), "-40");
    EXPECT_EQ(panel.y_maximum.Text(), "40");
    EXPECT_EQ(panel.z_minimum.Text(), "-30");
    EXPECT_EQ(panel.z_maximum.Text(), "0");
    EXPECT_TRUE(panel.Visible());
    EXPECT_EQ(rig.forms().main_window().WindowState(), forms::Window::kMinimized);
}

// Every keystroke sends the number the box's text begins with (which
// number that is is LeadingNumber's table, which texts are limits at all
// IsLimitText's). A text that is no number is refused in the box, naming
// it: the box keeps what it held and the host hears nothing, so the label
// cannot differ from the block. The smallest normal double once threw out
// of the handler: its 15-digit text is subnormal.
TEST(BlockPanelModel, EachKeystrokeSendsItsNumberOrIsRefusedNamingTheBox) {
    struct Case {
        const char* typed;
        const char* sent;  // null: refused
    };
    const Case cases[] = {
        {"-", "SetBlockLimit 1 0"},
        {"-12.5", "SetBlockLimit 1 -12.5"},
        {"2.2250738585072014E-308", "SetBlockLimit 1 2.2250738585072E-308"},
        {"-12.5mm", nullptr},
        {"1,5", nullptr},
    };
    for (const auto& c : cases) {
        testing::FormsRig rig(kBlock);
        BlockPanelModel& panel = rig.forms().block_panel();
        auto sent = SetCalls(rig.CallsOf([&] { panel.x_minimum.SetText(c.typed); }));
        if (c.sent) {
            EXPECT_EQ(sent, std::vector<std::string>{c.sent}) << c.typed;
            continue;
        }
        EXPECT_TRUE(sent.empty()) << c.typed;
        EXPECT_EQ(panel.x_minimum.Text(), "-50") << c.typed;
        ASSERT_EQ(rig.interaction().messages.size(), 1u) << c.typed;
        EXPECT_EQ(rig.interaction().messages[0].text,
                  std::string("X 최소 상자에는 숫자만 넣을 수 있습니다: '") + c.typed + "'");
    }
    testing::FormsRig rig(kBlock);
    rig.forms().block_panel().z_maximum.SetText("7");
    EXPECT_EQ(SetCalls(rig.Transcript()).back(), "SetBlockLimit 6 7");
}

// The pictures would label a block the wrong way round: the capture is
// refused, naming the axis, and nothing of it reaches the host.
TEST(BlockPanelModel, AMinimumAboveItsMaximumIsRefusedBeforeTheCapture) {
    testing::FormsRig rig(kBlock);
    MainWindowModel& main_window = rig.forms().main_window();
    main_window.ClickCapture();
    BlockPanelModel& panel = rig.forms().block_panel();
    panel.z_minimum.SetText("53");  // Z 최소 over Z 최대 0
    EXPECT_EQ(rig.CallsOf([&panel] { panel.ClickCapture(); }), std::vector<std::string>{});
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_EQ(rig.interaction().messages[0].text,
              "Z 최소 53이(가) Z 최대 0보다 큽니다. 최솟값을 최댓값 이하로 고친 뒤 캡처하십시오.");
    EXPECT_TRUE(rig.forms().HasBlockPanel());  // the panel stays for the correction

    panel.z_minimum.SetText("-30");
    EXPECT_FALSE(rig.CallsOf([&panel] { panel.ClickCapture(); }).empty());
}

// A block that cannot be read leaves the boxes empty, not with their
// design-time names or half a block, and "캡처" waits for a block.
TEST(BlockPanelModel, WithoutABlockTheBoxesStayEmptyAndCaptureWaits) {
    for (const char* failing : {"fail Connect\n", "fail FetchBlock\n", "fail BlockLimit\n"}) {
        testing::FormsRig rig(kBlock + failing);
        BlockPanelModel& panel = rig.forms().block_panel();
        capture::BlockBoxes boxes = panel.Boxes();
        EXPECT_EQ((std::vector<std::string>{boxes.x_min, boxes.x_max, boxes.y_min, boxes.y_max,
                                            boxes.z_min, boxes.z_max}),
                  std::vector<std::string>(6, ""))
            << failing;
        EXPECT_FALSE(panel.capture_button.Enabled) << failing;
        std::size_t told = rig.interaction().messages.size();
        bool done = true;
        panel.CaptureDone = [&done](bool kept) { done = kept; };
        EXPECT_TRUE(rig.CallsOf([&panel] { panel.ClickCapture(); }).empty()) << failing;
        EXPECT_FALSE(done);
        EXPECT_EQ(rig.interaction().messages.size(), told + 1);
    }
    // Read once, the block enables "캡처"; a later read that fails empties the boxes again.
    testing::FormsRig rig(kBlock + "fail EDIT BLOCK RESETLIMIT 0\n");
    BlockPanelModel& panel = rig.forms().block_panel();
    EXPECT_TRUE(panel.capture_button.Enabled);
    EXPECT_EQ(panel.x_minimum.Text(), "-50");
    panel.ClickBlock();
    EXPECT_FALSE(panel.capture_button.Enabled);
    EXPECT_EQ(panel.x_minimum.Text(), "");
}

TEST(BlockPanelModel, BlockButtonReplacesTypedValuesWithTheHostsBlock) {
    testing::FormsRig rig(kBlock);
    BlockPanelModel& panel = rig.forms().block_panel();
    panel.x_maximum.SetText("999");
    auto since = rig.CallsOf([&panel] { panel.ClickBlock(); });
    EXPECT_EQ(std::vector<std::string>(since.begin(), since.begin() + 5),
              (std::vector<std::string>{"Connect", "RunCommand DELETE BLOCK",
                                        "RunCommand EDIT BLOCK RESETLIMIT 0",
                                        "RunCommand EDIT BLOCK RESET", "FetchBlock"}));
    EXPECT_EQ(panel.x_maximum.Text(), "120");
    // Only the box whose text changed sends its limit again.
    EXPECT_EQ(SetCalls(since), std::vector<std::string>{"SetBlockLimit 2 120"});
}

// That the panel closes and the main window comes back, whatever happened,
// is the fault sweep's.
TEST(BlockPanelModel, ACaptureWithoutItsBitmapsIsReportedUnfinished) {
    testing::FormsRig rig(kBlock);
    rig.forms().main_window().ClickCapture();
    rig.forms().block_panel().ClickCapture();
    // The replay host keeps no bitmaps: a run it accepted is still reported as unfinished.
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("IMAGE\\ISO.bmp"), std::string::npos);
}

TEST(BlockPanelModel, AnUnreachableHostIsReportedOnceNotOnEveryKeystroke) {
    testing::FormsRig rig("fail Connect\n");
    BlockPanelModel& panel = rig.forms().block_panel();
    panel.x_minimum.SetText("1");
    panel.x_minimum.SetText("12");
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_EQ(panel.x_minimum.Text(), "12");
}

}  // namespace
}  // namespace orvalis
