#pragma once

#include <map>
#include <memory>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "xlsx/zip_package.h"

namespace orvalis::xlsx {

// The parts of an open workbook: XML parts are parsed on first use and only
// those that were edited are written back, so every other part keeps its
// bytes.
class PartStore {
  public:
    // Throws WorkbookError naming `origin` when the bytes are no package.
    PartStore(std::string bytes, std::string origin);

    const std::string& origin() const { return package_.origin(); }
    bool Has(std::string_view part) const;
    // Every part of the package, those created since it was opened included.
    std::vector<std::string> Names() const;

    // The parsed part, for reading. Throws WorkbookError when missing or damaged.
    const pugi::xml_document& Read(const std::string& part);
    // The parsed part, to be written back on save.
    pugi::xml_document& Edit(const std::string& part);
    // A new XML part with the given text.
    pugi::xml_document& Create(const std::string& part, std::string_view xml);
    // The relationships of `part`, created empty when it has none.
    pugi::xml_document& EditRelationships(const std::string& part);

    void WriteBinary(const std::string& part, std::string bytes, bool compress);
    void Remove(const std::string& part);

    // stem + the lowest number >= 1 + extension that no part uses
    // ("xl/media/image" ".png" -> "xl/media/image3.png").
    std::string UnusedName(std::string_view stem, std::string_view extension) const;

    // The bytes of the package with every edit applied.
    std::string Save();

  private:
    pugi::xml_document& Parsed(const std::string& part);

    ZipPackage package_;
    std::map<std::string, std::unique_ptr<pugi::xml_document>, std::less<>> documents_;
    std::set<std::string, std::less<>> edited_;
};

}  // namespace orvalis::xlsx
