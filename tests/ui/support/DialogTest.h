// SPDX-License-Identifier: MIT
#pragma once

#include "DialogWindow.h"
#include "IsolatedStore.h"
#include "ScriptedModalSeam.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace glyphsmith::test {

// A behaviour test of dialogs, on either side of the framework: every test runs in a
// scene of its own, with a settings store and a working directory of its own and the
// scripted seam for its modal waits. A test fails when the seam met anything its script
// did not expect.
class DialogTest : public ::testing::Test {
  protected:
    struct Scene {
        IsolatedStore store;
        ScopedWorkDir work;
        ScriptedModalSeam seam;
    };

    DialogTest() : scene_(std::make_unique<Scene>()) {}
    void TearDown() override;

    Scene& scene() { return *scene_; }
    // Runs the dialog modally with the step as its user; the dialog's result.
    int Run(ui::Dialog& dialog, ScriptedModalSeam::DialogStep step);

  private:
    std::unique_ptr<Scene> scene_;
};

// A file's bytes as they stand; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
// Every file under a directory, by its path below it, written with "/".
std::map<std::string, std::string> FilesUnder(const std::filesystem::path& directory);
// The paths below either directory whose files are missing on one side or differ.
std::vector<std::string> TreeDifferences(const std::filesystem::path& left,
                                         const std::filesystem::path& right);
// Runs a program in a directory to its end; its exit code, or -1 when it did not finish.
int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& directory);

} // namespace glyphsmith::test
