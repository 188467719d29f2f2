#include "window_models/tool_assembly_window_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data_files/tool_assembly_file.h"
#include "support/forms_rig.h"
#include "window_models/forms.h"
#include "window_models/main_window_model.h"

namespace orvalis {
namespace {

const std::string kTenLine =
    "\"10\",\"75\",\"10\",\"10\",\"30\",\"\",\"\",\"\",\"24\",\"32\",\"30\",\"\",\"\",\"\",\"0.5\","
    "\"2\"\r\n";
const std::string kSixLine =
    "\"6\",\"57\",\"5.8\",\"6\",\"20\",\"6\",\"6\",\"15\",\"16\",\"24\",\"30\",\"\",\"\",\"\","
    "\"0.3\",\"1.5\"\r\n";
const std::string kFourLine =
    "\"4\",\"50\",\"3.8\",\"4\",\"12\",\"\",\"\",\"\",\"16\",\"24\",\"30\",\"\",\"\",\"\",\"0.3\","
    "\"1\"\r\n";

struct TableRig : testing::FormsRig {
    TableRig() : FormsRig("version 8009\n") {}

    void WriteTable(const std::string& bytes) {
        drives().Write(settings::ToolAssemblyFilePath(), bytes);
    }
    // The tool settings window as "공구설정" opens it, with the material the
    // main window's selector has.
    ToolAssemblyWindowModel& Open(int material = 0) {
        MainWindowModel& main = forms().main_window();
        main.material.SetListIndex(material);
        main.ClickToolSettings();
        return forms().tool_assembly_window();
    }
    std::string FileText() const {
        return drives().Read(settings::ToolAssemblyFilePath()).value_or("<missing>");
    }
};

std::vector<std::string> Column(const ToolAssemblyWindowModel& window, int col) {
    std::vector<std::string> cells;
    for (int row = 0; row < window.assembly_grid.Rows(); ++row) {
        cells.push_back(window.assembly_grid.TextMatrix(row, col));
    }
    return cells;
}

TEST(ToolAssemblyWindowModel, OpensOnTopOverTheMinimisedMainWindowWithTheHeadingsAndTheFile) {
    struct Case {
        std::string file;
        int material;
        std::vector<std::string> keys;  // column 1, heading row first
        bool steel, electrode;
    };
    const Case cases[] = {
        {kTenLine + kSixLine + kFourLine, 0, {"공구경", "10", "6", "4"}, true, false},
        {kTenLine + kSixLine + kFourLine, 1, {"공구경", "10", "6", "4"}, false, true},
        {kTenLine, -1, {"공구경", ""}, false, false},  // no material: the designed grid, no load
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " / material " + std::to_string(c.material));
        TableRig rig;
        rig.WriteTable(c.file);
        ToolAssemblyWindowModel& window = rig.Open(c.material);
        EXPECT_EQ(Column(window, 1), c.keys);
        EXPECT_EQ(window.steel_option.Value, c.steel);
        EXPECT_EQ(window.electrode_option.Value, c.electrode);
        EXPECT_EQ(rig.forms().main_window().WindowState(), forms::Window::kMinimized);
    }
    TableRig rig;
    rig.WriteTable(kTenLine + kSixLine);
    ToolAssemblyWindowModel& window = rig.Open();
    // The file once, however often it is pressed; the rows' fields as the
    // collision pass takes them are in CollisionCheck's reviewed transcript.
    window.ClickLoadTable();
    window.ClickLoadTable();
    EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"공구경", "10", "6"}));
    // Reset keeps the heading and row 1 until the next load.
    window.ClickClearEntries();
    EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"공구경", "10"}));
}

TEST(ToolAssemblyWindowModel, SavingAppendsTheBoxesAsTypedAndListsTheWholeFile) {
    TableRig rig;
    rig.WriteTable(kTenLine);
    ToolAssemblyWindowModel& window = rig.Open();
    for (int number = 1; number <= 16; ++number) {
        window.EntryBox(number).SetText(number == 1 ? "10" : std::to_string(number * 10));
    }
    window.EntryBox(7).SetText("");  // no second shank section
    window.EntryBox(3).SetText(" 5.80");
    window.ClickSaveRecord();  // a key already stored is appended again
    EXPECT_EQ(rig.FileText(),
              kTenLine +
                  "\"10\",\"20\",\" 5.80\",\"40\",\"50\",\"60\",\"\",\"80\",\"90\",\"100\",\"110\","
                  "\"120\",\"130\",\"140\",\"150\",\"160\"\r\n");
    EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"공구경", "10", "10"}));
    for (int number = 1; number <= 16; ++number) EXPECT_EQ(window.EntryBox(number).Text(), "");
}

