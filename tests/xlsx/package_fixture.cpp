#include "xlsx/package_fixture.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

namespace orvalis::testing {

namespace {

const char* kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* kSheetType = "application/vnd.openxmlformats-officedocument.spreadsheetml";

std::string Sheet(const std::string& body, bool selected) {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n") +
           "<worksheet xmlns=\"" + kMainNs + "\" xmlns:r=\"" + kRelNs +
           "\"><sheetViews><sheetView" + (selected ? " tabSelected=\"1\"" : "") +
           " workbookViewId=\"0\"/></sheetViews>" + body + "</worksheet>";
}

std::string Relationship(const std::string& id, const std::string& type,
                         const std::string& target) {
    return "<Relationship Id=\"" + id + "\" Type=\"" + kRelNs + "/" + type + "\" Target=\"" +
           target + "\"/>";
}

std::string Relationships(const std::string& items) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
           "relationships\">" +
           items + "</Relationships>";
}

}  // namespace

std::string MakePackage(const Parts& parts) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(source, ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("cannot build a test package");
    zip_source_keep(source);
    for (const auto& [name, bytes] : parts) {
        zip_source_t* data = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        zip_file_add(archive, name.c_str(), data, ZIP_FL_ENC_UTF_8);
    }
    zip_close(archive);
    zip_source_open(source);
    zip_source_seek(source, 0, SEEK_END);
    std::string package(static_cast<std::size_t>(zip_source_tell(source)), '\0');
    zip_source_seek(source, 0, SEEK_SET);
    zip_source_read(source, package.data(), package.size());
    zip_source_close(source);
    zip_source_free(source);
    return package;
}

namespace {

template <typename Use>
auto WithArchive(const std::string& package, Use&& use) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(package.data(), package.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source) zip_source_free(source);  // the archive did not take it
        throw std::runtime_error("not a zip package");
    }
    // Discarded also when `use` throws on a broken package.
    std::unique_ptr<zip_t, void (*)(zip_t*)> owned(archive, zip_discard);
    return use(archive);
}

}  // namespace

std::string ReadPart(const std::string& package, const std::string& name) {
    return WithArchive(package, [&](zip_t* archive) {
        zip_stat_t stat;
        if (zip_stat(archive, name.c_str(), 0, &stat) != 0) return std::string();
        std::string bytes(stat.size, '\0');
        zip_file_t* file = zip_fopen(archive, name.c_str(), 0);
        if (!file) return std::string();
        zip_fread(file, bytes.data(), bytes.size());
        zip_fclose(file);
        return bytes;
    });
}

std::vector<std::string> PartNames(const std::string& package) {
    return WithArchive(package, [&](zip_t* archive) {
        std::vector<std::string> names;
        for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
            const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
            if (!name) throw std::runtime_error("a part without a name");
            names.emplace_back(name);
        }
        return names;
    });
}

std::string BuildWorkbook(const WorkbookFixture& fixture) {
    std::string overrides;
    for (const std::string& item : fixture.extra_overrides) overrides += item;
    std::string workbook_rels = Relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                                Relationship("rId2", "worksheet", "worksheets/sheet2.xml") +
                                Relationship("rId3", "styles", "styles.xml") +
                                Relationship("rId4", "sharedStrings", "sharedStrings.xml");
    for (const std::string& item : fixture.extra_workbook_rels) workbook_rels += item;

    Parts parts = {
        {"[Content_Types].xml",
         std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                     "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                     "content-types\"><Default Extension=\"rels\" "
                     "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                     "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                     "<Override PartName=\"/xl/workbook.xml\" ContentType=\"") +
             kSheetType + ".sheet.main+xml\"/><Override PartName=\"/xl/worksheets/sheet1.xml\" " +
             "ContentType=\"" + kSheetType + ".worksheet+xml\"/><Override " +
             "PartName=\"/xl/worksheets/sheet2.xml\" ContentType=\"" + kSheetType +
             ".worksheet+xml\"/>" + overrides + "</Types>"},
        {"_rels/.rels", Relationships(Relationship("rId1", "officeDocument", "xl/workbook.xml"))},
        {"xl/workbook.xml",
         std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n") +
             "<workbook xmlns=\"" + kMainNs + "\" xmlns:r=\"" + kRelNs +
             "\"><bookViews><workbookView activeTab=\"" +
             (fixture.second_sheet_selected ? "1" : "0") +
             "\"/></bookViews><sheets><sheet name=\"One\" sheetId=\"1\" r:id=\"rId1\"/>"
             "<sheet name=\"Two\" sheetId=\"2\" r:id=\"rId2\"/></sheets>" +
             (fixture.defined_names.empty()
                  ? ""
                  : "<definedNames>" + fixture.defined_names + "</definedNames>") +
             "<calcPr calcId=\"191029\"/></workbook>"},
        {"xl/_rels/workbook.xml.rels", Relationships(workbook_rels)},
        {"xl/worksheets/sheet1.xml", Sheet(fixture.sheet1, !fixture.second_sheet_selected)},
        {"xl/worksheets/sheet2.xml", Sheet(fixture.sheet2, fixture.second_sheet_selected)},
        {"xl/styles.xml",
         std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n") +
             "<styleSheet xmlns=\"" + kMainNs +
             "\"><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
             "<cellStyleXfs count=\"1\"><xf fontId=\"0\"/></cellStyleXfs>"
             "<cellXfs count=\"2\"><xf fontId=\"0\"/><xf fontId=\"0\"/></cellXfs></styleSheet>"},
        {"xl/sharedStrings.xml",
         std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n") +
             "<sst xmlns=\"" + kMainNs + "\">" + fixture.shared_strings + "</sst>"},
    };
    if (!fixture.sheet1_rels.empty()) {
        parts.emplace_back("xl/worksheets/_rels/sheet1.xml.rels", fixture.sheet1_rels);
    }
    for (const auto& part : fixture.extra_parts) parts.push_back(part);
    return MakePackage(parts);
}

}  // namespace orvalis::testing
