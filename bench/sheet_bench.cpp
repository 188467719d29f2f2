// Speed target: a 60-row setup sheet with four 1024 x 768 views is written in
// under 150 ms, and the file weighs under 1 MB. Each round replaces the sheet
// of the round before, so the first case includes reading it and marking what
// changed; the second leaves the marks off, to show what they cost.
#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "bench_drives.h"
#include "data_files/data_folder.h"
#include "platform/drive_paths.h"
#include "sheet/setup_sheet.h"
#include "sheet/test_bitmaps.h"
#include "xlsx/bmp_image.h"
#include "xlsx/png_encode.h"

namespace {

namespace fs = std::filesystem;
using orvalis::testing::Rgb;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr std::uintmax_t kMegabyte = 1024 * 1024;

// A wireframe view as the host captures it: white, a part outline, a dense
// mesh of model lines and a few dimension labels' worth of short strokes.
std::string WireframeView(int seed) {
    return orvalis::testing::MakeBmp(kWidth, kHeight, 24, false, [=](int x, int y) {
        int dx = x - kWidth / 2;
        int dy = y - kHeight / 2;
        bool inside = std::abs(dx) < 380 && std::abs(dy) < 260;
        bool outline =
            inside && (std::abs(std::abs(dx) - 378) < 2 || std::abs(std::abs(dy) - 258) < 2);
        bool mesh = inside && ((x + seed) % 14 == 0 || (y + 2 * seed) % 11 == 0 ||
                               std::abs(int(std::hypot(dx, dy)) % 37 - seed) < 1);
        bool label = y > 40 && y < 56 && x > 60 && x < 260 && (x * 7 + y * 3) % 5 == 0;
        if (outline || label) return Rgb{0, 0, 0};
        if (mesh) return Rgb{40, 40, 160};
        return Rgb{255, 255, 255};
    });
}

class SheetJob {
  public:
    SheetJob() {
        int seed = 0;
        for (const char* name : {"Top.bmp", "ISO.bmp", "Front.bmp", "Right.bmp"}) {
            fs::path file = orvalis::ResolvePath(orvalis::DataPath(std::string("IMAGE\\") + name));
            std::ofstream(file, std::ios::binary) << WireframeView(seed += 3);
        }
        fs::create_directories(drives_.root() / "NCDATA");
        input_.picture_sizes = {"300", "200", "300", "200", "300", "200", "300", "200"};
        input_.header = {"대한정밀", "G54", "금형 코어", "CORE-01", "C:\\JOBS\\CORE-01"};
        for (int i = 1; i <= 60; ++i) {
            std::string n = std::to_string(i);
            input_.rows.push_back({"ROUGH-" + n, "T" + n, "Ø10F*1R", "0.3(0.1)", "0.5", "1.2",
                                   "-25.35", orvalis::survey::MachiningTime("00:12:34"), "36(100)",
                                   "20(30)", "40(25)", "32(40)", "등고선"});
        }
        input_.name_prefix.push_back('T');  // (= "T" trips a GCC 12 false -Wrestrict)
        input_.target_folder = (drives_.root() / "NCDATA").string();
        input_.overwrite = true;
    }
    const orvalis::sheet::SetupSheetInput& input() const { return input_; }
    orvalis::sheet::SetupSheetInput& input() { return input_; }

  private:
    orvalis::bench::BenchDrives drives_;
    orvalis::sheet::SetupSheetInput input_;
};

void BM_SetupSheetWith60RowsAndFourViews(benchmark::State& state) {
    SheetJob job;
    fs::path saved;
    for (auto _ : state) saved = orvalis::sheet::WriteSetupSheet(job.input()).file;
    std::uintmax_t size = fs::file_size(saved);
    state.counters["file_kB"] = static_cast<double>(size) / 1024;
    if (size >= kMegabyte) state.SkipWithError("the setup sheet weighs 1 MB or more");
}
BENCHMARK(BM_SetupSheetWith60RowsAndFourViews)->Unit(benchmark::kMillisecond);

void BM_SetupSheetWithoutMarks(benchmark::State& state) {
    SheetJob job;
    job.input().mark_changes = false;
    for (auto _ : state) orvalis::sheet::WriteSetupSheet(job.input());
}
BENCHMARK(BM_SetupSheetWithoutMarks)->Unit(benchmark::kMillisecond);

void BM_ViewBitmapToPng(benchmark::State& state) {
    std::string bitmap = WireframeView(3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            orvalis::xlsx::EncodePng(orvalis::xlsx::DecodeBmp(bitmap, "view"), "view"));
    }
}
BENCHMARK(BM_ViewBitmapToPng)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
