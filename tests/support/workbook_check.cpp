#include "support/workbook_check.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <stdexcept>

#include "xlsx/package_fixture.h"

namespace orvalis::testing {

namespace {

using PartMap = std::map<std::string, std::string>;

std::optional<PartMap> ReadParts(const std::string& package) {
    PartMap parts;
    try {
        for (const std::string& name : PartNames(package)) parts[name] = ReadPart(package, name);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    return parts;
}

// Decodes one UTF-8 sequence at `at`; false when it is not valid UTF-8
// (overlong, a surrogate, past U+10FFFF or cut short).
bool NextCodePoint(const std::string& text, std::size_t& at, unsigned& code) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned lead = byte(at);
    int length = lead < 0x80             ? 1
                 : (lead & 0xE0) == 0xC0 ? 2
                 : (lead & 0xF0) == 0xE0 ? 3
                 : (lead & 0xF8) == 0xF0 ? 4
                                         : 0;
    if (length == 0 || at + length > text.size()) return false;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return false;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    static const unsigned kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    at += length;
    return true;
}

bool IsXmlChar(unsigned code) {
    if (code < 0x20) return code == '\t' || code == '\n' || code == '\r';
    return code != 0xFFFE && code != 0xFFFF;
}

std::string_view Local(const char* name) {
    std::string_view view(name);
    auto colon = view.find(':');
    return colon == std::string_view::npos ? view : view.substr(colon + 1);
}

pugi::xml_node Child(pugi::xml_node parent, std::string_view local) {
    for (pugi::xml_node child : parent.children()) {
        if (Local(child.name()) == local) return child;
    }
    return {};
}

// "AB12" as (column, row) from 1; (0, 0) when it is no cell reference.
std::pair<long, long> Cell(std::string_view ref) {
    long column = 0;
    std::size_t i = 0;
    for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z'; ++i)
        column = column * 26 + (ref[i] - 'A' + 1);
    long row = 0;
    std::size_t digits = i;
    for (; i < ref.size() && ref[i] >= '0' && ref[i] <= '9'; ++i) row = row * 10 + (ref[i] - '0');
    if (digits == 0 || i == digits || i != ref.size()) return {0, 0};
    return {column, row};
}

std::string FolderOf(const std::string& part) {
    auto slash = part.rfind('/');
    return slash == std::string::npos ? "" : part.substr(0, slash + 1);
}

// The part a relationship target names: relative to the source's folder, or
// from the package root when it starts with "/"; "." and ".." resolved.
std::string ResolveTarget(const std::string& rels_part, const std::string& target) {
    // "xl/_rels/workbook.xml.rels" speaks for "xl/workbook.xml".
    std::string source_folder = FolderOf(rels_part);
    if (source_folder.size() >= 6 && source_folder.ends_with("_rels/"))
        source_folder.resize(source_folder.size() - 6);
    std::string path = target.starts_with("/") ? target.substr(1) : source_folder + target;
    std::vector<std::string> pieces;
    std::stringstream stream(path);
    for (std::string piece; std::getline(stream, piece, '/');) {
        if (piece == "..") {
            if (!pieces.empty()) pieces.pop_back();
        } else if (!piece.empty() && piece != ".") {
            pieces.push_back(piece);
        }
    }
    std::string resolved;
    for (const auto& piece : pieces) resolved += (resolved.empty() ? "" : "/") + piece;
    return resolved;
}

// The faults of one XML text taken alone: bad UTF-8, characters XML does not
// allow, or what the parser refuses. Empty when well-formed.
std::string XmlProblem(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        unsigned code = 0;
        std::size_t start = at;
        if (!NextCodePoint(text, at, code)) return "not UTF-8 at byte " + std::to_string(start);
        if (!IsXmlChar(code))
            return "character " + std::to_string(code) + " at byte " + std::to_string(start) +
                   " is not allowed in XML";
    }
    // A reference to such a character ("&#7;"): pugixml takes it, a strict
    // reader refuses the whole part.
    for (std::size_t at = text.find("&#"); at != std::string::npos; at = text.find("&#", at + 2)) {
        bool hex = text.compare(at + 2, 1, "x") == 0;
        unsigned long code =
            std::strtoul(text.c_str() + at + (hex ? 3 : 2), nullptr, hex ? 16 : 10);
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ||
            !IsXmlChar(static_cast<unsigned>(code)))
            return "reference to character " + std::to_string(code) + " at byte " +
                   std::to_string(at) + " is not allowed in XML";
    }
    pugi::xml_document document;
    pugi::xml_parse_result result =
        document.load_buffer(text.data(), text.size(),
                             pugi::parse_default | pugi::parse_declaration, pugi::encoding_utf8);
    if (!result) return std::string("does not parse: ") + result.description();
    if (!document.document_element()) return "has no root element";
    return "";
}

