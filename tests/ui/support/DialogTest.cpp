// SPDX-License-Identifier: MIT
#include "DialogTest.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace glyphsmith::test {

void DialogTest::TearDown() {
    const std::vector<std::string> complaints = scene_->seam.Complaints();
    scene_.reset();
    std::ostringstream joined;
    for (const std::string& complaint : complaints) {
        joined << complaint << '\n';
    }
    EXPECT_TRUE(complaints.empty()) << joined.str();
}

int DialogTest::Run(ui::Dialog& dialog, ScriptedModalSeam::DialogStep step) {
    scene_->seam.OnNextDialog(std::move(step));
    return dialog.DoModal();
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::map<std::string, std::string> FilesUnder(const std::filesystem::path& directory) {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory, error)) {
        if (entry.is_regular_file()) {
            files[entry.path().lexically_relative(directory).generic_string()] =
                ReadBytes(entry.path());
        }
    }
    return files;
}

std::vector<std::string> TreeDifferences(const std::filesystem::path& left,
                                         const std::filesystem::path& right) {
    const std::map<std::string, std::string> leftFiles = FilesUnder(left);
    const std::map<std::string, std::string> rightFiles = FilesUnder(right);
    std::vector<std::string> differences;
    for (const auto& [path, content] : leftFiles) {
        const auto match = rightFiles.find(path);
        if (match == rightFiles.end() || match->second != content) {
            differences.push_back(path);
        }
    }
    for (const auto& [path, content] : rightFiles) {
        if (!leftFiles.contains(path)) {
            differences.push_back(path);
        }
    }
    return differences;
}

} // namespace glyphsmith::test
