// SPDX-License-Identifier: MIT
#include "AboutDialog.h"

#include "AboutDialogTemplate.h"
#include "Credits.h"

namespace glyphsmith {

namespace {

using namespace res;

constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kGreen = Rgb(0, 128, 0);

// The links look like the box's other texts until the pointer is over them.
void SetUpLink(HyperLink& link, const char* address, ColorRef hover) {
    link.SetTarget(address);
    link.ShowUnderline(false);
    link.SetLinkColors(kBlack, kRed, hover);
}

} // namespace

AboutDialog::AboutDialog(Dialog* parent, LinkOpener& opener)
    : Dialog(kAboutDialogTemplate, parent), programLink_(opener), firstDeveloperLink_(opener),
      secondDeveloperLink_(opener), makerLink_(opener) {}

HyperLink* AboutDialog::LinkOn(int labelId) {
    for (HyperLink* link :
         {&programLink_, &firstDeveloperLink_, &secondDeveloperLink_, &makerLink_}) {
        if (link->Window() && link->Window() == GetDlgItem(labelId)) {
            return link;
        }
    }
    return nullptr;
}

void AboutDialog::DoDataExchange(ui::DataExchange& dx) {
    Dialog::DoDataExchange(dx);
    DDX_Control(dx, kProgramLabel, programLink_);
    DDX_Control(dx, kFirstDeveloperLabel, firstDeveloperLink_);
    DDX_Control(dx, kSecondDeveloperLabel, secondDeveloperLink_);
    DDX_Control(dx, kMakerLabel, makerLink_);
}

// The name and version keep the ordinary pointer.
bool AboutDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    SetUpLink(programLink_, kConverterHomePage, kBlue);
    programLink_.SetPointerCursor(std::nullopt);
    SetUpLink(makerLink_, kMaker.address, kBlue);
    SetUpLink(firstDeveloperLink_, kFirstDeveloper.address, kGreen);
    SetUpLink(secondDeveloperLink_, kSecondDeveloper.address, kGreen);
    return true;
}

} // namespace glyphsmith
