// The folders of src/ are rooms: each may include only the rooms below it,
// the core holds no Qt type, and operating-system code stays in the platform
// layer (and the COM backend of the host channel). These tests read the
// source tree, so a misplaced include fails `make test` with the file named.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceRoot = fs::path(ORVALIS_TEST_SOURCE_DIR) / ".." / "src";

// The rooms each room names in its CMakeLists.txt (DEPENDS), from the bottom
// up; a room may include these and, through them, what they name.
const std::map<std::string, std::set<std::string>> kNamedRooms = {
    {"platform", {}},
    {"data_files", {"platform"}},
    {"host", {"platform"}},
    {"xlsx", {"platform"}},
    {"controls", {}},
    {"sim", {"host"}},
    {"survey", {"host"}},
    {"capture", {"host", "data_files"}},
    {"collision", {"survey", "data_files"}},
    {"nc_output", {"host"}},
    {"sheet", {"xlsx", "survey", "data_files"}},
    {"window_models", {"capture", "collision", "nc_output", "sheet", "controls"}},
    {"cli", {"window_models", "sim"}},
    {"gui", {"window_models", "sim"}},
};

// Which rooms each room may include: the rooms it names, and theirs.
const std::map<std::string, std::set<std::string>>& MayInclude() {
    static const auto rules = [] {
        std::map<std::string, std::set<std::string>> below;
        for (const auto& [room, named] : kNamedRooms) {
            below[room];  // a room that names none may still include itself
            std::vector<std::string> open(named.begin(), named.end());
            while (!open.empty()) {
                std::string next = open.back();
                open.pop_back();
                if (!below[room].insert(next).second) continue;
                for (const auto& further : kNamedRooms.at(next)) open.push_back(further);
            }
        }
        return below;
    }();
    return rules;
}

struct SourceLine {
    std::string file;  // relative to src/
    std::string folder;
    int number;
    std::string text;
};

std::vector<SourceLine> ReadSourceLines() {
    std::vector<SourceLine> lines;
    for (const auto& entry : fs::recursive_directory_iterator(kSourceRoot)) {
        auto extension = entry.path().extension();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
        std::string relative = fs::relative(entry.path(), kSourceRoot).generic_string();
        std::string folder = relative.substr(0, relative.find('/'));
        std::ifstream in(entry.path());
        int number = 0;
        for (std::string text; std::getline(in, text);) {
            lines.push_back({relative, folder, ++number, text});
        }
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& line : lines) all += line + "\n";
    return all;
}

std::string Where(const SourceLine& line) {
    return "src/" + line.file + ":" + std::to_string(line.number) + ": " + line.text;
}

// The operating system's own code may live only here.
bool MayHoldSystemCode(const std::string& file) {
    return file.rfind("platform/", 0) == 0 || file.rfind("host/com_", 0) == 0;
}

TEST(Layering, EveryRoomIncludesOnlyTheRoomsBelowIt) {
    const std::regex project_include(R"(^\s*#\s*include\s*"([A-Za-z_]+)/)");
    auto lines = ReadSourceLines();
    ASSERT_GT(lines.size(), 1000u) << "the source tree was not found at " << kSourceRoot;
    std::vector<std::string> upward;
    for (const auto& line : lines) {
        auto rule = MayInclude().find(line.folder);
        if (rule == MayInclude().end()) {
            upward.push_back(Where(line) + "  (folder " + line.folder +
                             " has no place among the rooms)");
            continue;
        }
        std::smatch match;
        if (!std::regex_search(line.text, match, project_include)) continue;
        std::string target = match[1];
        if (target != line.folder && !rule->second.count(target)) upward.push_back(Where(line));
    }
    EXPECT_TRUE(upward.empty()) << Joined(upward);
}

TEST(Layering, QtStaysInTheDesktopWindows) {
    const std::regex qt_include(R"(^\s*#\s*include\s*<Q[A-Za-z]*>)");
    std::vector<std::string> found;
    for (const auto& line : ReadSourceLines()) {
        if (line.folder != "gui" && std::regex_search(line.text, qt_include)) {
            found.push_back(Where(line));
        }
    }
    EXPECT_TRUE(found.empty()) << Joined(found);
}

TEST(Layering, OperatingSystemCodeStaysInThePlatformLayer) {
    const std::regex system_test(
        R"(^\s*#\s*(if|ifdef|ifndef|elif)\b.*\b(_WIN32|_WIN64|_MSC_VER|__MINGW32__|__linux__|__unix__|__APPLE__)\b)");
    std::vector<std::string> found;
    for (const auto& line : ReadSourceLines()) {
        if (!MayHoldSystemCode(line.file) && std::regex_search(line.text, system_test)) {
            found.push_back(Where(line));
        }
    }
    EXPECT_TRUE(found.empty()) << Joined(found);
}

}  // namespace
