#include "bench_drives.h"

#include "data_files/data_folder.h"

namespace orvalis::bench {

BenchDrives::BenchDrives() : data_dir_("ORVALIS_DATA_DIR", ORVALIS_BENCH_DATA_DIR) {
    EnsureDataFolder();
}

}  // namespace orvalis::bench
