// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith {

// How an attempt to open an address ended: opened, or why not. Each side maps its
// platform's own codes onto these.
enum class OpenOutcome {
    Opened,
    OutOfResources,
    FileNotFound,
    PathNotFound,
    AccessDenied,
    OutOfMemory,
    InvalidProgram,
    SharingViolation,
    IncompleteAssociation,
    DdeTimeout,
    DdeFailed,
    DdeBusy,
    NoAssociation,
    LibraryNotFound,
    Unknown,
};

struct OpenResult {
    constexpr OpenResult(OpenOutcome outcome, int code = 0) : outcome(outcome), code(code) {}
    bool operator==(const OpenResult&) const = default;

    OpenOutcome outcome;
    // The side's own code of an Unknown outcome, which the user is shown.
    int code;
};

// How the platform opens an address. Tests put in an opener that starts no program.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;

    // Opens the address with whatever the desktop opens its kind of address with.
    virtual OpenResult OpenWithDesktop(const std::string& address) = 0;
    // The command line that the desktop registers for web pages; none when it has none.
    virtual std::optional<std::string> WebPageCommand() = 0;
    // Runs the program of that command line on the address.
    virtual OpenResult RunWebPageCommand(const std::string& command,
                                         const std::string& address) = 0;
};

// The desktop's way first; where it fails, the program registered for web pages. A failed
// fallback, or none registered, gives the desktop's result.
OpenResult OpenTarget(LinkOpener& opener, const std::string& address);

// Why an address did not open, for the user.
std::string OpenErrorText(const OpenResult& result);

// A registered command line without its placeholder and all that follows: cut at the
// opening quote of the quoted placeholder, else at the per cent sign of the bare one; the
// whole command when it holds neither.
std::string_view CommandBeforePlaceholder(std::string_view command, std::string_view placeholder);

// The command line that opens an address with a registered command whose placeholder is
// "%1": the command up to its placeholder, one blank, and the address.
std::string FallbackCommandLine(std::string_view command, std::string_view address);

// The program's own opener for the platform it runs on.
LinkOpener& DesktopLinkOpener();

} // namespace glyphsmith
