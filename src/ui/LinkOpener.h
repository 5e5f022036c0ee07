#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith {

// Results of opening an address keep the values of the Windows shell: above 32 the address
// opened, 32 or less is an error code of OpenErrorText's table.
inline constexpr int kOutOfResources = 0;
inline constexpr int kFileNotFound = 2;
inline constexpr int kNoAssociation = 31;
inline constexpr int kOpened = 33;

constexpr bool Opened(int result) {
    return result > 32;
}

// How the platform opens an address. Tests put in an opener that starts no program.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;

    // Opens the address with whatever the desktop opens its kind of address with.
    virtual int OpenWithDesktop(const std::string& address) = 0;
    // The command line that the desktop registers for web pages; none when it has none.
    virtual std::optional<std::string> WebPageCommand() = 0;
    // Runs the program of that command line on the address.
    virtual int RunWebPageCommand(const std::string& command, const std::string& address) = 0;
};

// The desktop's way first; where it fails, the program registered for web pages. A failed
// fallback, or none registered, gives the desktop's result.
int OpenTarget(LinkOpener& opener, const std::string& address);

// What a result code means, for the user.
std::string OpenErrorText(int code);

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
