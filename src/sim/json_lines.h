#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace orvalis::sim {

// Where each value of a JSON text starts, so errors about a value can name
// its line. Values are named by paths such as "tools[2].diameter" (members
// joined by ".", array items by "[i]", the root is ""). The text must already
// have parsed as JSON; anything else gives an index that knows fewer values.
class JsonLines {
  public:
    explicit JsonLines(std::string_view text);

    // The 1-based line where the value at `path` starts; for a value that does
    // not exist, the line of its nearest enclosing value.
    int LineOf(std::string_view path) const;

  private:
    std::unordered_map<std::string, int> lines_;
};

// The path of a member or an item below `parent`.
std::string MemberPath(std::string_view parent, std::string_view key);
std::string ItemPath(std::string_view parent, std::size_t index);

}  // namespace orvalis::sim
