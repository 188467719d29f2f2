#include "sim/command_reader.h"

#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

Token QuotedToken(std::string_view line, std::size_t& position) {
    Token token{TokenKind::kQuoted, {}, position, 0, false};
    std::size_t start = position + 1;
    std::size_t close = line.find('\'', start);
    if (close == std::string_view::npos) {
        token.unterminated = true;
        close = line.size();
        position = close;
    } else {
        position = close + 1;
    }
    token.text = line.substr(start, close - start);
    token.end = position;
    return token;
}

Token WordToken(std::string_view line, std::size_t& position) {
    Token token{TokenKind::kWord, {}, position, 0, false};
    while (position < line.size() && !IsBlank(line[position]) && line[position] != '\'' &&
           line[position] != ';') {
        ++position;
    }
    token.text = line.substr(token.begin, position - token.begin);
    token.end = position;
    return token;
}

}  // namespace

std::vector<Token> Tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t position = 0;
    while (position < line.size()) {
        char c = line[position];
        if (IsBlank(c)) {
            ++position;
        } else if (c == '\'') {
            tokens.push_back(QuotedToken(line, position));
        } else if (c == ';') {
            tokens.push_back(
                {TokenKind::kSemicolon, line.substr(position, 1), position, position + 1, false});
            ++position;
        } else {
            tokens.push_back(WordToken(line, position));
        }
    }
    return tokens;
}

Command::Command(std::string_view line, std::span<const Token> tokens)
    : line_(line), tokens_(tokens) {}

std::string_view Command::text() const {
    if (tokens_.empty()) return {};
    return line_.substr(tokens_.front().begin, tokens_.back().end - tokens_.front().begin);
}

bool Command::IsKeyword(std::size_t index, std::string_view keyword) const {
    return index < tokens_.size() && tokens_[index].kind == TokenKind::kWord &&
           EqualsNoCase(tokens_[index].text, keyword);
}

std::string_view Command::RawFrom(std::size_t index) const {
    if (index >= tokens_.size()) return {};
    return line_.substr(tokens_[index].begin, tokens_.back().end - tokens_[index].begin);
}

bool Command::EndsAt(std::size_t index) const {
    if (index >= tokens_.size()) return true;
    return index + 1 == tokens_.size() && tokens_[index].kind == TokenKind::kSemicolon;
}

namespace {

bool IsWord(const Token& token) {
    return token.kind == TokenKind::kWord;
}

}  // namespace

CommandLine::CommandLine(std::string_view line, const Grammar& grammar) : tokens_(Tokenize(line)) {
    std::size_t start = 0;
    bool rest_taken = false;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        const Token& token = tokens_[i];
        std::size_t place = i - start;  // 0: the verb, 1: its object
        if (place >= 2 && !rest_taken && IsWord(token) && grammar.IsVerb(token.text)) {
            commands_.emplace_back(line, std::span(tokens_).subspan(start, i - start));
            start = i;
            place = 0;
        }
        if (place == 1) {
            std::string_view object = IsWord(token) ? token.text : std::string_view();
            if (grammar.TakesRestOfLine(tokens_[start].text, object)) rest_taken = true;
        }
        if (place >= 1 && IsWord(token) && grammar.IsTailKeyword(token.text)) rest_taken = true;
    }
    if (start < tokens_.size()) {
        commands_.emplace_back(line, std::span(tokens_).subspan(start));
    }
}

}  // namespace orvalis::sim
