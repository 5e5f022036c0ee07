// SPDX-License-Identifier: MIT
#include "MainDialog.h"

#include "AboutDialog.h"
#include "Alias.h"
#include "AliasDialog.h"
#include "CloneDialog.h"
#include "Cloning.h"
#include "DialogRunReporter.h"
#include "FileChooser.h"
#include "FolderChooser.h"
#include "FontListDialog.h"
#include "Generator1.h"
#include "Generator2.h"
#include "MainDialogTemplate.h"
#include "Resources.h"
#include "SettingsStore.h"
#include "UnexpectedError.h"

namespace glyphsmith {

namespace {

using namespace ui;
using namespace res;

constexpr int kPathLimit = 256;
constexpr int kStyleTextLimit = 255;

// Filters of the file choosers in the dialog framework's notation.
constexpr const char* kSfdFilter = "Text Files (*.sfd)|*.sfd|All Files (*.*)|*.*||";
constexpr const char* kTxtFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";

void ExchangeText(DataExchange& dx, int id, std::string& value, int maxChars) {
    DDX_Text(dx, id, value);
    DDV_MaxChars(dx, value, maxChars);
}

} // namespace

struct MainDialog::PathField {
    std::string GenerationSettings::*member;
    const char* valueName;
    const char* samePathMessage;
};

MainDialog::MainDialog(Dialog* parent, std::string workingDirectory)
    : Dialog(kMainDialogTemplate, parent), settings_(LoadGenerationSettings(SettingsStore())),
      workingDirectory_(std::move(workingDirectory)) {}

bool MainDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    if (SystemMenu* menu = GetSystemMenu()) {
        const std::string_view about = StringResource(kAboutMenuStringId);
        if (!about.empty()) {
            menu->AppendSeparator();
            menu->AppendItem(kAboutCommand, about);
        }
    }
    SetIcon(kApplicationIconId);
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

void MainDialog::OnPickEncDirectory() {
    PickFolder({&GenerationSettings::encDirectory, kEncDirectoryValue,
                "The same directory of .enc files is selected!"},
               "Set the Source Directory of gbk*.enc files:");
}

void MainDialog::OnPickHtfDirectory() {
    PickFolder({&GenerationSettings::htfDirectory, kHtfDirectoryValue,
                "The same directory of .htf files is selected!"},
               "Set the Target Directory of gbk*.htf files:");
}

void MainDialog::OnPickCodePageFile() {
    PickFileToOpen({&GenerationSettings::codePageFile, kCodePageFileValue,
                    "The same Microsoft GBK codepage file is selected!"},
                   "txt", "", kTxtFilter);
}

// A field that fails its length check has shown why; the run does not start on the
// half-read fields.
void MainDialog::OnGenerator2() {
    if (!UpdateData(true)) {
        return;
    }
    StartRun([&](const RunContext& context) { RunGenerator2(settings_, context); });
}

void MainDialog::CloneHtfFiles() {
    CloneDialog prompt(this);
    if (prompt.DoModal() != IDOK || !UpdateData(true)) {
        return;
    }
    StartRun([&](const RunContext& context) {
        RunCloning(prompt.clonedFrom, prompt.clonedTo, settings_, context);
    });
}

void MainDialog::OnPickSfdFile() {
    PickFileToOpen(
        {&GenerationSettings::sfdFile, kSfdFileValue, "The same UGBK.sfd file is selected!"}, "sfd",
        "UGBK", kSfdFilter);
}

// The prompt stores the list on OK, even when a field of the window then fails its check.
void MainDialog::OnGenerator1() {
    FontListDialog prompt(this);
    if (prompt.DoModal() != IDOK || !UpdateData(true)) {
        return;
    }
    StartRun(
        [&](const RunContext& context) { RunGenerator1(prompt.fontList, settings_, context); });
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
    StartRun([&](const RunContext& context) {
        RunAlias(prompt.targetFont, prompt.aliasFont, settings_, context);
    });
}

// An error that no run expects ends the run with a box that says so, not the program.
void MainDialog::StartRun(const std::function<void(const RunContext&)>& run) {
    DialogRunReporter reporter(*this);
    if (const auto failure = CatchUnexpected([&] { run({reporter, workingDirectory_}); })) {
        MessageBox(*failure, "Warning!", MB_ICONEXCLAMATION);
    }
}

void MainDialog::OnPickAliasDirectory() {
    PickFolder({&GenerationSettings::aliasDirectory, kAliasDirectoryValue,
                "The same directory of alias .htf files is selected!"},
               "Set the Target Directory of alias gbk*.htf files:");
}

void MainDialog::PickFolder(const PathField& field, const char* prompt) {
    FolderChooser chooser;
    chooser.prompt = prompt;
    chooser.initialFolder = settings_.*field.member;
    if (chooser.Browse(this)) {
        TakePickedPath(field, chooser.selectedPath);
    }
}

void MainDialog::PickFileToOpen(const PathField& field, const char* defaultExtension,
                                const char* initialName, const char* filter) {
    if (const auto picked = ChooseFile(this, defaultExtension, initialName, filter)) {
        TakePickedPath(field, *picked);
    }
}

// The path is stored the moment it is taken, so no later OK is needed to keep it. The
// refresh puts every member back into its control: edits not yet read by a run are undone.
void MainDialog::TakePickedPath(const PathField& field, const std::string& picked) {
    std::string& path = settings_.*field.member;
    if (picked == path) {
        MessageBox(field.samePathMessage);
        return;
    }
    path = picked;
    SettingsStore().WriteString(kSettingsSection, field.valueName, path);
    UpdateData(false);
}

} // namespace glyphsmith
