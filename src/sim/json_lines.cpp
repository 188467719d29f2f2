#include "sim/json_lines.h"

#include <algorithm>

namespace orvalis::sim {

std::string MemberPath(std::string_view parent, std::string_view key) {
    std::string path(parent);
    if (!path.empty()) path += '.';
    path += key;
    return path;
}

std::string ItemPath(std::string_view parent, std::size_t index) {
    std::string path(parent);
    path += '[';
    path += std::to_string(index);
    path += ']';
    return path;
}

namespace {

// A scanner over text that is valid JSON. It records the start line of every
// value and stops quietly at anything unexpected, so it never reads past the text.
class LineScanner {
  public:
    LineScanner(std::string_view text, std::unordered_map<std::string, int>& lines)
        : text_(text), lines_(lines) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") position_ = 3;  // a UTF-8 byte order mark
    }

    void Value(const std::string& path, int depth) {
        SkipBlanks();
        if (AtEnd() || depth > kMaxDepth) return;
        lines_.emplace(path, line_);
        char c = text_[position_];
        if (c == '{') {
            Object(path, depth);
        } else if (c == '[') {
            Array(path, depth);
        } else if (c == '"') {
            String();
        } else {
            Scalar();
        }
    }

  private:
    static constexpr int kMaxDepth = 200;

    bool AtEnd() const { return position_ >= text_.size(); }

    void SkipBlanks() {
        while (!AtEnd() && (text_[position_] == ' ' || text_[position_] == '\t' ||
                            text_[position_] == '\r' || text_[position_] == '\n')) {
            if (text_[position_] == '\n') ++line_;
            ++position_;
        }
    }

    // Skips a string and returns its raw text (escapes kept as written).
    std::string String() {
        std::size_t start = ++position_;
        while (!AtEnd() && text_[position_] != '"') position_ += text_[position_] == '\\' ? 2 : 1;
        std::size_t end = std::min(position_, text_.size());
        ++position_;
        return std::string(text_.substr(start, end - start));
    }

    void Scalar() {
        while (!AtEnd() &&
               std::string_view(",]} \t\r\n").find(text_[position_]) == std::string_view::npos) {
            ++position_;
        }
    }

    // After a member or an item: true when another follows (a comma), false
    // at the closing bracket.
    bool NextFollows() {
        SkipBlanks();
        return !AtEnd() && text_[position_++] == ',';
    }

    void Object(const std::string& path, int depth) {
        ++position_;
        SkipBlanks();
        if (!AtEnd() && text_[position_] == '}') {
            ++position_;
            return;
        }
        do {
            SkipBlanks();
            if (AtEnd() || text_[position_] != '"') return;
            std::string key = String();
            SkipBlanks();
            if (AtEnd() || text_[position_] != ':') return;
            ++position_;
            Value(MemberPath(path, key), depth + 1);
        } while (NextFollows());
    }

    void Array(const std::string& path, int depth) {
        ++position_;
        SkipBlanks();
        if (!AtEnd() && text_[position_] == ']') {
            ++position_;
            return;
        }
        std::size_t index = 0;
        do {
            Value(ItemPath(path, index++), depth + 1);
        } while (NextFollows());
    }

    std::string_view text_;
    std::unordered_map<std::string, int>& lines_;
    std::size_t position_ = 0;
    int line_ = 1;
};

}  // namespace

JsonLines::JsonLines(std::string_view text) {
    LineScanner(text, lines_).Value("", 0);
}

int JsonLines::LineOf(std::string_view path) const {
    std::string probe(path);
    while (true) {
        auto found = lines_.find(probe);
        if (found != lines_.end()) return found->second;
        if (probe.empty()) return 1;
        std::size_t cut = probe.find_last_of(".[");
        probe.resize(cut == std::string::npos ? 0 : cut);
    }
}

}  // namespace orvalis::sim
