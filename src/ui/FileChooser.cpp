// SPDX-License-Identifier: MIT
#include "FileChooser.h"

#include "ModalSeam.h"

namespace glyphsmith {

std::optional<std::string> ChooseFile(ui::Dialog* owner, std::string_view defaultExtension,
                                      std::string_view initialName, std::string_view filter) {
    ui::FileRequest request;
    request.owner = owner;
    request.defaultExtension = defaultExtension;
    request.initialName = initialName;
    request.filter = filter;
    return ui::CurrentModalSeam().ChooseFile(request);
}

} // namespace glyphsmith
