#include "sim/command_table.h"

#include "sim/host_texts.h"
#include "sim/text_case.h"

namespace orvalis::sim {

void CommandCall::Print(std::string_view line) {
    output_.append(line);
    output_.append("\r\n");
}

void CommandCall::Fail(const std::string& text) const {
    throw CommandFailed(text);
}

void CommandCall::FailUnreadable() const {
    Fail(UnreadableCommand(command_.text()));
}

void CommandCall::Record() {
    state_.recorded.emplace_back(command_.text());
}

void CommandCall::ExpectEnd(std::size_t index) const {
    if (!command_.EndsAt(index)) FailUnreadable();
}

void RecordCommand(CommandCall& call) {
    call.Record();
}

std::string CommandTable::Key(std::string_view verb, std::string_view object) {
    std::string key = UpperCopy(verb);
    if (!object.empty()) {
        key += ' ';
        key += UpperCopy(object);
    }
    return key;
}

void CommandTable::Route(std::string_view verb, std::string_view object, CommandHandler handler) {
    routes_[Key(verb, object)] = handler;
    verbs_.insert(UpperCopy(verb));
}

void CommandTable::Accept(std::string_view verb, std::string_view object) {
    if (!routes_.count(Key(verb, object))) Route(verb, object, RecordCommand);
}

void CommandTable::SetRestOfLine(std::string_view verb, std::string_view object) {
    rest_of_line_.insert(Key(verb, object));
}

void CommandTable::AddTailKeyword(std::string_view word) {
    tail_keywords_.insert(UpperCopy(word));
}

CommandHandler CommandTable::Find(const Command& command) const {
    if (command.size() == 0 || command[0].kind != TokenKind::kWord) return RecordCommand;
    if (command.size() > 1 && command[1].kind == TokenKind::kWord) {
        auto found = routes_.find(Key(command[0].text, command[1].text));
        if (found != routes_.end()) return found->second;
    }
    auto found = routes_.find(Key(command[0].text, ""));
    return found != routes_.end() ? found->second : RecordCommand;
}

bool CommandTable::IsVerb(std::string_view word) const {
    return verbs_.count(UpperCopy(word)) != 0;
}

bool CommandTable::IsTailKeyword(std::string_view word) const {
    return tail_keywords_.count(UpperCopy(word)) != 0;
}

bool CommandTable::TakesRestOfLine(std::string_view verb, std::string_view object) const {
    return !object.empty() && rest_of_line_.count(Key(verb, object)) != 0;
}

}  // namespace orvalis::sim
