// SPDX-License-Identifier: MIT
#include "LinkOpener.h"

#include <array>
#include <utility>

namespace glyphsmith {

namespace {

// The failures with their explanations, as the shell words them.
constexpr std::array<std::pair<OpenOutcome, std::string_view>, 13> kErrorTexts{{
    {OpenOutcome::OutOfResources, "The operating system is out\nof memory or resources."},
    {OpenOutcome::FileNotFound, "The specified file was not found."},
    {OpenOutcome::PathNotFound, "The specified path was not found."},
    {OpenOutcome::AccessDenied, "The operating system denied\naccess to the specified file."},
    {OpenOutcome::OutOfMemory, "There was not enough memory to complete the operation."},
    {OpenOutcome::InvalidProgram,
     "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {OpenOutcome::SharingViolation, "A sharing violation occurred. "},
    {OpenOutcome::IncompleteAssociation, "The filename association is\nincomplete or invalid."},
    {OpenOutcome::DdeTimeout,
     "The DDE transaction could not\nbe completed because the request timed out."},
    {OpenOutcome::DdeFailed, "The DDE transaction failed."},
    {OpenOutcome::DdeBusy, "The DDE transaction could not\nbe completed because other DDE "
                           "transactions\nwere being processed."},
    {OpenOutcome::NoAssociation,
     "There is no application associated\nwith the given filename extension."},
    {OpenOutcome::LibraryNotFound, "The specified dynamic-link library was not found."},
}};

} // namespace

OpenResult OpenTarget(LinkOpener& opener, const std::string& address) {
    const OpenResult result = opener.OpenWithDesktop(address);
    if (result.outcome == OpenOutcome::Opened) {
        return result;
    }
    const std::optional<std::string> command = opener.WebPageCommand();
    if (!command) {
        return result;
    }
    return opener.RunWebPageCommand(*command, address);
}

// An outcome that the table lacks is shown by the side's code, as a signed number.
std::string OpenErrorText(const OpenResult& result) {
    for (const auto& [outcome, text] : kErrorTexts) {
        if (outcome == result.outcome) {
            return std::string(text);
        }
    }
    return "Unknown Error (" + std::to_string(result.code) + ") occurred.";
}

// The placeholder is ASCII, and no byte of a multibyte character is a quote or a per cent
// sign (in UTF-8 none is below 0x80, in the double-byte code pages no trail byte is below
// 0x40), so a byte search finds it only where a character starts.
std::string_view CommandBeforePlaceholder(std::string_view command, std::string_view placeholder) {
    const std::string quoted = '"' + std::string(placeholder) + '"';
    std::size_t cut = command.find(quoted);
    if (cut == std::string_view::npos) {
        cut = command.find(placeholder);
    }
    return cut == std::string_view::npos ? command : command.substr(0, cut);
}

std::string FallbackCommandLine(std::string_view command, std::string_view address) {
    return std::string(CommandBeforePlaceholder(command, "%1")) + ' ' + std::string(address);
}

} // namespace glyphsmith
