// SPDX-License-Identifier: MIT
#include "AboutDialog.h"

#include "AboutDialogTemplate.h"
#include "DialogTest.h"
#include "FakeLinkOpener.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "UserActions.h"

#include <optional>

namespace glyphsmith {
namespace {

using namespace res;
using test::Key;
using ui::IDCANCEL;
using ui::IDOK;
using Strings = std::vector<std::string>;

const ColorRef kBlack = Rgb(0, 0, 0);
const ColorRef kRed = Rgb(255, 0, 0);
const ColorRef kBlue = Rgb(0, 0, 255);
const ColorRef kGreen = Rgb(0, 128, 0);

constexpr int kLinkLabels[] = {kProgramLabel, kFirstDeveloperLabel, kSecondDeveloperLabel,
                               kMakerLabel};

// The About box as MainDialog opens it, checked for links that nobody has opened.
void ExpectUnvisited(ui::Dialog& shown) {
    auto& about = dynamic_cast<AboutDialog&>(shown);
    for (const int id : kLinkLabels) {
        EXPECT_FALSE(about.LinkOn(id)->Visited());
        EXPECT_EQ(about.LinkOn(id)->TextColor(), kBlack);
    }
}

// The texts of the dialog's labels, in template order.
Strings LabelTexts(const ui::Dialog& dialog) {
    Strings texts;
    for (const ui::Control& control : dialog.Window().Controls()) {
        if (control.Kind() == ui::ControlKind::Label) {
            texts.push_back(control.Text());
        }
    }
    return texts;
}

ui::Point TopLeft(const ui::Dialog& dialog, int id) {
    const ui::Rect rect = dialog.GetDlgItem(id).Geometry();
    return {rect.x, rect.y};
}

class AboutDialogTest : public test::DialogTest {};

TEST_F(AboutDialogTest, TheBoxIsTemplate100) {
    test::FakeLinkOpener opener;
    AboutDialog about(nullptr, opener);
    Strings texts;
    ui::Control focused;
    const int result = Run(about, [&](ui::Dialog& shown) {
        texts = LabelTexts(shown);
        focused = test::FocusedControl(shown);
        test::Press(shown, Key::Enter);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(test::Caption(about), "About Glyphsmith for TeX4ht");
    EXPECT_EQ(texts, Strings({"Glyphsmith for TeX4ht v 0.22", "the team",
                              "Copyright (C) 2026 Ostrelan", "contributors", "Developer:", "and"}));
    EXPECT_EQ(focused, about.GetDlgItem(IDOK));
    EXPECT_TRUE(test::IsDefaultButton(focused));
    EXPECT_TRUE(opener.desktopOpens.empty());
}

// Only the name and version keep the ordinary pointer.
TEST_F(AboutDialogTest, TheLinksOpenTheirAddressesInTheirColours) {
    struct Link {
        int id;
        std::string address;
        ColorRef hover;
        std::optional<ui::Cursor> cursor;
    };
    const std::vector<Link> links = {
        {kProgramLabel, "https://tug.org/tex4ht/", kBlue, std::nullopt},
        {kMakerLabel, "https://glyphsmith.example.org/", kBlue, ui::Cursor::PointingHand},
        {kFirstDeveloperLabel, "https://example.org/~dev/", kGreen, ui::Cursor::PointingHand},
        {kSecondDeveloperLabel, "mailto:contributors@example.org", kGreen,
         ui::Cursor::PointingHand},
    };
    test::FakeLinkOpener opener;
    AboutDialog about(nullptr, opener);
    Run(about, [&](ui::Dialog&) {
        for (const Link& expected : links) {
            const ui::Control label = about.GetDlgItem(expected.id);
            HyperLink& link = *about.LinkOn(expected.id);
            EXPECT_EQ(test::ToolTip(label), expected.address);
            EXPECT_EQ(test::CursorShown(label), expected.cursor);
            EXPECT_FALSE(test::Underlined(label));
            EXPECT_EQ(link.TextColor(), kBlack);
            test::MovePointerOver(label);
            EXPECT_EQ(link.TextColor(), expected.hover);
            test::Click(label);
            EXPECT_TRUE(link.Visited());
            test::MovePointerAway(about);
            EXPECT_EQ(link.TextColor(), kRed);
        }
        about.EndDialog(IDOK);
    });
    Strings opened;
    for (const Link& link : links) {
        opened.push_back(link.address);
    }
    EXPECT_EQ(opener.desktopOpens, opened);
}

// The labels shrink or grow to their texts with their left and top edges kept, and none
// runs into another control or out of the box.
TEST_F(AboutDialogTest, TheFittedLinksKeepTheirPlaces) {
    AboutDialog about;
    Run(about, [&](ui::Dialog&) {
        const ui::Size size = test::ClientSize(about);
        EXPECT_EQ(size, (ui::Size{354, 85}));
        EXPECT_EQ(TopLeft(about, kProgramLabel), (ui::Point{58, 13}));
        EXPECT_EQ(TopLeft(about, kMakerLabel), (ui::Point{58, 39}));
        EXPECT_EQ(TopLeft(about, kFirstDeveloperLabel), (ui::Point{138, 60}));
        EXPECT_EQ(TopLeft(about, kSecondDeveloperLabel), (ui::Point{233, 60}));
        const ui::Rect box{0, 0, size.width, size.height};
        const std::span<const ui::Control> controls = about.Window().Controls();
        for (const ui::Control& control : controls) {
            EXPECT_TRUE(box.Contains(control.Geometry())) << control.Text();
            for (const ui::Control& other : controls) {
                EXPECT_TRUE(other == control || !control.Geometry().Intersects(other.Geometry()))
                    << control.Text() << " overlaps " << other.Text();
            }
        }
        about.EndDialog(IDOK);
    });
}

TEST_F(AboutDialogTest, EveryOpeningFromTheMainWindowIsANewBox) {
    MainDialog window;
    Run(window, [&](ui::Dialog&) {
        scene().seam.OnNextDialog([&](ui::Dialog& shown) {
            EXPECT_EQ(shown.Parent(), &window);
            auto& about = dynamic_cast<AboutDialog&>(shown);
            for (const int id : kLinkLabels) {
                about.LinkOn(id)->MarkVisited(true);
                EXPECT_EQ(about.LinkOn(id)->TextColor(), kRed);
            }
            test::Press(shown, Key::Escape);
        });
        test::Click(window.GetDlgItem(kAboutButton));

        scene().seam.OnNextDialog([&](ui::Dialog& shown) {
            ExpectUnvisited(shown);
            shown.EndDialog(IDOK);
        });
        test::Click(window.GetDlgItem(kAboutButton));
        EXPECT_TRUE(test::IsShown(window));
        window.EndDialog(IDCANCEL);
    });
}

TEST_F(AboutDialogTest, TheSystemMenuEntryOpensTheBox) {
    MainDialog window;
    std::string caption;
    Run(window, [&](ui::Dialog&) {
        scene().seam.OnNextDialog([&](ui::Dialog& shown) {
            caption = test::Caption(shown);
            ExpectUnvisited(shown);
            test::CloseBox(shown);
        });
        test::SystemCommand(window, 16);
        window.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(caption, "About Glyphsmith for TeX4ht");
}

} // namespace
} // namespace glyphsmith
