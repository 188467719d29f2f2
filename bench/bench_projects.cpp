#include "bench_projects.h"

#include <fstream>

#include "data_files/tool_assembly_file.h"
#include "platform/drive_paths.h"
#include "sim/sim_folder.h"

namespace orvalis::bench {

namespace fs = std::filesystem;

void UseSampleToolAssemblies() {
    fs::copy_file(sim::ShippedSimDir() / "sample-tool-assemblies.DAT",
                  ResolvePath(settings::ToolAssemblyFilePath()),
                  fs::copy_options::overwrite_existing);
}

fs::path ProjectWith(int count, const fs::path& folder, const nlohmann::json& latency_ms) {
    std::ifstream in(sim::SampleProjectFile());
    nlohmann::json project = nlohmann::json::parse(in);
    const nlohmann::json sample = project["toolpaths"];
    if (count != static_cast<int>(sample.size())) {
        nlohmann::json toolpaths = nlohmann::json::array();
        for (int n = 0; static_cast<int>(toolpaths.size()) < count; ++n) {
            nlohmann::json toolpath = sample[static_cast<std::size_t>(n) % sample.size()];
            toolpath["name"] =
                "TP" + std::to_string(n + 1) + "-" + toolpath["name"].get<std::string>();
            toolpaths.push_back(std::move(toolpath));
        }
        project["toolpaths"] = std::move(toolpaths);
    }
    if (!latency_ms.is_null()) project["latency_ms"] = latency_ms;
    fs::path file = folder / ("project-" + std::to_string(count) + ".json");
    std::ofstream(file) << project.dump();
    return file;
}

}  // namespace orvalis::bench
