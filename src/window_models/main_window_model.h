#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "collision/collision_check.h"
#include "collision/gouge_display.h"
#include "controls/controls.h"
#include "host/channel.h"
#include "nc_output/nc_post.h"
#include "sheet/setup_sheet.h"
#include "survey/assembly_values.h"
#include "survey/survey.h"
#include "survey/toolpath_table.h"
#include "window_models/folder_panel.h"
#include "window_models/window.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The main window (title ORVALIS): the project's toolpaths and the survey
// list, the sheet header boxes, the folder panel and the toolpath grid.
class MainWindowModel : public forms::Window {
  public:
    explicit MainWindowModel(forms::Forms& forms);

    host::HostChannel pm;  // PM

    // Frame "시트지 정보": which host version answered (one label at most).
    std::array<forms::Label, 6> version_labels{{
        {"파워밀 4,5에 접속 중입니다.", false},  // Label11
        {"파워밀 5,5에 접속 중입니다.", false},  // Label12
        {"파워밀 6,0에 접속 중입니다.", false},  // Label13
        {"파워밀 7,0에 접속 중입니다.", false},  // Label14
        {"파워밀 8,0에 접속 중입니다.", false},  // Label15
        {"파워밀 9,0에 접속 중입니다.", false},  // Label16
    }};
    // Frame "공구 검증 옵션".
    forms::ComboBox material;                              // Combo4: "스 틸 용", "전 극 용"
    forms::Button tool_settings_button{"공구설정", true};  // Command8
    forms::CheckBox collision_check{"충돌 간섭", 0};       // Check1
    forms::CheckBox gouge_check{"과절삭", 0};              // Check2
    // Frame "작업 지시서".
    forms::ComboBox company_name;  // Combo2 "회사명"
    forms::ComboBox work_offset;   // Combo3 "좌 표": G54 to G59
    forms::TextBox item_name;      // Text1 "품  명"
    forms::TextBox part_name;      // Text2 "부품명"
    forms::TextBox nc_extension;   // Text3 "확장자"

    // Frame "ToolPatH List".
    forms::ListBox project_list;                  // List1: the project's toolpaths, multi-select
    forms::ListBox survey_list;                   // List2: the toolpaths to survey, check and post
    forms::Button add_all_button{">>", true};     // Command1
    forms::Button add_button{">", true};          // Command6
    forms::Button remove_button{"<", true};       // Command7
    forms::Button remove_all_button{"<<", true};  // Command10
    forms::Button refresh_button{"LIST UPDATA", true};  // Command5
    forms::Button survey_button{"불러오기", true};      // Command14

    forms::Label project_name;    // Label9, after "POWERMILL NAME>>"
    forms::Label project_folder;  // Label8, after "파일 위치:>>"

    // Tab "위치1": the folder panel.
    DriveListBox drive_list;                                // Drive1
    DirListBox folder_list;                                 // Dir1
    FileListBox file_list;                                  // File1
    forms::TextBox folder_name{"NCDATA"};                   // Text7: a new folder's name
    forms::Button create_folder_button{"폴더 생성", true};  // Command4

    // Lower frame.
    forms::TextBox nc_prefix;                         // Text8 "이름": NC name prefix
    forms::TextBox nc_start;                          // Text10 "시작 위치": the first NC number
    forms::ComboBox post_option;                      // Combo1: post-processor option files
    forms::Button post_button{"NC POST", true};       // Command2
    forms::Button sheet_button{"시트 만들기", true};  // Command3
    // Beside "시트 만들기": a sheet that replaces one marks what changed since.
    forms::CheckBox mark_changes_check{"변경 표시", 1};
    forms::Button pictures_button{"그림", true};  // Command13
    forms::Button capture_button;                 // Command15, a picture: view capture
    std::string status_bar;                       // StatusBar1's first panel

    // The toolpath rows, row n for survey-list entry n (up to 60): the survey
    // fills them, the numbering names them, the sheet and NC POST read them.
    survey::ToolpathTable toolpath_table;
    // MSFlexGrid1: the grid that shows the table.
    forms::FlexGrid toolpath_grid() const;

    // Shank and holder dimensions the survey shows, per toolpath: the
    // collision check keeps the assembly each toolpath was checked with.
    survey::ToolpathAssemblies assembly_values;

    // Values kept while the window is open.
    const std::string& version_code() const { return version_code_; }
    const std::string& nc_name_prefix() const { return nc_name_prefix_; }
    const std::string& new_folder_name() const { return new_folder_name_; }
    // Whether the load could list the project's toolpaths.
    bool toolpaths_listed() const { return toolpaths_listed_; }
    // What the last survey did: its rows, and what went wrong.
    const survey::SurveyResult& last_survey() const { return last_survey_; }
    // What the last NC output wrote, refused and failed on.
    const nc_output::PostResult& last_post() const { return last_post_; }
    // The workbook the last "시트 만들기" or "그림" saved; empty when it saved none.
    const std::string& last_workbook() const { return last_workbook_; }
    // What the last "시트 만들기" said about the sheet it replaced; nothing
    // when it saved none.
    const std::optional<sheet::SetupSheetResult>& last_sheet() const { return last_sheet_; }
    // What the last collision check and gouge display did.
    const collision::CollisionResult& last_collision() const { return last_collision_; }
    const collision::GougeResult& last_gouge() const { return last_gouge_; }
    // The survey-list entries (within the grid's rows) whose row does not
    // hold that toolpath as a finished survey left it: a row of another
    // toolpath or an empty one, or every entry from the toolpath where the
    // last survey stopped.
    std::vector<std::string> UnsurveyedEntries() const;
    // The problem of the host connection at load; empty when it connected.
    const std::string& connection_problem() const { return connection_problem_; }

