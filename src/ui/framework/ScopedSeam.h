// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <iterator>
#include <vector>

namespace glyphsmith::ui {

// Puts another seam of its kind in force for its lifetime. Scopes may end in any order: one
// that ends out of order takes only its own seam away, so no seam outlives its scope.
template <class Seam> class ScopedSeam {
  public:
    explicit ScopedSeam(Seam& seam) : seam_(seam) { Scoped().push_back(&seam); }
    ~ScopedSeam() {
        const auto latest = std::find(Scoped().rbegin(), Scoped().rend(), &seam_);
        Scoped().erase(std::next(latest).base());
    }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

    // The seam of the latest scope, or the program's own while no scope is open.
    static Seam& Current(Seam& programSeam) {
        return Scoped().empty() ? programSeam : *Scoped().back();
    }

  private:
    static std::vector<Seam*>& Scoped() {
        static std::vector<Seam*> seams;
        return seams;
    }

    Seam& seam_;
};

} // namespace glyphsmith::ui
