#include "ModalSeam.h"

#include <algorithm>
#include <vector>

namespace glyphsmith::ui {

namespace {

// The seams that scopes put in force, the latest last. A scope that ends out of order
// takes only its own seam away, so no seam outlives its scope.
std::vector<ModalSeam*> scopedSeams;

} // namespace

ModalSeam& CurrentModalSeam() {
    return scopedSeams.empty() ? ProgramModalSeam() : *scopedSeams.back();
}

ScopedModalSeam::ScopedModalSeam(ModalSeam& seam) : seam_(seam) {
    scopedSeams.push_back(&seam);
}

ScopedModalSeam::~ScopedModalSeam() {
    const auto latest = std::find(scopedSeams.rbegin(), scopedSeams.rend(), &seam_);
    scopedSeams.erase(std::next(latest).base());
}

} // namespace glyphsmith::ui
