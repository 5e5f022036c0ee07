// SPDX-License-Identifier: MIT
// What only the Qt side shows of the three prompts: captions that fit their controls in
// Qt's fonts.
#include "AliasDialog.h"
#include "CloneDialog.h"
#include "DialogTest.h"
#include "FontListDialog.h"
#include "QtPrinting.h"
#include "UserActions.h"
#include "WidgetHandles.h"
#include "WindowChecks.h"

namespace glyphsmith {
namespace {

class PromptDialogQtTest : public test::DialogTest {};

TEST_F(PromptDialogQtTest, TheLayoutsHoldTogether) {
    const FontListDialog fontList;
    const CloneDialog cloning;
    const AliasDialog alias;
    for (const ui::Dialog* prompt :
         {static_cast<const ui::Dialog*>(&fontList), static_cast<const ui::Dialog*>(&cloning),
          static_cast<const ui::Dialog*>(&alias)}) {
        EXPECT_EQ(test::LayoutFaults(ui::WidgetOf(*prompt)), QStringList())
            << test::Caption(*prompt);
    }
}

} // namespace
} // namespace glyphsmith
