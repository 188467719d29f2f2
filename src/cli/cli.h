#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "host/host_work.h"
#include "host/session.h"
#include "window_models/forms.h"
#include "window_models/interaction.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

// What a command gets: its arguments, the output streams and the host.
class CommandContext {
  public:
    CommandContext(GlobalOptions options, std::ostream& out, std::ostream& err);

    const std::vector<std::string>& arguments() const { return options_.arguments; }
    std::ostream& out() { return out_; }
    std::ostream& err() { return err_; }

    // The host session, made on first use from --host / ORVALIS_HOST and
    // --transcript, so commands that never talk to the host need none.
    std::shared_ptr<host::HostSession> Session();

    // The window models, made on first use over Session().
    forms::Forms& Forms();
    // Opens the main window as the desktop program does (transcript marker
    // "# load"); what its load could not do is printed on stderr.
    MainWindowModel& LoadMainWindow();

    // Answers the windows' yes/no questions (a workbook to replace ...).
    void SetConfirmAnswer(bool answer) { interaction_.confirm_answer = answer; }
    // Whether saved workbooks are opened with the desktop's program (--show).
    void SetShowDocuments(bool show) { interaction_.show_documents = show; }
    // How many message boxes went to stderr so far: a command prints the
    // status bar only when the window showed no box, so nothing is said twice.
    int MessagesShown() const { return interaction_.messages_shown; }

  private:
    // Message boxes go to stderr; questions get the answer the options gave.
    struct CliInteraction : forms::Interaction {
        explicit CliInteraction(std::ostream& error_stream) : err(error_stream) {}
        void Message(const forms::MessageText& message) override;
        bool Confirm(const forms::MessageText& question) override;
        void OpenDocument(const std::string& path) override;
        std::ostream& err;
        bool confirm_answer = false;
        bool show_documents = false;
        int messages_shown = 0;
    };

    GlobalOptions options_;
    std::ostream& out_;
    std::ostream& err_;
    CliInteraction interaction_;
    // Declared before the session that calls it, so it outlives the session.
    std::unique_ptr<host::WorkWatcher> interrupt_watcher_;
    std::shared_ptr<host::HostSession> session_;
    std::unique_ptr<forms::Forms> forms_;
};

// Runs orvalis-cli with the words after the program name and returns the exit
// status: 0 done, 1 failed (message on `err`), 2 usage error.
int Main(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

// The exit status of a run stopped by Ctrl-C, as a shell reports SIGINT.
inline constexpr int kInterruptedStatus = 130;

}  // namespace orvalis::cli
