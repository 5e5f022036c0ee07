// SPDX-License-Identifier: MIT
#include "ApplicationObject.h"
#include "DialogTest.h"
#include "MainDialogTemplate.h"
#include "ProgramName.h"
#include "UserActions.h"

namespace glyphsmith {
namespace {

class StartupTest : public test::DialogTest {};

TEST_F(StartupTest, TheMainWindowRunsModallyAndNothingIsWritten) {
    std::string caption;
    scene().seam.OnNextDialog([&](ui::Dialog& shown) {
        caption = test::Caption(shown);
        test::Type(shown.GetDlgItem(res::kFontFamilyEdit), "kai");
        test::Press(shown, test::Key::Escape);
    });

    EXPECT_FALSE(ApplicationObject().InitInstance());
    EXPECT_EQ(caption, "Glyphsmith for TeX4ht (v 0.2)");
    EXPECT_EQ(platform::ProgramName(), "dialog_tests");
    EXPECT_EQ(scene().store.Contents(), "");
}

} // namespace
} // namespace glyphsmith
