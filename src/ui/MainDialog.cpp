#include "MainDialog.h"

#include "AboutDialog.h"
#include "Alias.h"
#include "AliasDialog.h"
#include "CloneDialog.h"
#include "Cloning.h"
#include "DialogRunUi.h"
#include "FontListDialog.h"
#include "Generator1.h"
#include "Generator2.h"
#include "MainDialogTemplate.h"
#include "Resources.h"
#include "SettingsStore.h"

namespace glyphsmith {

namespace {

using namespace ui;
using namespace res;

constexpr int kPathLimit = 256;
constexpr int kStyleTextLimit = 255;

void ExchangeText(DataExchange& dx, int id, std::string& value, int maxChars) {
    DDX_Text(dx, id, value);
    DDV_MaxChars(dx, value, maxChars);
}

} // namespace

MainDialog::MainDialog(QWidget* parent)
    : Dialog(kMainDialogTemplate, parent), settings_(LoadGenerationSettings(SettingsStore())),
      appIcon_(IconResource(kApplicationIconId)) {}

bool MainDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    if (SystemMenu* menu = GetSystemMenu()) {
        const std::string_view about = StringResource(kAboutMenuStringId);
        if (!about.empty()) {
            menu->AppendSeparator();
            menu->AppendItem(kAboutCommand, about);
        }
    }
    setWindowIcon(appIcon_);
    return true;
}

void MainDialog::DoDataExchange(DataExchange& dx) {
    Dialog::DoDataExchange(dx);
    ExchangeText(dx, kCodePageFileEdit, settings_.codePageFile, kPathLimit);
    ExchangeText(dx, kEncDirectoryEdit, settings_.encDirectory, kPathLimit);
    ExchangeText(dx, kHtfDirectoryEdit, settings_.htfDirectory, kPathLimit);
    ExchangeText(dx, kSfdFileEdit, settings_.sfdFile, kPathLimit);
    DDX_Check(dx, kDiscardBlanksCheck, settings_.discardBlanks);
    ExchangeText(dx, kAliasDirectoryEdit, settings_.aliasDirectory, kPathLimit);
    DDX_Check(dx, kBoldCheck, settings_.bold);
    DDX_Check(dx, kItalicCheck, settings_.italic);
    ExchangeText(dx, kFontFamilyEdit, settings_.fontFamily, kStyleTextLimit);
    ExchangeText(dx, kOtherStyleEdit, settings_.otherStyle, kStyleTextLimit);
}

MessageMap MainDialog::GetMessageMap() const {
    static constexpr MessageMapEntry kMap[] = {
        OnClicked<&MainDialog::OnPickEncDirectory>(kPickEncDirectoryButton),
        OnClicked<&MainDialog::OnPickHtfDirectory>(kPickHtfDirectoryButton),
        OnClicked<&MainDialog::OnPickCodePageFile>(kPickCodePageFileButton),
        OnClicked<&MainDialog::OnGenerator2>(kGenerator2Button),
        OnClicked<&MainDialog::OnAbout>(kAboutButton),
        OnClicked<&MainDialog::CloneHtfFiles>(kCloneButton),
        OnClicked<&MainDialog::OnPickSfdFile>(kPickSfdFileButton),
        OnClicked<&MainDialog::OnGenerator1>(kGenerator1Button),
        OnClicked<&MainDialog::CreateAliasHtfFiles>(kAliasButton),
        OnClicked<&MainDialog::OnPickAliasDirectory>(kPickAliasDirectoryButton),
    };
    return kMap;
}

void MainDialog::OnSysCommand(unsigned command) {
    if ((command & kSystemCommandMask) == kAboutCommand) {
        OnAbout();
    } else {
        Dialog::OnSysCommand(command);
    }
}

// A box of its own for every opening, so that no link stays visited from the last one.
void MainDialog::OnAbout() {
    AboutDialog about(this);
    about.DoModal();
}

void MainDialog::OnPickEncDirectory() {}

void MainDialog::OnPickHtfDirectory() {}

void MainDialog::OnPickCodePageFile() {}

// A field that fails its length check has shown why; the run does not start on the
// half-read fields.
void MainDialog::OnGenerator2() {
    if (!UpdateData(true)) {
        return;
    }
    DialogRunUi ui(*this);
    RunGenerator2(settings_, ui);
}

void MainDialog::CloneHtfFiles() {
    CloneDialog prompt(this);
    if (prompt.DoModal() != IDOK || !UpdateData(true)) {
        return;
    }
    DialogRunUi ui(*this);
    RunCloning(prompt.clonedFrom, prompt.clonedTo, settings_, ui);
}

void MainDialog::OnPickSfdFile() {}

// The prompt stores the list on OK, even when a field of the window then fails its check.
void MainDialog::OnGenerator1() {
    FontListDialog prompt(this);
    if (prompt.DoModal() != IDOK || !UpdateData(true)) {
        return;
    }
    DialogRunUi ui(*this);
    RunGenerator1(prompt.fontList, settings_, ui);
}

// An alias ending in "sl" turns italic on before the run, and the check box shows it at
// once; it stays on until the user clears it.
void MainDialog::CreateAliasHtfFiles() {
    AliasDialog prompt(this);
    if (prompt.DoModal() != IDOK || !UpdateData(true)) {
        return;
    }
    if (ApplySlRule(prompt.aliasFont, settings_)) {
        UpdateData(false);
    }
    DialogRunUi ui(*this);
    RunAlias(prompt.targetFont, prompt.aliasFont, settings_, ui);
}

void MainDialog::OnPickAliasDirectory() {}

} // namespace glyphsmith
