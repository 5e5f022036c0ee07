// SPDX-License-Identifier: MIT
#include "DialogTest.h"
#include "FolderChooser.h"
#include "ModalSeam.h"
#include "OwnerDialog.h"

#include <optional>

namespace glyphsmith {
namespace {

using Strings = std::vector<std::string>;

class ChoosersTest : public test::DialogTest {};

TEST_F(ChoosersTest, BrowseTrimsTheInitialFolderForTheChooser) {
    const std::pair<std::string, std::string> rows[] = {
        {"/data/htf\\  ", "/data/htf"},     // backslash and blanks
        {"/data/htf/ \t\r\n", "/data/htf"}, // slash and white space
        {"/data/htf//", "/data/htf/"},      // one separator only
        {"/data/my htf", "/data/my htf"},   // a blank inside is kept
        {"   ", ""},                        // only blanks
        {"/", ""},                          // the root alone
    };
    test::OwnerDialog owner;
    for (const auto& [initialFolder, trimmed] : rows) {
        SCOPED_TRACE(initialFolder);
        std::string asked = "not asked";
        scene().seam.OnNextFolderChooser([&](const ui::FolderRequest& request) {
            asked = request.initialFolder;
            return std::nullopt;
        });
        FolderChooser chooser;
        chooser.initialFolder = initialFolder;
        EXPECT_FALSE(chooser.Browse(&owner));
        EXPECT_EQ(asked, trimmed);
        EXPECT_EQ(chooser.initialFolder, trimmed);
    }
}

TEST_F(ChoosersTest, OnlyAConfirmedFolderOnDiskIsTaken) {
    test::OwnerDialog owner;
    Strings prompts;
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>("/data/\u6587\u4ef6")}) {
        scene().seam.OnNextFolderChooser([&, answer](const ui::FolderRequest& request) {
            prompts.push_back(request.prompt);
            return answer;
        });
    }
    FolderChooser chooser;
    EXPECT_FALSE(chooser.Browse(&owner));
    EXPECT_FALSE(chooser.Browse(&owner));
    EXPECT_EQ(chooser.selectedPath, "");
    chooser.prompt = "Set the folder:";
    EXPECT_TRUE(chooser.Browse(&owner));
    EXPECT_EQ(chooser.selectedPath, "/data/\u6587\u4ef6");
    EXPECT_EQ(prompts, Strings({"Open", "Open", "Set the folder:"}));
}

// The program's own chooser does not start for a root that does not exist.
TEST_F(ChoosersTest, AMissingRootKeepsTheChooserFromStarting) {
    test::OwnerDialog owner;
    const ui::ScopedModalSeam programSeam(ui::ProgramModalSeam());
    FolderChooser chooser;
    chooser.rootFolder = (scene().work.Path() / "missing").string();
    EXPECT_FALSE(chooser.Browse(&owner));
}

} // namespace
} // namespace glyphsmith
