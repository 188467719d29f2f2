#include "cli/cli.h"

#include <new>
#include <ostream>

#include "cli/commands.h"
#include "data_files/data_folder.h"
#include "host/host_error.h"
#include "host/replay_script.h"
#include "platform/file_error.h"
#include "platform/interrupt.h"
#include "platform/open_document.h"
#include "platform/text_encoding.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

namespace {

using CommandFunction = int (*)(CommandContext&);

struct CommandEntry {
    const char* name;
    CommandFunction function;  // null until the command is built
    const char* summary;
};

constexpr CommandEntry kCommands[] = {
    {"toolpaths", RunToolpaths, "list the project's toolpaths"},
    {"survey", RunSurvey, "survey toolpaths into the grid and print its rows"},
    {"capture", RunCapture, "label the block limits and keep the four view bitmaps"},
    {"sheet", RunSheet, "write the setup-sheet workbook"},
    {"pictures", RunPictures, "write the picture workbook"},
    {"collision", RunCollision, "run the holder collision check, then the survey"},
    {"gouge", RunGouge, "draw the gouge display"},
    {"post", RunPost, "write one NC file per toolpath"},
    {"rename", RunRename, "rename every toolpath to PREFIX1, PREFIX2, ..."},
    {"run", RunTypicalRun, "the typical run: survey, capture, sheets and NC files"},
    {"settings", RunSettings, "print the stored settings"},
    {"compare", RunCompare, "what changed between two setup sheets (OLD.xlsx NEW.xlsx)"},
};

void PrintHelp(std::ostream& out) {
    out << "usage: orvalis-cli [--host HOST] [--transcript FILE] COMMAND [ARGS...]\n\n"
           "Drives the CAM host like the ORVALIS desktop program and prints what its\n"
           "windows would show.\n\n"
           "global options:\n"
           "  --host sim             the simulated host with the bundled sample project\n"
           "  --host sim:FILE        the simulated host with the project file FILE\n"
           "  --host replay:FILE     answers from the replay script FILE\n"
           "  --transcript FILE      append every host call to FILE\n"
           "  --help, --version\n\n"
           "commands:\n";
    for (const auto& command : kCommands) {
        std::string name = command.name;
        name.resize(12, ' ');
        out << "  " << name << command.summary << "\n";
    }
    out << "\nenvironment: ORVALIS_HOST (default host), ORVALIS_DRIVES (folder standing for the\n"
           "drive letters), ORVALIS_DATA_DIR (shipped data folder)\n";
}

const CommandEntry* FindCommand(const std::string& name) {
    for (const auto& command : kCommands) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

int Dispatch(const GlobalOptions& options, std::ostream& out, std::ostream& err) {
    if (options.help) {
        PrintHelp(out);
        return 0;
    }
    if (options.version) {
        out << "orvalis-cli " << ORVALIS_VERSION << "\n";
        return 0;
    }
    if (options.command.empty()) throw UsageError("명령이 없습니다 (--help 참고)");
    const CommandEntry* command = FindCommand(options.command);
    if (!command)
        throw UsageError("알 수 없는 명령입니다: '" + options.command + "' (--help 참고)");
    if (!command->function) {
        err << "orvalis-cli: " << options.command << ": not available yet\n";
        return 2;
    }
    for (const std::string& warning : EnsureDataFolder()) {
        err << "orvalis-cli: 경고: " << warning << "\n";
    }
    CommandContext context(options, out, err);
    return command->function(context);
}

}  // namespace

CommandContext::CommandContext(GlobalOptions options, std::ostream& out, std::ostream& err)
    : options_(std::move(options)), out_(out), err_(err), interaction_(err) {}

void CommandContext::CliInteraction::Message(const forms::MessageText& message) {
    ++messages_shown;
    err << "orvalis-cli: " << message.title << ": " << message.text << "\n";
}

// --show: the desktop's program for the file opens it, and the CLI goes on.
void CommandContext::CliInteraction::OpenDocument(const std::string& path) {
    if (!show_documents) return;
    if (!OpenWithDesktopProgram(path)) {
        err << "orvalis-cli: 파일을 열 프로그램이 없습니다 (xdg-open이 없습니다): " << path << "\n";
    }
}

bool CommandContext::CliInteraction::Confirm(const forms::MessageText& question) {
    err << "orvalis-cli: " << question.text << (confirm_answer ? " (yes)" : " (no)") << "\n";
    return confirm_answer;
}

forms::Forms& CommandContext::Forms() {
    if (!forms_) forms_ = std::make_unique<forms::Forms>(Session(), interaction_);
    return *forms_;
}

MainWindowModel& CommandContext::LoadMainWindow() {
    Session()->Mark("load");
    MainWindowModel& main_window = Forms().main_window();
    // The load told a missing host in its own message: the rest of the
    // status bar is what is left to say.
    std::string status = main_window.status_bar;
    const std::string& unreachable = main_window.connection_problem();
    if (!unreachable.empty() && status.rfind(unreachable, 0) == 0) {
        status.erase(0, unreachable.size());
        if (status.rfind(" / ", 0) == 0) status.erase(0, 3);
    }
    if (!status.empty() && status != MainWindowModel::kReady)
        err_ << "orvalis-cli: " << status << "\n";
    return main_window;
}

namespace {

// Between host calls, a Ctrl-C asks the session to refuse the next call, as
// 취소 does in the windows: the work then sends its closing commands and
// says what it did not do.
class InterruptWatcher : public host::WorkWatcher {
  public:
    explicit InterruptWatcher(host::HostSession& session) : session_(session) {}
    void WorkStarted() override {}
    void BetweenCalls() override {
        if (Interrupted() && !asked_) {
            asked_ = true;
            session_.RequestCancel();
        }
    }
    void WorkEnded() override {}

