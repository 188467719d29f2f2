#include "window_models/settings_window_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data_files/picture_size_file.h"
#include "data_files/settings_files.h"
#include "support/forms_rig.h"
#include "window_models/company_registry_model.h"
#include "window_models/launcher_model.h"

namespace orvalis {
namespace {

namespace fs = std::filesystem;
using settings::PictureSizeTexts;

const PictureSizeTexts kNoSizes{};

void TypeSizes(SettingsWindowModel& form, const PictureSizeTexts& sizes) {
    for (std::size_t i = 0; i < sizes.size(); ++i) form.picture_sizes[i].SetText(sizes[i]);
}

// Which group of the file counts is the picture-size file's own table
// (HandEditedRecordFiles); the window shows it.
TEST(SettingsWindowModel, LoadFillsTheBoxesQuietlyAndHidden) {
    testing::FormsRig rig("");
    rig.drives().Write(settings::PictureSizeFilePath(), " 300 , 200,300,200,300,200,300,190\r\n");
    SettingsWindowModel& form = rig.forms().settings_window();
    EXPECT_EQ(form.picture_sizes[7].Text(), "190");  // Right, height
    EXPECT_EQ(form.nc_extension.Text(), "nc");
    EXPECT_FALSE(form.Visible());  // referred to before shown: loaded hidden
}

TEST(SettingsWindowModel, SavedSizesOpenAgainExactly) {
    testing::FormsRig rig("");
    SettingsWindowModel& form = rig.forms().settings_window();
    const PictureSizeTexts typed = {"320", " 240 ", "1", "32767", "120.5", " 7", "0.6", "200"};
    TypeSizes(form, typed);
    form.ClickSavePictureSizes();
    EXPECT_EQ(*rig.drives().Read(settings::PictureSizeFilePath()),
              "\"320\",\" 240 \",\"1\",\"32767\",\"120.5\",\" 7\",\"0.6\",\"200\"\r\n");

    TypeSizes(form, kNoSizes);
    form.ClickOpenPictureSizes();
    EXPECT_EQ(form.PictureSizes(), typed);

    rig.forms().UnloadSettingsWindow();
    EXPECT_EQ(rig.forms().settings_window().PictureSizes(), typed);  // a fresh load too
}

// A size or extension that would fail at the next 시트 만들기 or NC POST is
// refused on save, naming the box (which sizes fail is PictureSize's table);
// the files stay as they were.
TEST(SettingsWindowModel, SizesAndExtensionsThatWouldFailLaterAreRefusedOnSave) {
    testing::FormsRig rig("");
    SettingsWindowModel& form = rig.forms().settings_window();
    std::string before = *rig.drives().Read(settings::PictureSizeFilePath());
    TypeSizes(form, {"300", "200", "300", "32768", "300", "200", "300", "200"});
    form.ClickSavePictureSizes();
    EXPECT_EQ(*rig.drives().Read(settings::PictureSizeFilePath()), before);
    form.nc_extension.SetText("n/c");
    form.ClickSaveExtension();
    EXPECT_EQ(settings::LoadNcExtension(), "nc");
    const auto& messages = rig.interaction().messages;
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text.rfind("그림 크기를 저장하지 않았습니다.", 0), 0u);
    EXPECT_NE(messages[0].text.find("ISO 세로 (H)"), std::string::npos) << messages[0].text;
}

TEST(SettingsWindowModel, OpeningAMissingFileKeepsTheBoxesAndSaysSo) {
    const PictureSizeTexts typed = {"1", "2", "3", "4", "5", "6", "7", "8"};
    testing::FormsRig rig("");
    SettingsWindowModel& form = rig.forms().settings_window();
    fs::remove(rig.drives().File(settings::PictureSizeFilePath()));
    TypeSizes(form, typed);
    form.ClickOpenPictureSizes();
    EXPECT_EQ(form.PictureSizes(), typed);
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_EQ(rig.interaction().messages[0].text.rfind("그림 크기를 읽지 못했습니다.", 0), 0u);
}

TEST(SettingsWindowModel, SizesLiveWhileTheWindowIsLoadedAndAreReadAgainAfterItCloses) {
    testing::FormsRig rig("");
    TypeSizes(rig.forms().settings_window(), {"1", "2", "3", "4", "5", "6", "7", "8"});
    EXPECT_EQ(rig.forms().settings_window().picture_sizes[7].Text(),
              "8");  // the writer takes the unsaved texts

    rig.forms().settings_window().Unload();
    EXPECT_EQ(rig.forms().settings_window().picture_sizes[7].Text(),
              "200");  // the file's value again
}

// A folder gone: the user is told and the stored files stay as they were
// (a save stopped before its rename is the data folder's own test).
TEST(SettingsWindowModel, AFailedWriteTellsTheUserAndLeavesTheFilesAlone) {
    testing::FormsRig rig("");
    SettingsWindowModel& form = rig.forms().settings_window();
    fs::remove_all(rig.drives().File("C:\\TARVEL\\ORVALIS\\DAT FILE"));
    form.picture_sizes[0].SetText("999");
    form.ClickSavePictureSizes();
    form.ClickSaveExtension();
    const auto& messages = rig.interaction().messages;
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text.rfind("그림 크기를 저장하지 못했습니다.", 0), 0u);
    EXPECT_EQ(messages[1].text.rfind("확장자를 저장하지 못했습니다.", 0), 0u);
    EXPECT_FALSE(fs::exists(rig.drives().File("C:\\TARVEL\\ORVALIS\\DAT FILE")));
}

TEST(SettingsWindowModel, ButtonsLeadFromTheLauncherToTheSettingsAndOnToTheRegistry) {
    testing::FormsRig rig("");
    rig.forms().launcher().ClickSettings();
    EXPECT_TRUE(rig.forms().settings_window().Visible());

    rig.forms().settings_window().ClickCompanies();
    EXPECT_TRUE(rig.forms().company_registry().Visible());
    EXPECT_TRUE(rig.forms().settings_window().Visible());  // not modal: both stay open
    EXPECT_TRUE(rig.Transcript().empty());                 // the host is never reached
}

}  // namespace
}  // namespace orvalis
