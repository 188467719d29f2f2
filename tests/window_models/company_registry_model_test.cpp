#include "window_models/company_registry_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data_files/settings_files.h"
#include "platform/cp949.h"
#include "platform/profile_file.h"
#include "support/forms_rig.h"
#include "window_models/main_window_model.h"

namespace orvalis {
namespace {

namespace fs = std::filesystem;

std::string StoredCompany(int slot) {
    return ReadDatas("그룸", settings::CompanyKey(slot), settings::CompanyFilePath());
}

void Save(CompanyRegistryModel& dialog, const std::string& name) {
    dialog.new_name.SetText(name);
    dialog.ClickSaveCompany();
}

TEST(CompanyRegistryModel, SavesFillSlotsInTurnAndReopeningCarriesOn) {
    testing::FormsRig rig("");
    CompanyRegistryModel& dialog = rig.forms().company_registry();
    for (const char* name : {"한국정밀", "ACME", "대한금형"}) Save(dialog, name);
    EXPECT_EQ(settings::LoadCompanyList(),
              (std::vector<std::string>{"한국정밀", "ACME", "대한금형"}));

    dialog.Unload();
    CompanyRegistryModel& reopened = rig.forms().company_registry();
    EXPECT_EQ(reopened.slot_keys.ListIndex(), 3);
    Save(reopened, "넷째");
    EXPECT_EQ(StoredCompany(1), "한국정밀");
    EXPECT_EQ(StoredCompany(4), "넷째");
    EXPECT_EQ(settings::LoadListIndex(), "4");
    EXPECT_EQ(rig.interaction().messages.at(3).text, "업체명4에 '넷째'을(를) 저장했습니다.");
}

// A blank name would hide every name saved after it from the lists, which end
// at the first empty slot: nothing is written, and the slot stays.
TEST(CompanyRegistryModel, AnEmptyNameIsRefusedAndTheSlotKept) {
    testing::FormsRig rig("");
    CompanyRegistryModel& dialog = rig.forms().company_registry();
    Save(dialog, "한국정밀");
    for (const char* blank : {"", "\t"}) {
        Save(dialog, blank);
        EXPECT_EQ(dialog.slot_keys.ListIndex(), 1) << '"' << blank << '"';
    }
    Save(dialog, "ACME");
    EXPECT_EQ(settings::LoadCompanyList(), (std::vector<std::string>{"한국정밀", "ACME"}));
    EXPECT_EQ(settings::LoadListIndex(), "2");
    EXPECT_EQ(rig.interaction().messages.at(1).text,
              "업체명을 입력한 뒤 저장하십시오. 빈 이름은 저장하지 않습니다.");
}

TEST(CompanyRegistryModel, ARecordedPositionThatNamesNoSlotStartsAtSlotOne) {
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"19", 19}, {"20", 0}, {"3x", 0}, {"99999999999", 0},
    };
    for (const auto& [recorded, position] : cases) {
        testing::FormsRig rig("");
        rig.drives().Write(
            settings::ListIndexFilePath(),
            Utf8ToCp949(std::string("[콤보박스]\r\nListIndex=") + recorded + "\r\n"));
        EXPECT_EQ(rig.forms().company_registry().slot_keys.ListIndex(), position) << recorded;
    }
}

TEST(CompanyRegistryModel, FindingListsTheRunOfStoredNamesEachTimeItIsPressed) {
    testing::FormsRig rig("");
    CompanyRegistryModel& dialog = rig.forms().company_registry();
    rig.drives().Write(
        settings::CompanyFilePath(),
        Utf8ToCp949("[그룸]\r\n업체명1=한국정밀\r\n업체명2=ACME\r\n업체명4=숨음\r\n"));
    dialog.ClickFindCompanies();
    dialog.ClickFindCompanies();
    EXPECT_EQ(dialog.stored_names.Items(),
              (std::vector<std::string>{"한국정밀", "ACME", "한국정밀", "ACME"}));
    EXPECT_EQ(dialog.stored_names.Text(), "한국정밀");
}

TEST(CompanyRegistryModel, TheLastSlotIsWrittenAndTheUserToldTheSlotsAreUsedUp) {
    testing::FormsRig rig("");
    rig.drives().Write(settings::ListIndexFilePath(),
                       Utf8ToCp949("[콤보박스]\r\nListIndex=19\r\n"));
    CompanyRegistryModel& dialog = rig.forms().company_registry();
    Save(dialog, "스무째");
    EXPECT_EQ(StoredCompany(20), "스무째");
    EXPECT_EQ(dialog.slot_keys.ListIndex(), 19);
    EXPECT_EQ(settings::LoadListIndex(), "20");
    EXPECT_NE(rig.interaction().messages.at(0).text.find("20개를 모두 사용했습니다"),
              std::string::npos);

    Save(dialog, "다시 스무째");  // stays on the last slot
    EXPECT_EQ(StoredCompany(20), "다시 스무째");
}

TEST(CompanyRegistryModel, AFailedWriteTellsTheUserAndKeepsTheSlot) {
    testing::FormsRig rig("");
    CompanyRegistryModel& dialog = rig.forms().company_registry();
    fs::remove_all(rig.drives().File("C:\\TARVEL\\ORVALIS\\DAT FILE"));
    Save(dialog, "한국정밀");
    EXPECT_EQ(rig.interaction().messages.at(0).text.rfind("업체명을 저장하지 못했습니다.", 0), 0u);
    EXPECT_EQ(dialog.slot_keys.ListIndex(), 0);
}

}  // namespace
}  // namespace orvalis
