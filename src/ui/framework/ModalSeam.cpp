#include "ModalSeam.h"

namespace glyphsmith::ui {

ModalSeam& CurrentModalSeam() {
    return ScopedModalSeam::Current(ProgramModalSeam());
}

} // namespace glyphsmith::ui
