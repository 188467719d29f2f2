#include "cli/cli_options.h"

#include <algorithm>

#include "host/quoted_names.h"

namespace orvalis::cli {

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

// "--name=value" or "--name value": the value, advancing `i` past it.
std::string TakeValue(const std::vector<std::string>& words, std::size_t& i,
                      const std::string& name, std::size_t equals) {
    if (equals != std::string::npos) return words[i].substr(equals + 1);
    if (i + 1 >= words.size()) throw UsageError(name + " 옵션에 값이 없습니다");
    return words[++i];
}

}  // namespace

GlobalOptions ParseGlobalOptions(const std::vector<std::string>& words) {
    GlobalOptions options;
    std::size_t i = 0;
    for (; i < words.size(); ++i) {
        const std::string& word = words[i];
        std::size_t equals = word.find('=');
        std::string name = word.substr(0, equals);
        if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (word == "--version") {
            options.version = true;
        } else if (name == "--host") {
            options.host = TakeValue(words, i, name, equals);
        } else if (name == "--transcript") {
            options.transcript = TakeValue(words, i, name, equals);
        } else if (!word.empty() && word[0] == '-') {
            throw UsageError("알 수 없는 옵션입니다: " + word);
        } else {
            break;
        }
    }
    if (i < words.size()) {
        options.command = words[i];
        options.arguments.assign(words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
    }
    return options;
}

CommandArguments::CommandArguments(const std::vector<std::string>& words,
                                   const std::vector<std::string>& options,
                                   const std::vector<std::string>& flags) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
            operands_.push_back(word);
            continue;
        }
        std::size_t equals = word.find('=');
        std::string name = word.substr(0, equals);
        if (Contains(options, name)) {
            options_.emplace_back(name, TakeValue(words, i, name, equals));
        } else if (Contains(flags, name) && equals == std::string::npos) {
            flags_.push_back(name);
        } else {
            throw UsageError("알 수 없는 옵션입니다: " + word);
        }
    }
}

std::optional<std::string> CommandArguments::Option(const std::string& name) const {
    std::optional<std::string> value;
    for (const auto& [option, text] : options_) {
        if (option == name) value = text;  // the last one given counts
    }
    return value;
}

bool CommandArguments::Flag(const std::string& name) const {
    return Contains(flags_, name);
}

void RefuseUnquotableNames(const CommandArguments& arguments) {
    for (const auto& name : arguments.operands()) {
        if (auto problem = host::UnquotableNameProblem("툴패스 이름", name); !problem.empty())
            throw UsageError(problem);
    }
}

}  // namespace orvalis::cli
