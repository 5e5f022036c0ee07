// SPDX-License-Identifier: MIT
// Any text as a subfont definition file of any encoding: what the reader keeps must be
// well formed, whatever the rows then make of it.
#include "HtfInvariants.h"
#include "SfdReferences.h"
#include "SfdValueKind.h"

#include <sstream>

using namespace glyphsmith;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const SfdFile file = SfdFile::Read(in);
    for (const SfdSubfont& subfont : file.Subfonts()) {
        Require(file.Find(subfont.Name()) == &subfont, "a subfont that its name does not find");
        int end = 0;
        for (const SfdRun& run : subfont.Runs()) {
            Require(run.position >= end && run.count > 0, "runs out of order or overlapping");
            end = run.position + run.count;
            Require(end <= SfdSubfont::kPositions, "a run past position 255");
            Require(SfdReference(run.value) != "x", "a reference without digits");
        }
        CharacterRange(subfont);
    }
    ValueKindOf(file);
    return 0;
}
