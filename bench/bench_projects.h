#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>

namespace orvalis::bench {

// The sample tool-assembly table in the data folder, for the collision check.
void UseSampleToolAssemblies();

// The sample project with its toolpaths repeated under new names until it
// holds `count` of them (12 keeps the sample's own), with `latency_ms` when
// it is not null. Written into `folder`; returns the file.
std::filesystem::path ProjectWith(int count, const std::filesystem::path& folder,
                                  const nlohmann::json& latency_ms = nullptr);

}  // namespace orvalis::bench
