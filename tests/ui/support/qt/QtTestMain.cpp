// SPDX-License-Identifier: MIT
// The window tests' main on Qt: an application object for the widgets, then every test.
// Listing the tests needs no window system, so that they can be listed without a display.
// A menu that a test does not script fails it rather than waiting for a user.
#include "ScriptedPopupMenu.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    const glyphsmith::test::ScriptedPopupMenu noMenuExpected;
    return RUN_ALL_TESTS();
}
