#include <ostream>

#include "cli/commands.h"
#include "cli/tab_text.h"
#include "data_files/settings_files.h"
#include "data_files/tool_assembly_file.h"
#include "host/unreachable_backend.h"
#include "window_models/forms.h"
#include "window_models/settings_window_model.h"

namespace orvalis::cli {

namespace {

template <typename Texts>
void PrintRow(std::ostream& out, const char* label, const Texts& texts) {
    out << label;
    for (const auto& text : texts) out << '\t' << TabField(text);
    out << '\n';
}

// The settings window's messages, should its load have any.
struct StderrInteraction : forms::Interaction {
    explicit StderrInteraction(std::ostream& error_stream) : err(error_stream) {}
    void Message(const forms::MessageText& message) override {
        err << "orvalis-cli: " << message.title << ": " << message.text << "\n";
    }
    bool Confirm(const forms::MessageText&) override { return false; }
    std::ostream& err;
};

// The windows the settings are read through, over no host: none of them
// needs one, so none is started.
struct HostlessForms {
    explicit HostlessForms(std::ostream& err)
        : interaction(err),
          forms(std::make_shared<host::HostSession>(
                    std::make_unique<host::UnreachableBackend>("the settings command uses no host"),
                    nullptr),
                interaction) {}

    StderrInteraction interaction;
    forms::Forms forms;
};

}  // namespace

// One line per setting, the label and its values separated by TABs:
// extension, one company line per listed company, the eight picture sizes,
// one tool-assembly line per record.
int RunSettings(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {}, {});
    if (!arguments.operands().empty()) throw UsageError("settings에는 인수를 줄 수 없습니다");
    std::ostream& out = context.out();
    int status = 0;
    for (const auto& file : {settings::SettingFilePath(), settings::CompanyFilePath()}) {
        if (auto unreadable = settings::UnreadableFile(file)) {
            context.err() << "orvalis-cli: " << *unreadable << '\n';
            status = 1;
        }
    }
    out << "extension\t" << TabField(settings::LoadNcExtension()) << '\n';
    for (const auto& company : settings::LoadCompanyList())
        out << "company\t" << TabField(company) << '\n';
    HostlessForms windows(context.err());
    // The eight size boxes as the settings window holds them after its load,
    // the way the workbook writer takes them.
    PrintRow(out, "picture-sizes", windows.forms.settings_window().PictureSizes());
    // The table as the tool settings window loads it, the way the collision
    // check takes it. Read from its file: the window would open the main
    // window, whose load tries the host the settings never use.
    settings::ToolAssemblyRead table = settings::ReadToolAssemblies();
    for (const auto& record : table.records) PrintRow(out, "tool-assembly", record);
    if (!table.found || table.incomplete) {
        context.err() << "orvalis-cli: 공구 설정 파일을 "
                      << (table.found ? "끝까지 읽지 못했습니다 (마지막 레코드가 16개 값이 아님)"
                                      : "읽지 못했습니다")
                      << ": " << settings::ToolAssemblyFilePath() << '\n';
    }
    return status;
}

}  // namespace orvalis::cli
