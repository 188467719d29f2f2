#include "cli/tab_text.h"

namespace orvalis::cli {

std::string TabField(std::string_view value) {
    std::string field;
    field.reserve(value.size());
    for (char c : value) {
        switch (c) {
            case '\t':
                field += "\\t";
                break;
            case '\r':
                field += "\\r";
                break;
            case '\n':
                field += "\\n";
                break;
            case '\\':
                field += "\\\\";
                break;
            default:
                field += c;
        }
    }
    return field;
}

std::vector<std::string> SplitTabLine(std::string_view line) {
    std::vector<std::string> values(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\t') {
            values.emplace_back();
            continue;
        }
        char next = i + 1 < line.size() ? line[i + 1] : '\0';
        if (c == '\\' && (next == 't' || next == 'r' || next == 'n' || next == '\\')) {
            values.back() += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
            ++i;
        } else {
            values.back() += c;
        }
    }
    return values;
}

}  // namespace orvalis::cli
