#include "collision/gouge_display.h"

#include <gtest/gtest.h>

#include "support/calls.h"
#include "support/forms_rig.h"
#include "window_models/main_window_model.h"

namespace orvalis {
namespace {

using testing::Calls;
using testing::Concat;
using testing::kDialogsOn;

struct GougeRig : testing::FormsRig {
    explicit GougeRig(const std::string& extra = "")
        : FormsRig("version 8009\ntoolpath 1-ROUGH\ntoolpath 2-FINISH\n" + extra) {
        form.ClickAddAll();
    }

    Calls Click() {
        return CallsOf([this] { form.ClickGougeDisplay(); });
    }

    MainWindowModel& form = forms().main_window();
};

Calls GougeCalls(const std::string& name) {
    return {"RunCommand DIALOGS MESSAGE OFF",
            "RunCommand ACTIVATE Toolpath '" + name + "'",
            "RunCommand EDIT COLLISION STOCKMODEL_CHECK N",
            "RunCommand EDIT COLLISION SCOPE ALL",
            "RunCommand DRAW COLLISION",
            "RunCommand EDIT COLLISION APPLY"};
}

TEST(GougeDisplay, DrawsAndAppliesEachToolpathWithoutEditingToolsOrSurveying) {
    GougeRig rig;
    EXPECT_EQ(rig.Click(), Concat(GougeCalls("1-ROUGH"), GougeCalls("2-FINISH"), kDialogsOn));
    EXPECT_EQ(rig.form.gouge_check.Value, 1);
    EXPECT_EQ(rig.form.status_bar, "과절삭 표시: 툴패스 2개를 표시했습니다");

    // The next click unchecks the box and only switches the dialogs on.
    EXPECT_EQ(rig.Click(), kDialogsOn);
    EXPECT_EQ(rig.form.gouge_check.Value, 0);
}

}  // namespace
}  // namespace orvalis
