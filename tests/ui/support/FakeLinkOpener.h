// SPDX-License-Identifier: MIT
#pragma once

#include "LinkOpener.h"

#include <string>
#include <utility>
#include <vector>

namespace glyphsmith::test {

// Answers with the results it is given and records what it was asked to open; it never
// starts a program.
class FakeLinkOpener final : public LinkOpener {
  public:
    OpenResult desktopResult = OpenOutcome::Opened;
    std::optional<std::string> webPageCommand;
    OpenResult webPageResult = OpenOutcome::Opened;

    std::vector<std::string> desktopOpens;
    std::vector<std::pair<std::string, std::string>> webPageRuns; // command, address

    OpenResult OpenWithDesktop(const std::string& address) override {
        desktopOpens.push_back(address);
        return desktopResult;
    }
    std::optional<std::string> WebPageCommand() override { return webPageCommand; }
    OpenResult RunWebPageCommand(const std::string& command, const std::string& address) override {
        webPageRuns.emplace_back(command, address);
        return webPageResult;
    }
};

} // namespace glyphsmith::test
