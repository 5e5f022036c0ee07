// Any text as a subfont definition file of any encoding: whatever the reader keeps must
// be well formed, and each of its values spelled as a row names it.
#include "SfdReferences.h"
#include "SfdValueKind.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

using namespace glyphsmith;

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void CheckSubfont(const SfdSubfont& subfont) {
    Require(!subfont.Name().empty(), "a subfont without a name");
    int end = 0;
    for (const SfdRun& run : subfont.Runs()) {
        Require(run.position >= end && run.count > 0, "runs out of order or overlapping");
        end = run.position + run.count;
        Require(end <= SfdSubfont::kPositions, "a run past position 255");
    }
    for (int position = 0; position < SfdSubfont::kPositions; ++position) {
        const CharacterReference reference = SfdReference(subfont.Value(position));
        Require(!reference || (reference->size() >= 5 && reference->front() == 'x'),
                "a reference that is not x and hexadecimal digits");
    }
    if (const std::optional<SubfontRange> range = CharacterRange(subfont)) {
        Require(range->first <= range->last, "a range that runs backwards");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const SfdFile file = SfdFile::Read(in);
    for (const SfdSubfont& subfont : file.Subfonts()) {
        CheckSubfont(subfont);
        Require(file.Find(subfont.Name()) == &subfont, "a subfont that its name does not find");
    }
    for (const SfdNote& note : file.Notes()) {
        Require(note.line >= 1, "a note without a line");
    }
    ValueKindOf(file);
    return 0;
}
