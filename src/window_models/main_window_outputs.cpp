// What the main window hands to the shop: the NC files, the setup sheet, the
// picture workbook, and the view capture that makes the pictures.
#include "window_models/main_window_model.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "data_files/settings_files.h"
#include "host/host_error.h"
#include "host/host_messages.h"
#include "host/host_work.h"
#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/file_error.h"
#include "platform/file_stamps.h"
#include "platform/native_path.h"
#include "sheet/picture_workbook.h"
#include "sheet/setup_sheet.h"
#include "sheet/sheet_error.h"
#include "sheet/sheet_messages.h"
#include "survey/toolpath_table.h"
#include "window_models/block_panel_model.h"
#include "window_models/forms.h"
#include "window_models/joined.h"
#include "window_models/settings_window_model.h"

namespace orvalis {

namespace fs = std::filesystem;

namespace {

// Takes the NC file for this run before the host writes it: created empty
// where no file is, in one step, so a second run posting into the folder at
// the same time finds it taken. The same NC name twice is one file.
bool ClaimNcFile(const std::string& file, std::vector<std::string>& claimed) {
    if (std::find(claimed.begin(), claimed.end(), file) != claimed.end()) return true;
    try {
        CreateFileAtomically(ResolvePath(file), "");
    } catch (const FileExistsError&) {
        return false;
    } catch (const FileError&) {
        return true;  // a folder that cannot be written: the host meets it and it is told
    }
    claimed.push_back(file);
    return true;
}

// A claimed file the host left empty was not written (a failure, a cancel):
// it is removed, so no empty NC file passes for one.
std::vector<std::string> DropEmptyClaims(const std::vector<std::string>& claimed) {
    std::vector<std::string> dropped;
    for (const auto& file : claimed) {
        std::error_code error;
        fs::path path = ResolvePath(file);
        if (fs::file_size(path, error) == 0 && !error && fs::remove(path, error)) {
            dropped.push_back(file);
        }
    }
    return dropped;
}

}  // namespace

void MainWindowModel::ClickPostNc() {
    host::LongWork work(pm);
    last_post_ = {};
    if (survey_list.ListCount() == 0) {
        try {
            pm.Connect();
            pm.Connect();
        } catch (const host::HostError& error) {
            Status(host::NotConnectedProblem(error));
        }
        forms().interaction().Message(
            {"NC로 출력할 툴패스가 없습니다. 툴패스를 목록에 넣어 주세요.", "NC POST",
             forms::MessageIcon::kExclamation});
        return;
    }
    // Table row n holds the NC name of list entry n; the table has 60 rows.
    int count = survey_list.ListCount();
    int posted = std::min(count, survey::kMaxToolpaths);
    std::vector<nc_output::PostEntry> entries;
    for (int n = 0; n < posted; ++n) {
        entries.push_back({survey_list.List(n), toolpath_table.Row(n).nc_name});
    }
    std::vector<std::string> planned;
    for (const auto& entry : entries) {
        planned.push_back(
            nc_output::OutputFile(folder_list.Path, entry.nc_name, nc_extension.Text()));
    }
    NcReplace replace = AgreeToReplaceNcFiles(planned);
    if (replace == NcReplace::kRefused) return;
    survey_list.SetListIndex(0);
    SetWindowState(kMinimized);
    FileStamps before = StampFiles(planned);
    // Without the user's consent to replace, a file another run made since
    // the question is left to it.
    std::vector<std::string> claimed;
    nc_output::ClaimFile claim;
    if (replace == NcReplace::kNoneThere) {
        claim = [&claimed](const std::string& file) { return ClaimNcFile(file, claimed); };
    }
    last_post_ = nc_output::RunNcPost(
        pm, entries, nc_output::kPostFolder + post_option.Text(), folder_list.Path,
        nc_extension.Text(),
        [this, posted](int index) { ShowProgress("NC 출력 중", index, posted); }, claim);
    // The host writes the files on its own; one it was told to write and did
    // not must not pass for written.
    std::vector<std::string> unwritten = UnwrittenFiles(planned, before);
    for (auto& file : DropEmptyClaims(claimed)) unwritten.push_back(std::move(file));
    auto missing = [&unwritten](const std::string& file) {
        return std::find(unwritten.begin(), unwritten.end(), file) != unwritten.end();
    };
    for (const auto& file : last_post_.written) {
        if (missing(file)) last_post_.unwritten.push_back(file);
    }
    std::erase_if(last_post_.written, missing);
    survey_list.SetListIndex(0);
    SetWindowState(kNormal);
    file_list.Refresh();
    ReportPost(count - posted);
}

namespace {

// The last component of a drive path (C:\JOBS\T1.nc) or a native one.
std::string FileNameOf(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The files written, named: the first and, for several, the last.
std::string WrittenFilesText(const std::vector<std::string>& written) {
    std::string text = "NC 파일 " + std::to_string(written.size()) + "개를 썼습니다";
    if (written.empty()) return text;
    text += ": " + FileNameOf(written.front());
    if (written.size() > 1) text += " … " + FileNameOf(written.back());
    return text;
}

}  // namespace

// NC files of an earlier run may already be on the machine's card: they are
// replaced only when the user agrees, as workbooks are.
MainWindowModel::NcReplace MainWindowModel::AgreeToReplaceNcFiles(
    const std::vector<std::string>& planned) {
    std::vector<std::string> existing;
    for (const auto& file : planned) {
        std::error_code error;
        if (fs::exists(ResolvePath(file), error)) existing.push_back(FileNameOf(file));
    }
    if (existing.empty()) return NcReplace::kNoneThere;
    constexpr std::size_t kNamed = 5;
    std::vector<std::string> named(existing.begin(),
                                   existing.begin() + std::min(existing.size(), kNamed));
    std::string names = forms::Joined(named, ", ");
    if (existing.size() > kNamed) names += " 외 " + std::to_string(existing.size() - kNamed) + "개";
    if (forms().interaction().Confirm({"NC 파일 " + std::to_string(existing.size()) +
                                           "개가 이미 있습니다: " + names + "\n바꾸시겠습니까?",
                                       "NC POST", forms::MessageIcon::kQuestion,
                                       /*default_no=*/true})) {
        return NcReplace::kAgreed;
    }
    Status("NC 파일을 쓰지 않았습니다: 이미 있는 파일 " + std::to_string(existing.size()) + "개");
    return NcReplace::kRefused;
}

void MainWindowModel::ReportPost(int not_posted) {
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
    std::string written = WrittenFilesText(last_post_.written);
    Status(lines.empty() ? written : written + " / " + forms::Joined(lines, " / "));
    if (lines.empty()) return;
    forms().interaction().Message(
        {written + ".\n" + forms::Joined(lines, "\n"), "NC POST",
         last_post_.failure ? forms::MessageIcon::kCritical : forms::MessageIcon::kExclamation});
}

void MainWindowModel::ClickSetupSheet() {
    last_sheet_.reset();
    if (!AgreeToUnsurveyedRows()) return;
    settings::PictureSizeTexts sizes = forms().settings_window().PictureSizes();
    sheet::SetupSheetInput input;
    input.picture_sizes = sizes;
    input.header = {company_name.Text(), work_offset.Text(), item_name.Text(), part_name.Text(),
                    project_folder.Caption};
    input.rows = toolpath_table.FirstRows(survey_list.ListCount());
    input.name_prefix = nc_prefix.Text();
    input.first_nc_name = toolpath_table.Row(0).nc_name;
    input.target_folder = Utf8(ResolvePath(folder_list.Path));
    input.mark_changes = mark_changes_check.Value == 1;
    std::optional<sheet::SetupSheetResult> written;
    SaveWorkbook("시트 만들기", [&input, &written](bool overwrite) {
        input.overwrite = overwrite;
        written = sheet::WriteSetupSheet(input);
        return written->file;
    });
    if (!written || last_workbook_.empty()) return;
    last_sheet_ = std::move(written);
    ReportSheetChanges(*last_sheet_);
}

void MainWindowModel::ReportSheetChanges(const sheet::SetupSheetResult& written) {
    if (!written.marks_skipped.empty()) {
        Status("저장했습니다: " + last_workbook_ + " (변경 표시 없음)");
        forms().interaction().Message({written.marks_skipped + "\n" + last_workbook_, "시트 만들기",
                                       forms::MessageIcon::kExclamation});
        return;
    }
    if (!written.comparison) return;
    const sheet::SheetChanges& changes = written.comparison->changes;
    Status("저장했습니다: " + last_workbook_ + " (" +
           (changes.None() ? std::string("바뀐 툴패스 없음") : sheet::ChangeSummary(changes)) +
           ")");
}

void MainWindowModel::ClickPictures() {
    sheet::PictureWorkbookInput input{item_name.Text(), part_name.Text(),
                                      Utf8(ResolvePath(folder_list.Path)), false};
    SaveWorkbook("그림", [&input](bool overwrite) {
        input.overwrite = overwrite;
        return sheet::WritePictureWorkbook(input);
    });
}

void MainWindowModel::SaveWorkbook(const std::string& title,
                                   const std::function<std::filesystem::path(bool)>& write) {
    last_workbook_.clear();
    // The main window steps aside for the workbook; it comes back only when
    // there is nothing to look at.
    SetWindowState(kMinimized);
    try {
        try {
            last_workbook_ = Utf8(write(false));
        } catch (const sheet::SheetError& error) {
            if (error.kind() != sheet::SheetError::Kind::kWorkbookExists) throw;
            if (!forms().interaction().Confirm({sheet::ReplaceQuestion(error.subject()), title,
                                                forms::MessageIcon::kQuestion,
                                                /*default_no=*/true})) {
                SetWindowState(kNormal);
                Status("저장하지 않았습니다: " + error.subject());
                return;
            }
            last_workbook_ = Utf8(write(true));
        }
    } catch (const sheet::SheetError& error) {
        SetWindowState(kNormal);
        Status(title + " 실패");
        forms().interaction().Message(
            {sheet::SheetErrorMessage(error), title, forms::MessageIcon::kCritical});
        return;
    }
    file_list.Refresh();
    Status("저장했습니다: " + last_workbook_);
    forms().interaction().OpenDocument(last_workbook_);
}

// The main window steps aside while the panel is open; the panel brings it back.
void MainWindowModel::ClickCapture() {
    SetWindowState(kMinimized);
    forms().block_panel().Show();
}

}  // namespace orvalis
