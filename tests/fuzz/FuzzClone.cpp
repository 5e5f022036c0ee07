// SPDX-License-Identifier: MIT
// The cloning source: the first byte picks the subfont, the rest is the source .htf text.
// A clone is its new first line, at most the announced rows copied whole, and the new last
// line; an invalid source writes nothing.
#include "Cloning.h"
#include "HtfInvariants.h"

#include <sstream>

using namespace glyphsmith;
using fuzz::Require;

namespace {

int CountLines(const std::string& text) {
    int lines = 0;
    for (char c : text) {
        lines += c == '\n';
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const int subfont = 1 + data[0] % 94;
    std::istringstream source(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    std::ostringstream target;
    const ClonedFile cloned =
        CloneHtfText(source, target, FontName("gbksong"), FontName("gbkfsong"), subfont);
    const std::string text = target.str();
    if (!cloned.valid) {
        Require(text.empty(), "an invalid source wrote something");
        return 0;
    }
    Require(cloned.copiedRows <= cloned.rows && cloned.rows <= 256, "row count");
    Require(CountLines(text) == cloned.copiedRows + 2 && text.back() == '\n', "line count");
    const std::size_t headerEnd = text.find("  %cloned from gbksong");
    const std::string rangeLine = text.substr(0, headerEnd);
    Require(rangeLine.rfind("gbkfsong", 0) == 0, "new font name");
    Require(text.size() > rangeLine.size() + 1 &&
                text.compare(text.size() - rangeLine.size() - 1, rangeLine.size() + 1,
                             rangeLine + "\n") == 0,
            "last line equals the first without its comment");
    return 0;
}
