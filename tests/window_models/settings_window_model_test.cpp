#include "window_models/settings_window_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data_files/picture_size_file.h"
#include "data_files/settings_files.h"
#include "platform/atomic_file_seam.h"
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

// Counts what the registry tells its observer about the settings window.
struct UnloadCounter : forms::FormsObserver {
    void Created(const std::shared_ptr<SettingsWindowModel>&) override { ++created; }
    void Unloaded(forms::Window&) override { ++unloaded; }
    int created = 0;
    int unloaded = 0;
};

// Which group of the file counts is the picture-size file's own table
// (HandEditedRecordFiles); the window shows it and reads the extension only
// from a file of whole groups.
TEST(SettingsWindowModel, LoadFillsTheBoxesQuietlyAndHidden) {
    struct Case {
        const char* file;
        const char* last_size;  // Right, height
        const char* extension;
    };
    const Case cases[] = {
        {"\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\"\r\n\"9\"\r\n", "8", ""},
        {" 300 , 200,300,200,300,200,300,190\r\n", "190", "nc"},
    };
    for (const auto& [file, last_size, extension] : cases) {
        testing::FormsRig rig("");
        rig.drives().Write(settings::PictureSizeFilePath(), file);
        SettingsWindowModel& form = rig.forms().settings_window();
        EXPECT_EQ(form.picture_sizes[7].Text(), last_size) << file;
        EXPECT_EQ(form.nc_extension.Text(), extension) << file;
        EXPECT_FALSE(form.Visible()) << file;  // referred to before shown: loaded hidden
        EXPECT_TRUE(rig.interaction().messages.empty()) << file;
    }
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
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_EQ(rig.interaction().messages[0].text, "그림 크기를 저장했습니다.");
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
    for (const char* extension : {"n/c", "", "nc."}) {
        form.nc_extension.SetText(extension);
        form.ClickSaveExtension();
        EXPECT_EQ(settings::LoadNcExtension(), "nc") << extension;
    }
    const auto& messages = rig.interaction().messages;
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].text.rfind("그림 크기를 저장하지 않았습니다.", 0), 0u);
    EXPECT_NE(messages[0].text.find("ISO 세로 (H)"), std::string::npos) << messages[0].text;
    EXPECT_NE(messages[3].text.find("저장하지 않았습니다"), std::string::npos);
}

TEST(SettingsWindowModel, OpeningAFileWithoutAWholeGroupKeepsTheBoxesAndSaysSo) {
    struct Case {
        const char* file;  // null: no picture-size file
        bool told;
    };
    const Case cases[] = {
        {nullptr, true}, {"", false},  // no group at all is not a damaged file
    };
    const PictureSizeTexts typed = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (const auto& c : cases) {
        testing::FormsRig rig("");
        SettingsWindowModel& form = rig.forms().settings_window();
        std::string name = c.file ? c.file : "(missing)";
        if (c.file) {
            rig.drives().Write(settings::PictureSizeFilePath(), c.file);
        } else {
            fs::remove(rig.drives().File(settings::PictureSizeFilePath()));
        }
        TypeSizes(form, typed);
        form.ClickOpenPictureSizes();
        EXPECT_EQ(form.PictureSizes(), typed) << name;
        ASSERT_EQ(rig.interaction().messages.size(), c.told ? 1u : 0u) << name;
        if (c.told) {
            EXPECT_EQ(rig.interaction().messages[0].text.rfind("그림 크기를 읽지 못했습니다.", 0),
                      0u);
        }
    }
}

TEST(SettingsWindowModel, SizesLiveWhileTheWindowIsLoadedAndAreReadAgainAfterItCloses) {
    testing::FormsRig rig("");
    UnloadCounter observer;
    rig.forms().SetObserver(&observer);
    TypeSizes(rig.forms().settings_window(), {"1", "2", "3", "4", "5", "6", "7", "8"});
    rig.forms().settings_window().Show();
    rig.forms().settings_window().Hide();
    EXPECT_EQ(rig.forms().settings_window().picture_sizes[7].Text(),
              "8");  // the writer takes the unsaved texts
    EXPECT_EQ(observer.created, 1);

    rig.forms().settings_window().Unload();
    EXPECT_FALSE(rig.forms().HasSettingsWindow());
    EXPECT_EQ(observer.unloaded, 1);
    EXPECT_EQ(rig.forms().settings_window().picture_sizes[7].Text(),
              "200");  // the file's value again
    EXPECT_EQ(observer.created, 2);
}

// A folder gone or a save stopped before its rename: the user is told and
// the stored files stay as they were.
TEST(SettingsWindowModel, AFailedWriteTellsTheUserAndLeavesTheFilesAlone) {
    {
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
        EXPECT_EQ(messages[1].icon, forms::MessageIcon::kCritical);
        EXPECT_FALSE(fs::exists(rig.drives().File("C:\\TARVEL\\ORVALIS\\DAT FILE")));
    }
    testing::FormsRig rig("");
    auto stored = rig.drives().Read(settings::PictureSizeFilePath());
    TypeSizes(rig.forms().settings_window(), {"1", "2", "3", "4", "5", "6", "7", "8"});
    FailNextReplaceBeforeRename();
    rig.forms().settings_window().ClickSavePictureSizes();
    EXPECT_EQ(rig.drives().Read(settings::PictureSizeFilePath()), stored);
    EXPECT_EQ(rig.interaction().messages.at(0).text.rfind("그림 크기를 저장하지 못했습니다.", 0),
              0u);
}

TEST(SettingsWindowModel, ButtonsLeadFromTheLauncherToTheSettingsAndOnToTheRegistry) {
    testing::FormsRig rig("");
    rig.forms().launcher().ClickSettings();
    ASSERT_TRUE(rig.forms().HasSettingsWindow());
    EXPECT_TRUE(rig.forms().settings_window().Visible());
    EXPECT_FALSE(rig.forms().HasMainWindow());

    rig.forms().settings_window().ClickCompanies();
    ASSERT_TRUE(rig.forms().HasCompanyRegistry());
    EXPECT_TRUE(rig.forms().company_registry().Visible());
    EXPECT_TRUE(rig.forms().settings_window().Visible());  // not modal: both stay open
    rig.forms().settings_window().nc_extension.SetText("tap");
    rig.forms().settings_window().ClickSaveExtension();
    EXPECT_EQ(settings::LoadNcExtension(), "tap");
    EXPECT_TRUE(rig.Transcript().empty());  // the host is never reached
}

}  // namespace
}  // namespace orvalis
