// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"
#include "GenerationSettings.h"
#include "Paths.h"
#include "RunContext.h"

#include <functional>
#include <string>

namespace glyphsmith {

// The program's window, on template 102: it holds the settings record, shows it in its
// fields, and starts the four runs, the five path choosers and the About box.
class MainDialog : public ui::Dialog {
  public:
    // The system command of the About entry in the system menu.
    static constexpr unsigned kAboutCommand = 0x0010;

    // Loads the stored paths; the options start with their fixed values. The runs keep
    // their log and template in workingDirectory.
    explicit MainDialog(Dialog* parent = nullptr,
                        std::string workingDirectory = CurrentDirectory());

    const GenerationSettings& Settings() const { return settings_; }

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    ui::MessageMap GetMessageMap() const override;
    // The About entry, with whatever the low four bits hold, opens the About box.
    void OnSysCommand(unsigned command) override;

    // Button 6 and the About entry of the system menu.
    virtual void OnAbout();

  private:
    void OnPickEncDirectory();
    void OnPickHtfDirectory();
    void OnPickCodePageFile();
    void OnGenerator2();
    void CloneHtfFiles();
    void OnPickSfdFile();
    void OnGenerator1();
    void CreateAliasHtfFiles();
    void OnPickAliasDirectory();
    // Runs a run with the window as its reporter.
    void StartRun(const std::function<void(const RunContext&)>& run);

    // A path field with its value name in the store and its refusal of the same path.
    struct PathField;
    void PickFolder(const PathField& field, const char* prompt);
    void PickFileToOpen(const PathField& field, const char* defaultExtension,
                        const char* initialName, const char* filter);
    void TakePickedPath(const PathField& field, const std::string& picked);

    GenerationSettings settings_;
    const std::string workingDirectory_;
};

} // namespace glyphsmith
