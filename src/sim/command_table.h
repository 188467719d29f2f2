#pragma once

#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

#include "sim/command_reader.h"
#include "sim/host_state.h"

namespace orvalis::sim {

// A command the host refuses. The text is the host's error message; the
// command has changed nothing.
class CommandFailed : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What a command handler works with: the command, the host and the answer
// being printed.
class CommandCall {
  public:
    CommandCall(const Command& command, HostState& state, std::string& output)
        : command_(command), state_(state), output_(output) {}

    const Command& command() const { return command_; }
    HostState& state() { return state_; }
    Project& project() { return state_.project; }

    // The answer printed so far; reports append their lines to it.
    std::string& answer() { return output_; }
    // Prints one line of the answer; the host ends every line with CR LF.
    void Print(std::string_view line);
    // Refuses the command with the host's error text.
    [[noreturn]] void Fail(const std::string& text) const;
    // Refuses a command whose words the host cannot read.
    [[noreturn]] void FailUnreadable() const;
    // Accepts the command without giving it an effect (yet).
    void Record();
    // Fails unless nothing but an optional ";" follows token `index - 1`.
    void ExpectEnd(std::size_t index) const;

  private:
    const Command& command_;
    HostState& state_;
    std::string& output_;
};

using CommandHandler = void (*)(CommandCall& call);

// The commands the simulated host knows: each route leads from a verb and,
// optionally, the word after it (the object: "EDIT BLOCK", "PRINT VALUE") to
// one handler. Families of commands register their routes; the reader asks the
// table where commands begin.
class CommandTable : public Grammar {
  public:
    // Commands "VERB OBJECT ..." go to `handler`; an empty object takes every
    // command of the verb that no other route of it takes.
    void Route(std::string_view verb, std::string_view object, CommandHandler handler);
    // Commands "VERB OBJECT ..." (or of the whole verb) that no family has
    // routed are accepted and recorded until a family gives them effect.
    void Accept(std::string_view verb, std::string_view object = "");
    // Commands "VERB OBJECT ..." take the whole rest of their line, whatever
    // words follow, whichever handler they go to.
    void SetRestOfLine(std::string_view verb, std::string_view object);
    // After this word the rest of the line belongs to the command (a path).
    void AddTailKeyword(std::string_view word);

    // The handler of a command; commands no route takes are recorded.
    CommandHandler Find(const Command& command) const;

    bool IsVerb(std::string_view word) const override;
    bool IsTailKeyword(std::string_view word) const override;
    bool TakesRestOfLine(std::string_view verb, std::string_view object) const override;

  private:
    static std::string Key(std::string_view verb, std::string_view object);

    std::unordered_map<std::string, CommandHandler> routes_;
    std::set<std::string> verbs_;
    std::set<std::string> tail_keywords_;
    std::set<std::string> rest_of_line_;
};

// Records the command: it is accepted and has no effect yet.
void RecordCommand(CommandCall& call);

}  // namespace orvalis::sim
