#include "nc_output/nc_post.h"

#include "host/channel.h"
#include "host/host_error.h"
#include "host/host_messages.h"
#include "host/quoted_names.h"
#include "host/send_each.h"
#include "host/toolpath_pass.h"
#include "platform/drive_paths.h"
#include "platform/file_names.h"

namespace orvalis::nc_output {

std::string OutputFile(const std::string& folder, const std::string& nc_name,
                       const std::string& extension) {
    std::string separator = IsDrivePath(folder) ? "\\" : "/";
    return folder + separator + nc_name + "." + extension;
}

std::string NcNameProblem(const std::string& nc_name) {
    std::string problem = FileNameProblem(nc_name);
    return problem.empty() ? "" : "NC 이름으로 쓸 수 없습니다: " + problem;
}

std::string NcExtensionProblem(const std::string& extension) {
    const std::string setting = "NC 확장자 설정(SETTING.dat의 TYPE)";
    if (extension.empty()) return setting + "이 비어 있어 NC 파일을 쓰지 않았습니다";
    if (!IsUsableExtension(extension)) {
        return setting + " '" + extension +
               "'은(는) 파일 이름에 쓸 수 없어 NC 파일을 쓰지 않았습니다 (\\ / : * ? \" < > |, "
               "..은 쓸 수 없습니다)";
    }
    return "";
}

std::vector<std::string> PostCommands(const std::string& toolpath, const std::string& option_file,
                                      const std::string& output_file) {
    const std::string& n = toolpath;
    return {
        "DIALOGS MESSAGE OFF",
        "DELETE NCPROGRAM ALL",
        "CREATE NCPROGRAM '" + n + "' EDIT NCPROGRAM '" + n + "' APPEND TOOLPATH '" + n +
            "' DEACTIVATE NCPROGRAM",
        "EXPLORER SELECT NCProgram '" + n + "' NEW",
        "Edit NCPROGRAM '" + n + "' QUIT FORM NCTOOLPATH",
        "EDIT NCPROGRAM '" + n + "' TAPEOPTIONS " + option_file,
        // The host takes the rest of the line as the file name: no quotes.
        "EDIT NCPROGRAM '" + n + "' FILENAME " + output_file,
        "ACTIVATE NCPROGRAM '" + n + "' KEEP NCPROGRAM ;",
        "NCTOOLPATH ACCEPT",
    };
}

namespace {

// The NC programs were only vehicles; the host keeps none, and its messages
// come back on.
std::optional<std::string> Close(host::HostChannel& pm) {
    auto failure = host::SendEach(pm, {"DELETE NCPROGRAM ALL", "DIALOGS MESSAGE ON"});
    if (!failure) return std::nullopt;
    return failure->command() + " (" + failure->what() + ")";
}

// One run's posting of its entries into `result`.
struct Posting {
    host::HostChannel& pm;
    const std::string& option_file;
    const std::string& folder;
    const std::string& extension;
    const ClaimFile& claim;
    PostResult& result;

    // Why the entry is not posted, in Korean; empty when it may be. Its
    // output file is claimed then.
    std::string Refusal(const PostEntry& entry, const std::string& output) const {
        if (auto problem = host::UnquotableNameProblem("툴패스 이름", entry.toolpath);
            !problem.empty()) {
            return problem;
        }
        if (std::string problem = NcNameProblem(entry.nc_name); !problem.empty()) {
            return entry.toolpath + ": " + problem + " ('" + host::ShownText(entry.nc_name) + "')";
        }
        if (claim && !claim(output)) {
            return entry.toolpath + ": NC 파일이 그 사이에 생겨 바꾸지 않았습니다 (" + output + ")";
        }
        return "";
    }

    host::StepEnd Post(const PostEntry& entry) {
        std::string output = OutputFile(folder, entry.nc_name, extension);
        if (std::string refusal = Refusal(entry, output); !refusal.empty()) {
            result.refused.push_back(refusal);
            return host::StepEnd::kSkipped;
        }
        for (const auto& line : PostCommands(entry.toolpath, option_file, output)) {
            pm.RunCommand(line);
        }
        result.written.push_back(output);
        return host::StepEnd::kDone;
    }
};

}  // namespace

PostResult RunNcPost(host::HostChannel& pm, const std::vector<PostEntry>& entries,
                     const std::string& option_file, const std::string& folder,
                     const std::string& extension, const PostStarting& starting,
                     const ClaimFile& claim) {
    PostResult result;
    if (std::string problem = NcExtensionProblem(extension); !problem.empty()) {
        result.failure = problem;
        return result;
    }
    try {
        pm.Connect();
        pm.Connect();
    } catch (const host::HostError& error) {
        result.failure = host::NotConnectedProblem(error);
        return result;
    }
    Posting posting{pm, option_file, folder, extension, claim, result};
    auto post_one = [&](int n) {
        if (starting) starting(n);
        return posting.Post(entries[static_cast<std::size_t>(n)]);
    };
    host::PassCount pass = host::RunToolpathPass(
        pm, static_cast<int>(entries.size()), post_one, [&](int n, const host::HostError& error) {
            result.failure = std::to_string(n + 1) + "번째 툴패스 '" +
                             entries[static_cast<std::size_t>(n)].toolpath +
                             "'에서 멈췄습니다: " + error.command() + " (" + error.what() + ")";
            return host::AfterFailure::kStop;
        });
    if (pass.cancelled) {
        int n = *pass.stopped_at;
        result.failure = "취소했습니다: " + std::to_string(n + 1) + "번째 툴패스 '" +
                         entries[static_cast<std::size_t>(n)].toolpath + "'부터 " +
                         std::to_string(pass.not_done) + "개의 NC 파일은 만들지 않았습니다";
    }
    if (auto problem = Close(pm); problem && !result.failure) {
        result.failure = "NC 출력 뒤 정리하지 못했습니다: " + *problem;
    }
    return result;
}

}  // namespace orvalis::nc_output
