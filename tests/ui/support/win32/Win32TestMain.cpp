// SPDX-License-Identifier: MIT
// The window tests' main on Win32: the program's window system, then every test.
#include "WindowSystem.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const auto windowSystem = glyphsmith::StartWindowSystem(argc, argv);
    return RUN_ALL_TESTS();
}