class Checker {
  public:
    explicit Checker(PartMap parts) : parts_(std::move(parts)) {}

    std::vector<std::string> Run() {
        for (const auto& [name, bytes] : parts_) {
            if (!name.ends_with(".xml") && !name.ends_with(".rels")) continue;
            if (std::string problem = XmlProblem(bytes); !problem.empty()) {
                Fault(name + ": " + problem);
                continue;
            }
            auto& document = documents_[name];
            document.load_buffer(bytes.data(), bytes.size());
        }
        CheckContentTypes();
        for (const auto& [name, document] : documents_) {
            if (name.ends_with(".rels")) CheckRelationships(name, document);
        }
        std::size_t shared_references = 0;
        for (const auto& [name, document] : documents_) {
            if (Local(document.document_element().name()) == "worksheet")
                CheckWorksheet(name, document.document_element(), shared_references);
        }
        CheckSharedStrings(shared_references);
        return problems_;
    }

  private:
    void Fault(std::string text) { problems_.push_back(std::move(text)); }

    void CheckContentTypes() {
        auto types = documents_.find("[Content_Types].xml");
        if (types == documents_.end()) return Fault("[Content_Types].xml is missing");
        std::set<std::string> defaults, overrides;
        for (pugi::xml_node node : types->second.document_element().children()) {
            if (Local(node.name()) == "Default")
                defaults.insert(node.attribute("Extension").value());
            if (Local(node.name()) == "Override") {
                std::string part = node.attribute("PartName").value();
                if (part.starts_with("/")) part.erase(0, 1);
                overrides.insert(part);
            }
        }
        for (const auto& [name, bytes] : parts_) {
            if (name == "[Content_Types].xml" || name.ends_with("/")) continue;
            auto dot = name.rfind('.');
            std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
            if (!overrides.contains(name) && !defaults.contains(extension))
                Fault(name + " has no content type");
        }
    }

    void CheckRelationships(const std::string& name, const pugi::xml_document& document) {
        for (pugi::xml_node node : document.document_element().children()) {
            if (Local(node.name()) != "Relationship") continue;
            if (std::string_view(node.attribute("TargetMode").value()) == "External") continue;
            std::string target = ResolveTarget(name, node.attribute("Target").value());
            if (!parts_.contains(target)) Fault(name + ": target " + target + " is missing");
        }
    }

    void CheckWorksheet(const std::string& name, pugi::xml_node root,
                        std::size_t& shared_references) {
        long last_row = 0;
        for (pugi::xml_node row : Child(root, "sheetData").children()) {
            long number = row.attribute("r").as_int();
            if (number <= last_row)
                Fault(name + ": row " + std::to_string(number) + " out of order");
            last_row = number;
            long last_column = 0;
            for (pugi::xml_node cell : row.children()) {
                auto [column, cell_row] = Cell(cell.attribute("r").value());
                std::string ref = cell.attribute("r").value();
                if (column == 0 || cell_row != number)
                    Fault(name + ": cell " + ref + " in row " + std::to_string(number));
                if (column <= last_column) Fault(name + ": cell " + ref + " out of order");
                last_column = column;
                if (std::string_view(cell.attribute("t").value()) == "s") ++shared_references;
            }
        }
    }

    // The writer only ever drops references to shared strings, so their
    // count is the one figure it can get wrong.
    void CheckSharedStrings(std::size_t references) {
        for (const auto& [name, document] : documents_) {
            pugi::xml_node root = document.document_element();
            if (Local(root.name()) != "sst" || !root.attribute("count")) continue;
            if (root.attribute("count").as_ullong() != references)
                Fault(std::string("sharedStrings count ") + root.attribute("count").value() +
                      " for " + std::to_string(references) + " references");
        }
    }

    PartMap parts_;
    std::map<std::string, pugi::xml_document> documents_;
    std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> WorkbookProblems(const std::string& package) {
    auto parts = ReadParts(package);
    if (!parts) return {"not a zip archive"};
    return Checker(std::move(*parts)).Run();
}

::testing::AssertionResult IsSoundWorkbook(const std::string& package) {
    auto problems = WorkbookProblems(package);
    if (problems.empty()) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    for (const auto& problem : problems) failure << problem << "\n";
    return failure;
}

::testing::AssertionResult IsSoundWorkbookFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return ::testing::AssertionFailure() << "cannot read " << file;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return IsSoundWorkbook(bytes);
}

}  // namespace orvalis::testing