  private:
    host::HostSession& session_;
    bool asked_ = false;
};

}  // namespace

std::shared_ptr<host::HostSession> CommandContext::Session() {
    if (!session_) {
        std::string choice = options_.host.empty() ? host::DefaultHostChoice() : options_.host;
        auto backend = host::MakeBackend(choice);
        std::unique_ptr<host::Transcript> transcript;
        if (!options_.transcript.empty()) {
            transcript = std::make_unique<host::Transcript>(options_.transcript);
        }
        session_ = std::make_shared<host::HostSession>(std::move(backend), std::move(transcript));
        interrupt_watcher_ = std::make_unique<InterruptWatcher>(*session_);
        session_->SetWatcher(interrupt_watcher_.get());
    }
    return session_;
}

namespace {

// Text typed on the command line goes into workbooks and host commands as
// it is, so it must be UTF-8; a terminal set to another code page would put
// broken text into the sheet.
void RefuseNonUtf8(const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!IsValidUtf8(words[i])) {
            throw UsageError(std::to_string(i + 1) +
                             "번째 인수가 UTF-8 글자가 아니어서 받지 않습니다 (터미널의 문자 "
                             "인코딩을 UTF-8로 맞춰 주세요)");
        }
    }
}

int RunCaught(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    try {
        RefuseNonUtf8(words);
        return Dispatch(ParseGlobalOptions(words), out, err);
    } catch (const UsageError& error) {
        err << "orvalis-cli: " << error.what() << "\n";
        return 2;
    } catch (const host::HostError& error) {
        err << "orvalis-cli: 호스트 오류 (" << error.command() << "): " << error.what() << "\n";
    } catch (const host::ReplayScriptError& error) {
        err << "orvalis-cli: " << error.what() << "\n";
    } catch (const FileError& error) {
        err << "orvalis-cli: 파일 오류 (" << error.path() << "): " << error.what() << "\n";
    } catch (const std::bad_alloc&) {
        err << "orvalis-cli: 메모리가 모자라 작업을 끝내지 못했습니다\n";
    } catch (const std::exception& error) {
        err << "orvalis-cli: 예기치 못한 오류로 작업을 끝내지 못했습니다 (" << error.what()
            << ")\n";
    }
    return 1;
}

}  // namespace

int Main(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    int status = RunCaught(words, out, err);
    // Stopped by Ctrl-C: what was written stays, and the shell learns why.
    if (Interrupted()) {
        err << "orvalis-cli: Ctrl-C로 취소했습니다. 이미 쓴 파일은 그대로 있습니다\n";
        status = kInterruptedStatus;
    }
    // Output that did not arrive (a full disk, a closed pipe) is a failure
    // even when the action itself succeeded.
    out.flush();
    if (!out) {
        err << "orvalis-cli: 표준 출력에 쓰지 못했습니다\n";
        return status == 0 ? 1 : status;
    }
    return status;
}

}  // namespace orvalis::cli