// A record without its key can never be found, and a field that is no
// number would reach the host's tool as typed: the window says which and
// keeps the file and the boxes as they were.
TEST(ToolAssemblyWindowModel, ARecordWithoutDiameterOrWithAFieldThatIsNoNumberIsRefused) {
    struct Case {
        int field;
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {1, "", "공구경이 비어 있습니다"},
        {2, "75mm", "공구길이 값이 숫자가 아닙니다: '75mm'"},
        {16, "x", "홀더오버 값이 숫자가 아닙니다: 'x'"},
    };
    for (const auto& c : cases) {
        TableRig rig;
        rig.WriteTable(kTenLine);
        ToolAssemblyWindowModel& window = rig.Open();
        window.EntryBox(1).SetText("8");
        window.EntryBox(2).SetText("60");
        window.EntryBox(c.field).SetText(c.text);
        window.ClickSaveRecord();
        EXPECT_EQ(rig.FileText(), kTenLine) << c.says;
        ASSERT_EQ(rig.interaction().messages.size(), 1u) << c.says;
        EXPECT_NE(rig.interaction().messages[0].text.find(c.says), std::string::npos)
            << rig.interaction().messages[0].text;
        EXPECT_EQ(window.EntryBox(c.field).Text(), c.text);
    }
}

TEST(ToolAssemblyWindowModel, DeleteRemovesTheChosenRecordFromTheFileAfterAsking) {
    TableRig rig;
    rig.WriteTable(kTenLine + kSixLine + kFourLine);
    ToolAssemblyWindowModel& window = rig.Open();
    window.SelectRow(2);
    window.ClickDeleteRecord();  // the rig answers no
    ASSERT_EQ(rig.interaction().questions.size(), 1u);
    EXPECT_NE(rig.interaction().questions[0].text.find("공구경 6"), std::string::npos);
    EXPECT_TRUE(rig.interaction().questions[0].default_no);
    EXPECT_EQ(rig.FileText(), kTenLine + kSixLine + kFourLine);

    rig.interaction().confirm_answer = true;
    window.ClickDeleteRecord();
    EXPECT_EQ(rig.FileText(), kTenLine + kFourLine);  // the others as they were
    EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"공구경", "10", "4"}));
    EXPECT_EQ(window.SelectedRow(), 0);
}

TEST(ToolAssemblyWindowModel, AFileThatCannotBeReadOrWrittenIsToldAndChangesNothing) {
    TableRig rig;
    rig.WriteTable(kTenLine);
    ToolAssemblyWindowModel& window = rig.Open();

    // The file turned into a folder: neither readable nor replaceable.
    auto file = rig.drives().File(settings::ToolAssemblyFilePath());
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    window.EntryBox(1).SetText("8");
    window.ClickSaveRecord();
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("저장하지 못했습니다"), std::string::npos);
    EXPECT_EQ(window.EntryBox(1).Text(), "8");  // what was typed stays
    EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"공구경", "10"}));

    window.ClickLoadTable();
    ASSERT_EQ(rig.interaction().messages.size(), 2u);
    EXPECT_NE(rig.interaction().messages[1].text.find("읽지 못했습니다"), std::string::npos);
    EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"공구경", "10"}));

    // A file cut short inside its last record shows the complete ones and
    // is not rewritten by a delete.
    std::filesystem::remove(file);
    rig.WriteTable(kTenLine + "\"6\",\"57\"\r\n");
    window.ClickLoadTable();
    EXPECT_NE(rig.interaction().messages.back().text.find("레코드 중간에서 끝납니다"),
              std::string::npos);
    EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"공구경", "10"}));
    window.SelectRow(1);
    rig.interaction().confirm_answer = true;
    window.ClickDeleteRecord();
    EXPECT_EQ(rig.FileText(), kTenLine + "\"6\",\"57\"\r\n");
}

TEST(ToolAssemblyWindowModel, ClosingBringsTheMainWindowBackAndTheNextOpeningReadsTheFileAgain) {
    TableRig rig;
    rig.WriteTable(kTenLine);
    ToolAssemblyWindowModel& window = rig.Open();
    window.ClickClearEntries();
    window.assembly_grid.SetTextMatrix(1, 1, "typed over");
    window.Unload();
    EXPECT_EQ(rig.forms().main_window().WindowState(), forms::Window::kNormal);
    EXPECT_EQ(Column(rig.Open(), 1), (std::vector<std::string>{"공구경", "10"}));
}

}  // namespace
}  // namespace orvalis