    void Load();                             // Form_Load
    void ClickAddAll();                      // Command1 ">>"
    void ClickAddSelected();                 // Command6 ">"
    void ClickRemoveSelected();              // Command7 "<"
    void ClickRemoveAll();                   // Command10 "<<"
    void ClickRefreshToolpaths();            // Command5 "LIST UPDATA"
    void ClickCapture();                     // Command15, the picture: the block limits panel
    void ClickCreateFolder();                // Command4 "폴더 생성"
    void FolderNameKeyPress(int key_ascii);  // Text7
    void PrefixChanged();                    // nc_prefix
    void StartNumberChanged();               // nc_start
    void DriveChanged();                     // Drive1
    void FolderChanged();                    // Dir1
    // The user picked a folder of the list: it is where the files go now,
    // and the status bar says so with its whole path.
    void OpenFolder(const std::string& path);
    void ClickSurvey();          // Command14 "불러오기": the survey
    void ClickPostNc();          // Command2 "NC POST": one NC file per toolpath
    void ClickSetupSheet();      // Command3 "시트 만들기": the setup sheet
    void ClickPictures();        // Command13 "그림": the picture workbook
    void ClickToolSettings();    // Command8 "공구설정": the tool settings window
    void ClickCollisionCheck();  // Check1 "충돌 간섭": the holder collision check
    void ClickGougeDisplay();    // Check2 "과절삭": the gouge display

    // After the rename window renamed the project's toolpaths: lists them
    // again and says what was done.
    void ShowRenamedToolpaths(const std::string& done,
                              const std::vector<std::pair<std::string, std::string>>& renamed);
    // After a company was registered: the company box lists the registry
    // again, keeping the company shown when it is still there.
    void ReloadCompanies();
    // Another window's work done for the main window (the capture): the
    // status bar says it.
    void ShowDone(const std::string& done) { Status(done); }

    static constexpr const char* kReady = "준비";

  private:
    // The load's steps; each reports what it could not do.
    void ListPostProcessors(std::vector<std::string>& problems);
    void ListToolpaths(std::vector<std::string>& problems);
    void ShowVersion(std::vector<std::string>& problems);
    void LoadSettings(std::vector<std::string>& problems);
    void ShowProject(std::vector<std::string>& problems);
    void ReportLoad(const std::vector<std::string>& problems);

    void RenumberNcNames(int first_number);
    // Numbers the NC names again as the last numbering did, if there was one:
    // a survey gives the rows their toolpath names back.
    void RepeatNumbering();
    // Asks before a sheet is written with rows the survey did not fill;
    // false when the user says no.
    bool AgreeToUnsurveyedRows();
    // Creates the folder named in Text7 in Dir1's folder; false when it could not.
    bool CreateFolder();
    void ChangeFolder(const std::string& path);
    void Status(std::string text);
    // "WORK 3/12: NAME", with entry `list_index` (default `index`) of the
    // survey list selected.
    void ShowProgress(const std::string& work, int index, int count,
                      std::optional<int> list_index = std::nullopt);
    void ReportSurvey();
    // Whether the project list, as last read, holds the toolpath; empty when
    // it could not be read (nothing to hold the entries against).
    survey::InProject InProjectList() const;
    // The survey list's entries the project holds, for the checks that send
    // every entry to the host, with their places in the survey list, and
    // the problem that names those left out (empty when none is).
    struct ProjectEntries {
        std::vector<std::string> names;
        std::vector<int> positions;
        std::string left_out;
    };
    ProjectEntries EntriesInProject() const;
    void ReportPost(int not_posted);
    // Says what changed since the replaced sheet, or why that is not marked.
    void ReportSheetChanges(const sheet::SetupSheetResult& written);
    // Asks before NC files that exist are replaced.
    enum class NcReplace { kNoneThere, kAgreed, kRefused };
    NcReplace AgreeToReplaceNcFiles(const std::vector<std::string>& planned);
    // Runs a workbook writer, asking before it replaces a file; `write` takes
    // whether replacing is allowed.
    void SaveWorkbook(const std::string& title,
                      const std::function<std::filesystem::path(bool overwrite)>& write);
    // The collision check's pass over the survey list; false when the list is empty.
    bool RunCollisionPass(std::vector<std::string>& problems);
    void KeepAssemblies(const collision::CollisionResult& result);
    void ReportChecks(const std::string& title, const std::string& done,
                      std::vector<std::string> problems, bool failed);

    std::string version_code_;
    std::string nc_name_prefix_;
    std::optional<int> numbering_start_;  // the first number of the last numbering
    std::string connection_problem_;
    // The first survey-list entry the last survey did not reach because it
    // stopped at a failure; none when it went through.
    std::optional<int> survey_stopped_at_;
    std::string new_folder_name_;
    bool toolpaths_listed_ = false;
    survey::SurveyResult last_survey_;
    nc_output::PostResult last_post_;
    std::string last_workbook_;
    std::optional<sheet::SetupSheetResult> last_sheet_;
    collision::CollisionResult last_collision_;
    collision::GougeResult last_gouge_;
    std::map<std::string, std::string> current_folders_;  // per drive, as the last ChDir left it
};

}  // namespace orvalis
