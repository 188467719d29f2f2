#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "data_files/picture_size_file.h"
#include "data_files/settings_files.h"
#include "data_files/tool_assembly_file.h"
#include "platform/atomic_file.h"
#include "platform/cp949.h"
#include "platform/file_error.h"
#include "support/temp_folder.h"

namespace orvalis::settings {
namespace {

TEST(SettingsFiles, CompanyListIsTheRunOfSlotsFromSlotOne) {
    testing::TempDrives drives;
    EXPECT_TRUE(LoadCompanyList().empty());
    drives.Write(CompanyFilePath(),
                 Utf8ToCp949("[그룸]\r\n업체명1=한국정밀\r\n업체명2=ACME\r\n업체명4=Skipped\r\n"));
    EXPECT_EQ(LoadCompanyList(), (std::vector<std::string>{"한국정밀", "ACME"}));

    std::string full = "[그룸]\r\n";
    for (int slot = 1; slot <= 21; ++slot)
        full += CompanyKey(slot) + "=C" + std::to_string(slot) + "\r\n";
    drives.Write(CompanyFilePath(), Utf8ToCp949(full));
    auto companies = LoadCompanyList();
    ASSERT_EQ(companies.size(), 20u);  // slot 21 is never read
    EXPECT_EQ(companies.back(), "C20");
}

TEST(SettingsFiles, SavedTextsReadBackExactly) {
    testing::TempDrives drives;
    drives.Write(CompanyFilePath(), "");
    SaveCompany(1, "대한금형");
    SaveCompany(2, "ACME");
    SaveCompany(1, "(주)새이름");
    EXPECT_EQ(LoadCompanyList(), (std::vector<std::string>{"(주)새이름", "ACME"}));
    EXPECT_EQ(LoadNcExtension(), "");
    SaveNcExtension("tap");
    EXPECT_EQ(LoadNcExtension(), "tap");
    SaveListIndex(3);
    EXPECT_EQ(LoadListIndex(), "3");
}

// A table too large to read is not replaced by the one record added.
TEST(ToolAssemblyFile, ATableThatCannotBeReadIsNeverReplaced) {
    testing::TempDrives drives;
    drives.Write(ToolAssemblyFilePath(), "\"10\"\r\n");
    auto file = drives.File(ToolAssemblyFilePath());
    std::filesystem::resize_file(file, kMaxReadBytes + 1);
    ToolAssemblyRecord record;
    record.fill("1");
    EXPECT_THROW(AppendToolAssembly(record), FileError);
    EXPECT_EQ(std::filesystem::file_size(file), kMaxReadBytes + 1);
    EXPECT_FALSE(ReadToolAssemblies().found);
}

TEST(ToolAssemblyFile, ReadsRecordsAndAppendsNewOnes) {
    testing::TempDrives drives;
    EXPECT_FALSE(ReadToolAssemblies().found);
    drives.Write(ToolAssemblyFilePath(), "");
    EXPECT_TRUE(ReadToolAssemblies().found);
    EXPECT_TRUE(ReadToolAssemblies().records.empty());

    ToolAssemblyRecord ten = {"10", "75", "10", "10", "30", "", "",    "",
                              "32", "32", "50", "",   "",   "", "0.5", "1"};
    AppendToolAssembly(ten);
    AppendToolAssembly(ToolAssemblyRecord{});
    EXPECT_EQ(
        *drives.Read(ToolAssemblyFilePath()),
        "\"10\",\"75\",\"10\",\"10\",\"30\",\"\",\"\",\"\",\"32\",\"32\",\"50\",\"\",\"\",\"\",\"0."
        "5\",\"1\"\r\n"
        "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    auto read = ReadToolAssemblies();
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0], ten);
    EXPECT_EQ(read.records[1], ToolAssemblyRecord{});
    EXPECT_FALSE(read.incomplete);
}

// Record files as people leave them after editing by hand: each damage gives
// a defined result (a skipped or short record) and never a crash. How the
// fields are read (open quotes, blank lines) is RecordFile.*.
std::string Quoted(const std::vector<std::string>& fields) {
    std::string line;
    for (const auto& field : fields) line += (line.empty() ? "\"" : ",\"") + field + "\"";
    return line + "\r\n";
}

const std::vector<std::string> kOneToEight = {"1", "2", "3", "4", "5", "6", "7", "8"};
const std::vector<std::string> kAToH = {"a", "b", "c", "d", "e", "f", "g", "h"};

TEST(HandEditedRecordFiles, PictureSizesKeepTheLastCompleteGroup) {
    struct Case {
        const char* name;
        std::string file;
        std::optional<PictureSizeTexts> sizes;
        bool complete;
    };
    const Case cases[] = {
        {"damaged line before a good one",
         "\"1\",\"2,\"3\",\"4\",\"5\",\"6\",\"7\",\"8\"\r\n" + Quoted(kAToH),
         PictureSizeTexts{"1", "2,", "4", "5", "6", "7", "8", "a"}, false},
        {"blank lines between groups", Quoted(kOneToEight) + "\r\n  \r\n" + Quoted(kAToH),
         PictureSizeTexts{"a", "b", "c", "d", "e", "f", "g", "h"}, true},
    };
    for (const auto& c : cases) {
        testing::TempDrives drives;
        drives.Write(PictureSizeFilePath(), c.file);
        auto read = ReadPictureSizes();
        EXPECT_EQ(read.sizes, c.sizes) << c.name;
        EXPECT_EQ(read.complete, c.complete) << c.name;
    }
}

TEST(HandEditedRecordFiles, ToolAssembliesStopAtARecordTheFileCutsShort) {
    const std::vector<std::string> ten = {"10", "75", "10", "10", "30", "", "",    "",
                                          "32", "32", "50", "",   "",   "", "0.5", "1"};
    std::vector<std::string> fifteen(ten.begin(), ten.end() - 1);
    testing::TempDrives drives;
    drives.Write(ToolAssemblyFilePath(), Quoted(ten) + Quoted(fifteen));
    auto read = ReadToolAssemblies();
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0][0], "10");
    EXPECT_TRUE(read.incomplete);
}

}  // namespace
}  // namespace orvalis::settings
