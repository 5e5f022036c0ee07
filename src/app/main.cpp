// SPDX-License-Identifier: MIT
// glyphsmith: the window program. It takes no options of its own.
#include "ApplicationObject.h"
#include "WindowSystem.h"

int main(int argc, char* argv[]) {
    const std::string workingDirectory = glyphsmith::CurrentDirectory();
    const auto windowSystem = glyphsmith::StartWindowSystem(argc, argv);
    glyphsmith::ApplicationObject(workingDirectory).InitInstance();
    return 0;
}
