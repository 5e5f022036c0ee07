#include "LinkOpener.h"

#include <array>
#include <utility>

namespace glyphsmith {

namespace {

// The error codes of the shell and of starting a program, with their explanations.
constexpr std::array<std::pair<int, std::string_view>, 13> kErrorTexts{{
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
         "being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};

} // namespace

int OpenTarget(LinkOpener& opener, const std::string& address) {
    const int result = opener.OpenWithDesktop(address);
    if (Opened(result)) {
        return result;
    }
    const std::optional<std::string> command = opener.WebPageCommand();
    if (!command) {
        return result;
    }
    return opener.RunWebPageCommand(*command, address);
}

// A code that the table lacks is shown as the signed number it was returned as.
std::string OpenErrorText(int code) {
    for (const auto& [tableCode, text] : kErrorTexts) {
        if (tableCode == code) {
            return std::string(text);
        }
    }
    return "Unknown Error (" + std::to_string(code) + ") occurred.";
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
