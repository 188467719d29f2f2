#include "capture/glyph_check.h"

#include <algorithm>
#include <string_view>

#include "capture/extent_annotation.h"
#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "platform/pattern_file.h"

namespace orvalis::capture {

std::vector<std::string> InsertedGlyphFiles(const std::vector<std::string>& commands) {
    const std::string_view folder = kFontFolder;
    std::vector<std::string> files;
    for (const std::string& command : commands) {
        std::size_t start = command.find(folder);
        if (start == std::string::npos) continue;
        std::string file = command.substr(start, command.find('\'', start) - start);
        if (std::find(files.begin(), files.end(), file) == files.end()) files.push_back(file);
    }
    return files;
}

namespace {

// Why `bytes` cannot be drawn as a glyph, or empty when it can.
std::string GlyphProblem(std::string_view bytes) {
    try {
        if (ParsePatternFile(bytes).empty()) return "그릴 선이 없습니다";
        return "";
    } catch (const PatternFileError& error) {
        return std::string("글자 모양 파일이 아닙니다 (") + error.what() + ")";
    }
}

}  // namespace

void CheckGlyphFiles(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        std::filesystem::path resolved = ResolvePath(file);
        std::string path = Utf8(resolved);
        std::optional<std::string> bytes;
        try {
            bytes = ReadFileChecked(resolved);
        } catch (const FileError& error) {
            throw GlyphFileError(path, error.what());
        }
        if (!bytes) throw GlyphFileError(path, "파일이 없습니다");
        if (std::string problem = GlyphProblem(*bytes); !problem.empty()) {
            throw GlyphFileError(path, problem);
        }
    }
}

}  // namespace orvalis::capture
