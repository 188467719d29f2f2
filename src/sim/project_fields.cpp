#include "sim/project_fields.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "host/number_text.h"

namespace orvalis::sim {

namespace {

// Line 0 stands for the file as a whole (one that cannot be read).
std::string LineMessage(int line, const std::string& message) {
    if (line <= 0) return message;
    return "line " + std::to_string(line) + ": " + message;
}

}  // namespace

ProjectFileError::ProjectFileError(std::string file, int line, const std::string& message)
    : FileError(std::move(file), LineMessage(line, message)), line_(line) {}

Field::Field(const nlohmann::json& value, std::string path, const FieldSource& source)
    : value_(&value), path_(std::move(path)), source_(&source) {}

void Field::Fail(const std::string& message) const {
    std::string text = path_.empty() ? message : path_ + ": " + message;
    throw ProjectFileError(source_->file, source_->lines.LineOf(path_), text);
}

void Field::ExpectObject(std::initializer_list<std::string_view> keys) const {
    if (!value_->is_object()) Fail("must be an object { ... }");
    for (const auto& [key, member] : value_->items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            Field(member, MemberPath(path_, key), *source_).Fail("unknown key");
        }
    }
}

Field Field::Member(std::string_view key) const {
    auto member = OptionalMember(key);
    if (!member) Fail("the key \"" + std::string(key) + "\" is missing");
    return *member;
}

std::optional<Field> Field::OptionalMember(std::string_view key) const {
    if (!value_->is_object()) Fail("must be an object { ... }");
    auto found = value_->find(key);
    if (found == value_->end()) return std::nullopt;
    return Field(*found, MemberPath(path_, key), *source_);
}

std::vector<Field> Field::Items() const {
    if (!value_->is_array()) Fail("must be a list [ ... ]");
    std::vector<Field> items;
    items.reserve(value_->size());
    for (std::size_t i = 0; i < value_->size(); ++i) {
        items.emplace_back((*value_)[i], ItemPath(path_, i), *source_);
    }
    return items;
}

std::vector<std::pair<std::string, Field>> Field::Members() const {
    if (!value_->is_object()) Fail("must be an object { ... }");
    std::vector<std::pair<std::string, Field>> members;
    for (const auto& [key, member] : value_->items()) {
        members.emplace_back(key, Field(member, MemberPath(path_, key), *source_));
    }
    return members;
}

double Field::Number() const {
    if (!value_->is_number()) Fail("must be a number");
    double number = value_->get<double>();
    if (!std::isfinite(number)) Fail("must be a finite number");
    return number;
}

double Field::NumberAtLeast(double minimum) const {
    double number = Number();
    if (number < minimum) Fail("must be a number of at least " + host::NumberText(minimum));
    return number;
}

double Field::NumberAbove(double minimum) const {
    double number = Number();
    if (number <= minimum) Fail("must be a number greater than " + host::NumberText(minimum));
    return number;
}

long Field::WholeNumber() const {
    if (!value_->is_number_integer()) Fail("must be a whole number");
    if (value_->is_number_unsigned() &&
        value_->get<unsigned long long>() > static_cast<unsigned long long>(LONG_MAX)) {
        Fail("is too large");
    }
    return value_->get<long>();
}

std::string Field::Text() const {
    if (!value_->is_string()) Fail("must be a text in double quotes");
    return value_->get<std::string>();
}

bool Field::Flag() const {
    if (!value_->is_boolean()) Fail("must be true or false");
    return value_->get<bool>();
}

}  // namespace orvalis::sim
