#include "host/replay_script.h"

#include <sstream>

namespace orvalis::host {

namespace {

class ScriptParser {
  public:
    ScriptParser(std::string_view text, std::string origin)
        : text_(text), origin_(std::move(origin)) {}

    ReplayScript Parse() {
        std::size_t start = 0;
        while (start <= text_.size()) {
            std::size_t end = text_.find('\n', start);
            if (end == std::string_view::npos) end = text_.size();
            std::string_view line = text_.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            ++line_number_;
            ParseLine(line);
            if (end == text_.size()) break;
            start = end + 1;
        }
        return std::move(script_);
    }

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw ReplayScriptError(origin_ + ":" + std::to_string(line_number_) + ": " + what);
    }

    static bool Directive(std::string_view line, std::string_view word, std::string_view& rest) {
        if (line.size() <= word.size() || line.substr(0, word.size()) != word ||
            line[word.size()] != ' ') {
            return false;
        }
        rest = line.substr(word.size() + 1);
        return true;
    }

    void ParseLine(std::string_view line) {
        if (line.size() >= 1 && line[0] == '|') return AnswerLine(line);
        if (line == "noeol") return NoEol();
        open_answer_ = nullptr;
        if (line.empty() || line[0] == '#') return;

        std::string_view rest;
        if (Directive(line, "version", rest)) return Version(rest);
        if (Directive(line, "toolpath", rest)) return script_.toolpaths.emplace_back(rest), void();
        if (Directive(line, "block", rest)) return Block(rest);
        if (Directive(line, "answer", rest)) return Answer(rest);
        if (Directive(line, "fail", rest)) return script_.failures.emplace(rest), void();
        Fail("unknown line '" + std::string(line) + "'");
    }

    void AnswerLine(std::string_view line) {
        if (!open_answer_ || answer_closed_) Fail("'|' line outside an answer block");
        if (line.size() == 1) {
            open_answer_->append("\r\n");
        } else if (line[1] == ' ') {
            open_answer_->append(line.substr(2)).append("\r\n");
        } else {
            Fail("an answer line is '| ' followed by the text, or '|' alone");
        }
    }

    void NoEol() {
        if (!open_answer_ || answer_closed_) Fail("'noeol' must follow the lines of an answer");
        std::string& answer = *open_answer_;
        if (answer.size() >= 2 && answer.compare(answer.size() - 2, 2, "\r\n") == 0) {
            answer.resize(answer.size() - 2);
        }
        answer_closed_ = true;
    }

    void Version(std::string_view rest) {
        std::istringstream in{std::string(rest)};
        long version = 0;
        if (!(in >> version) || !(in >> std::ws).eof()) Fail("version takes one whole number");
        script_.version = version;
    }

    void Block(std::string_view rest) {
        std::istringstream in{std::string(rest)};
        in.imbue(std::locale::classic());
        std::vector<double> limits(6);
        for (double& limit : limits) {
            if (!(in >> limit)) Fail("block takes six numbers");
        }
        if (!(in >> std::ws).eof()) Fail("block takes six numbers");
        script_.block = limits;
    }

    void Answer(std::string_view command) {
        auto& answers = script_.answers[std::string(command)];
        answers.emplace_back();
        open_answer_ = &answers.back();
        answer_closed_ = false;
    }

    std::string_view text_;
    std::string origin_;
    ReplayScript script_;
    int line_number_ = 0;
    std::string* open_answer_ = nullptr;
    bool answer_closed_ = false;
};

}  // namespace

ReplayScript ParseReplayScript(std::string_view text, const std::string& origin) {
    return ScriptParser(text, origin).Parse();
}

}  // namespace orvalis::host
