#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace orvalis::sim {

enum class TokenKind {
    kWord,       // a keyword or a bare name: EDIT, Toolpath, 0.5, 75Yes
    kQuoted,     // a name or path in single quotes
    kSemicolon,  // ";": the active entity, or the end of a command
};

struct Token {
    TokenKind kind = TokenKind::kWord;
    std::string_view text;      // a quoted token without its quotes
    std::size_t begin = 0;      // where the token starts in the line (its opening quote)
    std::size_t end = 0;        // one past its last character
    bool unterminated = false;  // a quoted text that the line ended inside
};

// Splits a command line into tokens: blanks separate words, a single quote
// opens a quoted text that the next single quote closes (a word may follow the
// closing quote directly, as in 'Top.bmp'YES), and ";" stands on its own.
std::vector<Token> Tokenize(std::string_view line);

// What the reader must know of the commands to find where one command of a
// line ends and the next begins. The command table answers it, so new command
// families change the grammar without touching the reader.
class Grammar {
  public:
    virtual ~Grammar() = default;
    // A word that begins a command ("EDIT", "DIALOGS"), in any letter case.
    virtual bool IsVerb(std::string_view word) const = 0;
    // A word after which the rest of the line is the command's ("FILENAME"),
    // because what follows is a path that may hold blanks.
    virtual bool IsTailKeyword(std::string_view word) const = 0;
    // A command that takes the whole rest of its line, whatever words follow
    // ("EDIT COLLISION TYPE COLLISION").
    virtual bool TakesRestOfLine(std::string_view verb, std::string_view object) const = 0;
};

// One command of a line: its tokens, verb first.
class Command {
  public:
    Command(std::string_view line, std::span<const Token> tokens);

    std::size_t size() const { return tokens_.size(); }
    const Token& operator[](std::size_t index) const { return tokens_[index]; }
    // The command's part of the line, as sent.
    std::string_view text() const;
    // True when token `index` exists and is the unquoted word `keyword`, in any letter case.
    bool IsKeyword(std::size_t index, std::string_view keyword) const;
    // The line from token `index` to the end of the command, as sent ("" past the end).
    std::string_view RawFrom(std::size_t index) const;
    // True when nothing but an optional ";" follows token `index - 1`.
    bool EndsAt(std::size_t index) const;

  private:
    std::string_view line_;
    std::span<const Token> tokens_;
};

// A command line split into its commands. A verb starts a new command unless
// it stands right after the verb of the current one (its object: "FORM
// TOOLPATHSTATS", "EDIT COLLISION") or the current command has taken the rest
// of the line. Keeps views into `line`, which must outlive it.
class CommandLine {
  public:
    CommandLine(std::string_view line, const Grammar& grammar);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    const std::vector<Command>& commands() const { return commands_; }

  private:
    std::vector<Token> tokens_;
    std::vector<Command> commands_;
};

}  // namespace orvalis::sim
