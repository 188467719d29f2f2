#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/file_error.h"
#include "sim/json_lines.h"

namespace orvalis::sim {

// A project file the simulated host cannot use. path() names the file; the
// message names the line and the value and says what is wrong with it:
// "line 12: tools[2].diameter: must be a number greater than 0".
class ProjectFileError : public FileError {
  public:
    ProjectFileError(std::string file, int line, const std::string& message);

    int line() const { return line_; }

  private:
    int line_;
};

// Where a project file's values come from, for error messages.
struct FieldSource {
    std::string file;
    JsonLines lines;
};

// One value of a project file with its path ("tools[2].diameter"). Every
// reader refuses a value of the wrong kind with a ProjectFileError.
class Field {
  public:
    Field(const nlohmann::json& value, std::string path, const FieldSource& source);

    const std::string& path() const { return path_; }
    [[noreturn]] void Fail(const std::string& message) const;

    // Refuses anything but an object whose keys are all among `keys`.
    void ExpectObject(std::initializer_list<std::string_view> keys) const;
    // A member that must be there.
    Field Member(std::string_view key) const;
    std::optional<Field> OptionalMember(std::string_view key) const;
    // The items of an array.
    std::vector<Field> Items() const;
    // The members of an object, in the file's key order (sorted).
    std::vector<std::pair<std::string, Field>> Members() const;

    double Number() const;  // finite
    double NumberAtLeast(double minimum) const;
    double NumberAbove(double minimum) const;
    long WholeNumber() const;
    std::string Text() const;
    bool Flag() const;

  private:
    const nlohmann::json* value_;
    std::string path_;
    const FieldSource* source_;
};

}  // namespace orvalis::sim
