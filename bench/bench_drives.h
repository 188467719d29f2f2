#pragma once

#include <filesystem>

#include "support/temp_folder.h"

namespace orvalis::bench {

// The tests' temporary drive folder, with the data folder filled from the
// shipped files as the program fills it on start.
class BenchDrives {
  public:
    BenchDrives();

    const std::filesystem::path& root() const { return drives_.root(); }

  private:
    testing::ScopedEnv data_dir_;
    testing::TempDrives drives_;
};

}  // namespace orvalis::bench
