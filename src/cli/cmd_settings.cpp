#include <ostream>

#include "cli/commands.h"
#include "mainwin/picture_size_file.h"
#include "mainwin/settings_files.h"
#include "mainwin/tool_assembly_file.h"

namespace orvalis::cli {

namespace {

template <typename Texts>
void PrintRow(std::ostream& out, const char* label, const Texts& texts) {
    out << label;
    for (const auto& text : texts) out << '\t' << text;
    out << '\n';
}

}  // namespace

// One line per setting, the label and its values separated by TABs:
// extension, one company line per listed company, the eight picture sizes,
// one tool-assembly line per record.
int RunSettings(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {}, {});
    if (!arguments.operands().empty()) throw UsageError("settings takes no arguments");
    std::ostream& out = context.out();
    out << "extension\t" << settings::LoadNcExtension() << '\n';
    for (const auto& company : settings::LoadCompanyList()) out << "company\t" << company << '\n';
    auto pictures = settings::ReadPictureSizes();
    PrintRow(out, "picture-sizes", pictures.sizes.value_or(settings::PictureSizeTexts{}));
    for (const auto& record : settings::ReadToolAssemblies().records) {
        PrintRow(out, "tool-assembly", record);
    }
    return 0;
}

}  // namespace orvalis::cli
