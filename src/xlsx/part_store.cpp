#include "xlsx/part_store.h"

#include <algorithm>
#include <vector>

#include "xlsx/content_types.h"
#include "xlsx/ooxml_names.h"
#include "xlsx/relationships.h"
#include "xlsx/xml_part.h"

namespace orvalis::xlsx {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; });
    return lower;
}

}  // namespace

PartStore::PartStore(std::string bytes, std::string origin)
    : package_(std::move(bytes), std::move(origin)) {}

pugi::xml_document& PartStore::Parsed(const std::string& part) {
    auto found = documents_.find(part);
    if (found == documents_.end()) {
        found = documents_.emplace(part, ParseXml(package_.Read(part), part, origin())).first;
    }
    return *found->second;
}

bool PartStore::Has(std::string_view part) const {
    return documents_.contains(part) || package_.Has(part);
}

std::vector<std::string> PartStore::Names() const {
    std::vector<std::string> names = package_.Names();
    for (const auto& [name, document] : documents_) {
        if (!package_.Has(name)) names.push_back(name);
    }
    return names;
}

const pugi::xml_document& PartStore::Read(const std::string& part) {
    return Parsed(part);
}

pugi::xml_document& PartStore::Edit(const std::string& part) {
    pugi::xml_document& document = Parsed(part);
    edited_.insert(part);
    return document;
}

pugi::xml_document& PartStore::Create(const std::string& part, std::string_view xml) {
    documents_[part] = ParseXml(xml, part, origin());
    edited_.insert(part);
    return *documents_[part];
}

pugi::xml_document& PartStore::EditRelationships(const std::string& part) {
    std::string rels = RelationshipsPartOf(part);
    if (Has(rels)) return Edit(rels);
    AddDefaultContentType(Edit(std::string(ooxml::kContentTypesPart)), "rels",
                          ooxml::kRelationshipsContentType);
    return Create(rels, EmptyRelationshipsXml());
}

void PartStore::WriteBinary(const std::string& part, std::string bytes, bool compress) {
    package_.Write(part, std::move(bytes), compress);
}

void PartStore::Remove(const std::string& part) {
    if (auto found = documents_.find(part); found != documents_.end()) documents_.erase(found);
    if (auto found = edited_.find(part); found != edited_.end()) edited_.erase(found);
    package_.Remove(part);
}

std::string PartStore::UnusedName(std::string_view stem, std::string_view extension) const {
    std::set<std::string> taken;
    for (const std::string& name : package_.Names()) taken.insert(Lower(name));
    for (const auto& [name, document] : documents_) taken.insert(Lower(name));
    for (int number = 1;; ++number) {
        std::string name = std::string(stem) + std::to_string(number) + std::string(extension);
        if (!taken.contains(Lower(name))) return name;
    }
}

std::string PartStore::Save() {
    for (const std::string& part : edited_) {
        package_.Write(part, SerializeXml(*documents_.at(part)));
    }
    return package_.Save();
}

}  // namespace orvalis::xlsx
