#include "gui/rename_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/forms_rig.h"
#include "window_models/rename_window_model.h"

namespace orvalis::gui {
namespace {

TEST(RenameWindow, TypedPrefixAndButtonReachTheModel) {
    testing::FormsRig rig("toolpath a\ntoolpath b\n");
    auto model = std::make_shared<RenameWindowModel>(rig.forms());
    std::vector<std::string> marks;
    RenameWindow window(model, [&marks](const std::string& action) { marks.push_back(action); });
    QTest::keyClicks(window.RenamePrefix(), "OP");
    EXPECT_EQ(model->rename_prefix.Text(), "OP");
    rig.interaction().confirm_answer = true;
    QTest::mouseClick(window.RenameButton(), Qt::LeftButton);
    EXPECT_EQ(rig.interaction().questions.size(), 1u);
    EXPECT_EQ(marks, std::vector<std::string>{"rename"});
    EXPECT_EQ(rig.Transcript().back(), "RunCommand RENAME Toolpath 'b'  'OP2'");
}

}  // namespace
}  // namespace orvalis::gui
