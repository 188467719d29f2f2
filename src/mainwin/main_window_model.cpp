#include "mainwin/form4.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "forms/forms.h"
#include "forms/joined.h"
#include "host/host_error.h"
#include "host/host_messages.h"
#include "mainwin/drive_paths.h"
#include "mainwin/file_stamps.h"
#include "mainwin/settings_files.h"
#include "sheet/form11.h"
#include "sheet/picture_workbook.h"
#include "sheet/setup_sheet.h"
#include "sheet/sheet_error.h"
#include "sheet/sheet_messages.h"
#include "survey/toolpath_grid.h"
#include "views/form1.h"

namespace orvalis {

namespace fs = std::filesystem;

namespace {

// A single value printed by the host, with every line break of the answer removed.
std::string WithoutLineBreaks(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
    return text;
}

// The whole number a box holds, blanks around it allowed.
std::optional<long> WholeNumber(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

Form4::Form4(forms::Forms& forms)
    : Window(forms), PM(forms.session()), MSFlexGrid1(survey::MakeToolpathGrid()) {
    Combo4.AddItem("스 틸 용");
    Combo4.AddItem("전 극 용");
    for (const char* offset : {"G54", "G55", "G56", "G57", "G58", "G59"}) Combo3.AddItem(offset);
    Combo3.SetListIndex(0);
    Drive1.Drive = "c:";
    Dir1.Path = DriveRoot(Drive1.Drive);
    Text8.Change = [this] { Text8_Change(); };
    Text10.Change = [this] { Text10_Change(); };
    StatusBar1 = kReady;
}

void Form4::Form_Load() {
    MakeTopmost();
    std::vector<std::string> problems;
    try {
        PM.Connect();
    } catch (const host::HostError& error) {
        problems.push_back(host::NotConnectedProblem(error));
    }
    ListPostProcessors(problems);
    if (PM.connected()) ListToolpaths(problems);
    File1.Pattern = kFilePattern;
    if (PM.connected()) ShowVersion(problems);
    LoadSettings(problems);
    if (PM.connected()) ShowProject(problems);
    ReportLoad(problems);
}

void Form4::ListPostProcessors(std::vector<std::string>& problems) {
    Combo1.Clear();
    std::error_code error;
    std::vector<std::string> names;
    for (fs::directory_iterator it(ResolvePath(kPostFolder), error), end; !error && it != end;
         it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    for (auto& name : names) Combo1.AddItem(std::move(name));
    if (Combo1.ListCount() == 0) {
        problems.push_back(std::string("후처리 옵션 폴더가 비어 있습니다 (") + kPostFolder + ")");
        return;
    }
    Combo1.SetListIndex(0);
}

void Form4::ListToolpaths(std::vector<std::string>& problems) {
    try {
        List1.Clear();
        for (auto& name : PM.ToolpathNames()) List1.AddItem(std::move(name));
        toolpaths_listed_ = true;
    } catch (const host::HostError& error) {
        problems.push_back(std::string("툴패스 목록을 읽지 못했습니다 (") + error.what() + ")");
    }
}

void Form4::ShowVersion(std::vector<std::string>& problems) {
    try {
        version_code_ = std::to_string(PM.Version());
    } catch (const host::HostError& error) {
        problems.push_back(std::string("파워밀 버전을 읽지 못했습니다 (") + error.what() + ")");
        return;
    }
    const std::pair<const char*, forms::Label*> labels[] = {
        {"4505", &Label11}, {"5504", &Label12}, {"6008", &Label13},
        {"7006", &Label14}, {"8009", &Label15}, {"9003", &Label16},
    };
    for (auto& [code, label] : labels) label->Visible = version_code_ == code;
}

void Form4::LoadSettings(std::vector<std::string>& problems) {
    Text3.SetText(settings::LoadNcExtension());
    Combo2.Clear();
    for (auto& company : settings::LoadCompanyList()) Combo2.AddItem(std::move(company));
    Combo4.SetListIndex(0);
    if (Combo2.ListCount() == 0) {
        problems.push_back("등록된 업체가 없습니다");
        return;
    }
    Combo2.SetListIndex(0);
}

void Form4::ShowProject(std::vector<std::string>& problems) {
    try {
        Label8.Caption = WithoutLineBreaks(PM.RunCommandOutput("PRINT VALUE PROJECTPATH"));
        Label9.Caption = WithoutLineBreaks(PM.RunCommandOutput("PRINT VALUE PROJECTNAME"));
        Text2.SetText(Label9.Caption);
    } catch (const host::HostError& error) {
        problems.push_back(std::string("프로젝트 이름과 위치를 읽지 못했습니다 (") + error.what() +
                           ")");
        return;
    }
    if (Label8.Caption.empty()) return;
    // The project folder becomes the drive's current folder, which the drive
    // list then opens.
    current_folders_[DriveOf(Label8.Caption)] = Label8.Caption;
    if (IsDrivePath(Label8.Caption)) {
        Drive1.Drive = DriveOf(Label8.Caption);
        Drive1_Change();
    } else {
        ChangeFolder(Label8.Caption);
    }
}

void Form4::ReportLoad(const std::vector<std::string>& problems) {
    Status(problems.empty() ? kReady : forms::Joined(problems, " / "));
}

void Form4::Command1_Click() {
    for (const auto& name : List1.Items()) List2.AddItem(name);
    NotifyChanged();
}

void Form4::Command6_Click() {
    for (int i = 0; i < List1.ListCount(); ++i) {
        if (List1.Selected(i)) List2.AddItem(List1.List(i));
    }
    NotifyChanged();
}

void Form4::Command7_Click() {
    if (List2.ListIndex() < 0) {
        forms().interaction().Message(
            {"항목을선택해주세요", "경고", forms::MessageIcon::kCritical});
        return;
    }
    List2.RemoveItem(List2.ListIndex());
    List2.SetListIndex(-1);
    NotifyChanged();
}

void Form4::Command10_Click() {
    List2.Clear();
    NotifyChanged();
}

void Form4::Command5_Click() {
    List1.Clear();
    std::vector<std::string> problems;
    try {
        PM.Connect(0);
        PM.Connect(0);
        ListToolpaths(problems);
    } catch (const host::HostError& error) {
        problems.push_back(host::NotConnectedProblem(error));
    }
    ReportLoad(problems);
}

// The main window steps aside while the panel is open; the panel brings it back.
void Form4::Command15_Click() {
    SetWindowState(kMinimized);
    forms().form1().Show();
}

void Form4::Text8_Change() {
    nc_name_prefix_ = Text8.Text();
    RenumberNcNames(1);
}

void Form4::Text10_Change() {
    auto start = WholeNumber(Text10.Text());
    if (!start) {
        Status("시작 위치가 숫자가 아닙니다: NC 이름을 바꾸지 않았습니다");
        return;
    }
    RenumberNcNames(static_cast<int>(*start));
}

void Form4::RenumberNcNames(int first_number) {
    int rows = std::min(List2.ListCount(), survey::kMaxToolpaths);
    for (int i = 0; i < rows; ++i) {
        MSFlexGrid1.SetTextMatrix(i + 1, survey::kNcName,
                                  nc_name_prefix_ + std::to_string(first_number + i));
    }
    Status(kReady);
}

void Form4::Command4_Click() {
    if (CreateFolder()) Dir1_Change();
}

void Form4::Text7_KeyPress(int key_ascii) {
    if (key_ascii != 13) return;
    if (!CreateFolder()) return;
    // Enter also opens the new folder: the drive's current folder is now the new one.
    Command4.Visible = true;
    Drive1_Change();
}

bool Form4::CreateFolder() {
    new_folder_name_ = Text7.Text();
    auto tell = [this](const std::string& text) {
        forms().interaction().Message({text, "폴더 생성", forms::MessageIcon::kExclamation});
        return false;
    };
    if (std::string problem = FolderNameProblem(new_folder_name_); !problem.empty()) {
        return tell(problem);
    }
    std::string path = JoinFolder(Dir1.Path, new_folder_name_);
    fs::path resolved = ResolvePath(path);
    std::error_code error;
    if (fs::exists(resolved, error)) return tell("이미 있는 폴더입니다: " + path);
    if (!fs::create_directory(resolved, error)) {
        return tell("폴더를 만들 수 없습니다: " + path + " (" + error.message() + ")");
    }
    current_folders_[DriveOf(path)] = path;
    return true;
}

void Form4::Drive1_Change() {
    auto current = current_folders_.find(Drive1.Drive);
    ChangeFolder(current != current_folders_.end() ? current->second : DriveRoot(Drive1.Drive));
}

void Form4::ChangeFolder(const std::string& path) {
    Dir1.Path = path;
    Dir1_Change();
}

void Form4::Dir1_Change() {
    File1.Path = Dir1.Path;
    File1.Pattern = kFilePattern;
    File1.Refresh();
    NotifyChanged();
}

void Form4::Command2_Click() {
    last_post_ = {};
    if (List2.ListCount() == 0) {
        try {
            PM.Connect();
            PM.Connect();
        } catch (const host::HostError& error) {
            Status(host::NotConnectedProblem(error));
        }
        forms().interaction().Message(
            {"NC로 출력할 툴패스가 없습니다. 툴패스를 목록에 넣어 주세요.", "NC POST",
             forms::MessageIcon::kExclamation});
        return;
    }
    List2.SetListIndex(0);
    SetWindowState(kMinimized);
    // Grid row n + 1 holds the NC name of list entry n; the grid has 60 rows.
    int count = List2.ListCount();
    int posted = std::min(count, survey::kMaxToolpaths);
    std::vector<ncout::PostEntry> entries;
    for (int n = 0; n < posted; ++n) {
        entries.push_back({List2.List(n), MSFlexGrid1.TextMatrix(n + 1, survey::kNcName)});
    }
    std::vector<std::string> planned;
    for (const auto& entry : entries) {
        planned.push_back(ncout::OutputFile(Dir1.Path, entry.nc_name, Text3.Text()));
    }
    FileStamps before = StampFiles(planned);
    last_post_ =
        ncout::RunNcPost(PM, entries, ncout::kPostFolder + Combo1.Text(), Dir1.Path, Text3.Text(),
                         [this, posted](int index) { ShowProgress("NC 출력 중", index, posted); });
    // The host writes the files on its own; one it was told to write and did
    // not must not pass for written.
    std::vector<std::string> unwritten = UnwrittenFiles(planned, before);
    auto missing = [&unwritten](const std::string& file) {
        return std::find(unwritten.begin(), unwritten.end(), file) != unwritten.end();
    };
    for (const auto& file : last_post_.written) {
        if (missing(file)) last_post_.unwritten.push_back(file);
    }
    std::erase_if(last_post_.written, missing);
    List2.SetListIndex(0);
    SetWindowState(kNormal);
    File1.Refresh();
    ReportPost(count - posted);
}

void Form4::ReportPost(int not_posted) {
    std::vector<std::string> lines;
    if (last_post_.failure) lines.push_back(*last_post_.failure);
    for (const auto& refusal : last_post_.refused) lines.push_back("건너뜀: " + refusal);
    for (const auto& file : last_post_.unwritten) {
        lines.push_back("호스트가 NC 파일을 만들지 않았습니다: " + file);
    }
    if (not_posted > 0) {
        lines.push_back("61번째부터 " + std::to_string(not_posted) +
                        "개의 툴패스는 표에 행이 없어 출력하지 않았습니다");
    }
    std::string written = "NC 파일 " + std::to_string(last_post_.written.size()) + "개를 썼습니다";
    Status(lines.empty() ? kReady : written + " / " + forms::Joined(lines, " / "));
    if (lines.empty()) return;
    forms().interaction().Message(
        {written + ".\n" + forms::Joined(lines, "\n"), "NC POST",
         last_post_.failure ? forms::MessageIcon::kCritical : forms::MessageIcon::kExclamation});
}

void Form4::Command14_Click() {
    int count = std::min(List2.ListCount(), survey::kMaxToolpaths);
    last_survey_ = survey::RunSurvey(PM, List2.Items(), assembly_values, [this, count](int index) {
        ShowProgress("조회 중", index, count);
    });
    for (std::size_t i = 0; i < last_survey_.rows.size(); ++i) {
        survey::WriteToolpathRow(MSFlexGrid1, static_cast<int>(i) + 1, last_survey_.rows[i]);
    }
    // After a failure the list stays on the toolpath that failed.
    if (!last_survey_.failed_entry && List2.ListCount() > 0) List2.SetListIndex(0);
    ReportSurvey();
}

void Form4::ReportSurvey() {
    if (!last_survey_.problems.empty()) {
        Status(forms::Joined(last_survey_.problems, " / "));
    } else if (last_survey_.not_surveyed > 0) {
        std::string text = survey::NotSurveyedMessage(last_survey_.not_surveyed);
        Status(text);
        forms().interaction().Message({text, "경고", forms::MessageIcon::kCritical});
    } else {
        Status(kReady);
    }
}

// The list follows the toolpath at work and the status bar says how far the
// work has come, so a long run shows it is alive.
void Form4::ShowProgress(const std::string& work, int index, int count) {
    List2.SetListIndex(index);
    Status(work + " " + std::to_string(index + 1) + "/" + std::to_string(count) + ": " +
           List2.List(index));
}

void Form4::Status(std::string text) {
    StatusBar1 = std::move(text);
    NotifyChanged();
}

void Form4::Command3_Click() {
    settings::PictureSizeTexts sizes = forms().form11().PictureSizes();
    sheet::SetupSheetInput input;
    input.picture_sizes = sizes;
    input.header = {Combo2.Text(), Combo3.Text(), Text1.Text(), Text2.Text(), Label8.Caption};
    int rows = std::min(List2.ListCount(), survey::kMaxToolpaths);
    for (int row = 1; row <= rows; ++row) {
        sheet::ToolpathRow cells;
        for (int col = 1; col <= 13; ++col) cells[col - 1] = MSFlexGrid1.TextMatrix(row, col);
        input.rows.push_back(std::move(cells));
    }
    input.name_prefix = Text8.Text();
    input.first_nc_name = MSFlexGrid1.TextMatrix(1, survey::kNcName);
    input.target_folder = ResolvePath(Dir1.Path).string();
    SaveWorkbook("시트 만들기", [&input](bool overwrite) {
        input.overwrite = overwrite;
        return sheet::WriteSetupSheet(input);
    });
}

void Form4::Command13_Click() {
    sheet::PictureWorkbookInput input{Text1.Text(), Text2.Text(), ResolvePath(Dir1.Path).string(),
                                      false};
    SaveWorkbook("그림", [&input](bool overwrite) {
        input.overwrite = overwrite;
        return sheet::WritePictureWorkbook(input);
    });
}

void Form4::SaveWorkbook(const std::string& title,
                         const std::function<std::filesystem::path(bool)>& write) {
    last_workbook_.clear();
    // The main window steps aside for the workbook; it comes back only when
    // there is nothing to look at.
    SetWindowState(kMinimized);
    try {
        try {
            last_workbook_ = write(false).string();
        } catch (const sheet::SheetError& error) {
            if (error.kind() != sheet::SheetError::Kind::kWorkbookExists) throw;
            if (!forms().interaction().Confirm({sheet::ReplaceQuestion(error.subject()), title,
                                                forms::MessageIcon::kQuestion})) {
                SetWindowState(kNormal);
                Status("저장하지 않았습니다: " + error.subject());
                return;
            }
            last_workbook_ = write(true).string();
        }
    } catch (const sheet::SheetError& error) {
        SetWindowState(kNormal);
        Status(title + " 실패");
        forms().interaction().Message(
            {sheet::SheetErrorMessage(error), title, forms::MessageIcon::kCritical});
        return;
    }
    File1.Refresh();
    Status("저장했습니다: " + last_workbook_);
    forms().interaction().OpenDocument(last_workbook_);
}

}  // namespace orvalis
